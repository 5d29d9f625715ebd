// The Solution: the converged quantities of one solve, in the working
// engineering units (℃, m, kg/h, m3/h, kcal/h, kcal/m2h℃, m2/h, kg/cm2), as
// the results screens, tables and reports read them. It is the run's results
// record: made once by solve() and only read after it; a presentation that
// shows other numbers builds a view of its own. The loop counters, guesses
// and remembered values of the iteration stay inside the solver.
#pragma once

namespace hx {

struct Solution {
    // Heat and coefficients.
    float Q = 0.0f;   // exchanged heat, kcal/h
    float Qx = 0.0f;  // heat from the shell-side balance (check table), kcal/h
    float KI = 0.0f;  // overall coefficient on the inside area, kcal/m2h℃
    float KO = 0.0f;  // overall coefficient on the outside area, kcal/m2h℃
    float Xt = 0.0f;  // tube-side film coefficient (printed also as hi), kcal/m2h℃
    float Xs = 0.0f;  // shell-side film coefficient, kcal/m2h℃
    float TM = 0.0f;  // corrected mean temperature difference, ℃
    float F = 0.0f;   // correction factor of the logarithmic mean
    float Et = 0.0f;  // thermal efficiency, tube stream
    float Es = 0.0f;  // thermal efficiency, shell stream

    // Flow.
    float Ret = 0.0f, Res = 0.0f;  // Reynolds numbers (mean over the length)
    float Ut = 0.0f, Us = 0.0f;    // mean velocities, m/s
    float shellVolumeFlow = 0.0f;  // m3/h

    // Areas and length.
    float At = 0.0f;   // inside area the balance needs, m2
    float As = 0.0f;   // outside area on the bare outside diameter, m2
    float Asf = 0.0f;  // outside area printed in the summary, m2
    float EF = 0.0f;   // fin efficiency
    float LT = 0.0f;   // tube length the required area needs, m
    float TL = 0.0f;   // tube length of the solution, m

    // Shell geometry of the solution's bundle.
    float ND = 0.0f;             // tubes on the shell centre line
    float shellDiameter = 0.0f;  // DS, inside shell diameter, m

    // Temperatures, ℃.
    float T1 = 0.0f, T2 = 0.0f, T3 = 0.0f, T4 = 0.0f;  // solution's inlet and outlet temperatures
    float T2X = 0.0f;             // shell outlet from the balance, shown while converging
    float Twav = 0.0f;            // mean tube wall temperature
    float Ttav = 0.0f;            // tube property mean temperature (Tiav)
    float Tsav = 0.0f;            // shell property mean temperature (Toav)
    float tubeFluidMean = 0.0f;   // arithmetic mean of tube inlet and outlet
    float shellFluidMean = 0.0f;  // arithmetic mean of shell inlet and outlet

    // Properties at the mean temperatures (working units).
    float Dt = 0.0f, Ct = 0.0f, Vt = 0.0f, Kt = 0.0f, Prt = 0.0f;  // tube fluid
    float Ds = 0.0f, Cs = 0.0f, Vs = 0.0f, KS = 0.0f, Prs = 0.0f;  // shell fluid
    float tubeVapourCp = 0.0f;  // specific heat of the tube vapour or gas, kcal/kg℃

    // Pressure drops, kg/cm2.
    float DPt = 0.0f, DPs = 0.0f;
    // The terms of the drops on the textbook basis, kgf/cm2 (0 otherwise):
    // tube friction and return losses; shell cross flow, windows, end zones.
    float DPtFriction = 0.0f, DPtReturns = 0.0f, DPtNozzles = 0.0f;
    float DPsCross = 0.0f, DPsWindows = 0.0f, DPsEnds = 0.0f;
    // The textbook Bell-Delaware quantities of the shell side (0 when the
    // method did not run): cross-flow area Sm (m2), the correction factors.
    float Sm = 0.0f;
    float Jc = 0.0f, Jl = 0.0f, Jb = 0.0f, Js = 0.0f, Jr = 0.0f;
    float Rl = 0.0f, Rb = 0.0f, Rs = 0.0f;
    float Nut = 0.0f, Nus = 0.0f;  // Nusselt numbers of the film correlations (0: not formed)

    // Condensate and wet gas.
    float Wcon = 0.0f;           // condensate (or evaporated) flow, kg/h
    float Condensate = 0.0f;     // water condensed from the wet gas, kg/h
    float Density = 0.0f;        // normal density of the tube gas, kg/Nm3
    float MAW = 0.0f;            // molar mass of water / that of the dry gas (0.622 for air)
    float Xi = 0.0f, Xo = 0.0f;  // absolute humidity at inlet and outlet, kg/kgda
    float heatTransferIncreaseRatio =
        0.0f;  // "H.tr.increased ratio" on the wet-gas tube coefficient

    // Phase change and flows kept for the reports and the check table.
    float tubeCondensation = 0.0f;     // tube side condensed or evaporated, kg/h (fluid mode 3)
    float tubeCondensingDuty = 0.0f;   // Ltv·tubeCondensation, kcal/h
    float shellCondensation = 0.0f;    // shell side condensed or evaporated, kg/h (fluid mode 4)
    float shellCondensingDuty = 0.0f;  // Ls·shellCondensation, kcal/h
    float tubeMassFlowKgH = 0.0f;      // tube mass flow of the solution, kg/h
    float tubeVolumeFlow = 0.0f;       // tube volumetric flow, m3/h
    float tubeGasVolumeFlow = 0.0f;    // tube gas normal volumetric flow, Nm3/h
    float shellMassFlowTonH = 0.0f;    // shell flow as held for the summary, ton/h
    float tubeMassFlowTonH = 0.0f;     // tube flow as held for the summary, ton/h
    float viscosityRatio = 0.0f;       // shell bulk/wall viscosity of the last pass
    // Wet gas (filled by the humid-gas balance; 0 otherwise).
    float Tzi = 0.0f, TZo = 0.0f;  // saturation temperature at the tube inlet and outlet, ℃
    float QK = 0.0f;               // shell-side sensible heat of the wet-gas balance, kcal/h
    float QG = 0.0f;               // heat from the enthalpy drop of the wet gas, kcal/h
    float GWo = 0.0f;              // outlet wet-gas mass flow, kg/h
    float wetShellMean = 0.0f;     // shell mean temperature held by the wet-gas balance, ℃
    float Hi = 0.0f, Ho = 0.0f;    // enthalpy of the wet gas at inlet and outlet, kcal/kgda
    float Pi = 0.0f, Po = 0.0f;    // vapour pressure at inlet and outlet, kgf/cm2
    float Wti = 0.0f, Wto = 0.0f;  // water vapour flow at inlet and outlet, kg/h
    float QKE = 0.0f, QKK = 0.0f;  // check heats of the balance: KI·A·ΔTm, ε·Cmin·ΔT, kcal/h
};

}  // namespace hx
