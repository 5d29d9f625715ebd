// The records of one calculation: the DesignCase (everything entered or
// chosen, plus the option codes and flags derived from it) and the RunResult
// (the solver's working quantities and what the reports print).
//
// Both are plain records of float in the working engineering units (see
// units.h), created all-zero when the start button is pressed and living
// until that run ends, including its results menu. The member names are the
// labels under which the reports print the quantities.
#pragma once

#include <string>

namespace hx {

// One-letter switches of a run, derived from the option codes.
enum class TubePhase { Gas, Liquid };           // "1" gas (methods 2, 4), "2" liquid (1, 3)
enum class OutletGiven { None, Shell, Tube };   // "3" shell outlet given, "1" tube outlet given

struct DesignCase {
    // Option codes (option_codes.h), as read from the forms.
    int unitCode = 0;            // UnitSystem with ReportLanguage: 1..4
    int exchangerType = 0;       // 1 shell-and-tube, 2 double tube
    int doubleTubeGeometry = 0;  // 1 when the double-tube sample geometry is loaded
    int fluidMode = 0;           // 1..4
    int tubeMethod = 0;          // tube-side property method 1..4
    int shellMethod = 0;         // shell-side property method 1..3
    int solveFor = 0;            // 1 TL given, 2 T2 given, 3 T4 given
    int flowArrangement = 0;     // 1 counter-current cross flow, 2 parallel
    int tubeSurface = 0;         // 1 plain, 2 low fin
    int twistedTape = 0;         // 1 used, 2 not used
    int cutLineTubesCode = 0;    // tubes on the baffle cut line: 1 no, 2 yes
    int waterContentUnit = 0;    // wet gas H2O content: 1 vol %, 2 kg/kgda
    int gasComposition = 0;      // 4 all components, 5 standard air with H2O, 6 standard air
    int compositionAdjustment = 0;  // 1 CO2 and O2 fixed, N2 adjusted; 2 mixed
    int phaseChange = 0;         // 1 condensation, 2 evaporation
    int humidityBasis = 0;       // 1 from Ta and Pt, 2 from the composition
    int coefficientSetting = 0;  // 1 by formula, 2 by hand
    int manualSide = 0;          // 1 tube, 2 shell, 3 both
    int weightCalculation = 0;   // 1 ON, 2 OFF
    int solveForMirror = 0;      // FORM7's copy of the solve-for choice

    // Derived flags.
    TubePhase tubePhase = TubePhase::Liquid;
    bool wetGas = false;         // "Y" when the fluid mode is 2
    bool lengthGiven = false;    // "Y" for solve-for 1, or modes 3 and 4 while the length is given
    OutletGiven outletGiven = OutletGiven::None;
    bool bellMethod = false;     // "y" baffled shell, "n" double-tube annulus
    bool tapeUsed = false;       // "Y" twisted tape used
    bool lowFin = false;         // surface "LF" (else "B", plain)

    // Streams. Wt and Ws are held in ton/h (entered in ton/h; the double tube's
    // kg/h entries are divided by 1000) and the solver multiplies them by 1000.
    float Wt = 0.0f;   // tube-side mass flow
    float Ws = 0.0f;   // shell-side mass flow
    float tubeMassFlow = 0.0f;   // kg/h, gas tube side: Wt·1000
    float shellMassFlow = 0.0f;  // kg/h: Ws·1000

    // Tube bundle. Lengths in m (entered in mm).
    float NT = 0.0f;   // number of tubes
    float TL = 0.0f;   // tube length
    float DI = 0.0f;   // tube inside diameter
    float D0 = 0.0f;   // tube outside diameter (double tube: inner tube's outside diameter)
    float TP = 0.0f;   // pitch ratio to the outside diameter (finned: to the fin tip diameter)
    float PN = 0.0f;   // tube-side passes
    float FT = 0.0f;   // fin thickness
    float FH = 0.0f;   // fin height
    float FN = 0.0f;   // fins per inch
    float CM = 0.0f;   // tube material conductivity, kcal/mh℃
    float FM = 0.0f;   // fin material conductivity, kcal/mh℃
    float Ft = 0.0f;   // tube-side fouling factor, m2h℃/kcal
    float Fs = 0.0f;   // shell-side fouling factor, m2h℃/kcal

    // Baffled shell.
    float B = 0.0f;                // baffle spacing, m
    float baffleCut = 0.0f;        // cut line distance from the shell centre / radius, 0..0.6
    float cutLineTubes = 0.0f;     // tubes on the baffle cut line
    float cutEdgeAngle = 0.0f;     // angle at the baffle edge seen from the tube centre, deg
    float shellBaffleGap = 0.0f;   // diametral gap shell/baffle, m
    float shellBundleGap = 0.0f;   // gap shell/tube bundle, m
    float baffleHoleGap = 0.0f;    // gap baffle hole/tube, m
    float sealingStrips = 0.0f;    // bypass sealing plates
    float windowTubes = 0.0f;      // tubes in one baffle window (console answer, cut-line code 2)
    float windowRows = 0.0f;       // tube rows in one window (console answer, cut-line code 2)
    float annulusFactor = 0.0f;    // double tube: the fin-thickness field's raw number; else 1

    // Twisted tape, m (entered in mm).
    float tapePitch = 0.0f;        // as entered: neck to neck; after reading: full turn, 2 × entered
    float tapeThickness = 0.0f;

    // Temperatures, ℃ (entered in K in the SI codes).
    float T1 = 0.0f;   // Tsi: shell inlet (shell saturation temperature in the phase-change modes)
    float T2 = 0.0f;   // Tso: shell outlet
    float T3 = 0.0f;   // Tti: tube inlet (tube saturation temperature in the phase-change modes)
    float T4 = 0.0f;   // Tto: tube outlet
    float Ps = 0.0f;        // saturated vapour pressure, kgf/cm2 (phase-change modes, shell-outlet field)
    float sigma = 0.0f;     // σ, surface tension of the evaporating liquid, kgf/m (tube-outlet field)
    float filmThickness = 0.0f;  // wet-gas condensate film on the tube wall, m

    // Gas composition, fractions (entered in vol %).
    float CO2 = 0.0f;
    float O2 = 0.0f;
    float H2O = 0.0f;
    float N2 = 0.0f;
    float waterContent = 0.0f;  // absolute humidity of the tube gas, kg/kgda (unit code 2)
    float Pt = 0.0f;   // tube inlet gas pressure, kg/cm2 (shell-side evaporation: shell inlet liquid temperature)
    float Ta = 0.0f;   // atmospheric dew point, ℃ (wet gas)
    bool tubeColder = false;  // the tube fluid enters colder than the shell fluid (T3 < T1)

    // Hand-entered coefficients and the correction factors of the formulas.
    float manualXt = 0.0f;   // kcal/m2h℃
    float manualXs = 0.0f;   // kcal/m2h℃
    float tubeFactor = 0.0f;   // multiplier on the tube formula coefficient (default 1.0)
    float shellFactor = 0.0f;  // multiplier on the shell formula coefficient (default 1.0)
    float enteredTubeFactor = 0.0f;   // FORM8 entries, used with the formula setting
    float enteredShellFactor = 0.0f;

    // Hand-entered properties, working units: latent heat kcal/kg, density
    // kg/m3, specific heat kcal/kg℃, kinematic viscosity m2/h, conductivity kcal/mh℃.
    float Ltv = 0.0f;   // tube-side latent heat
    float Lsv = 0.0f;   // shell-side latent heat
    float Dt = 0.0f, Ct = 0.0f, Vt = 0.0f, Kt = 0.0f;   // tube fluid
    float Ds = 0.0f, Cs = 0.0f, Vs = 0.0f, KS = 0.0f;   // shell fluid
    float Dtlv = 0.0f, Ctlv = 0.0f, Vtl = 0.0f, Ktl = 0.0f;  // tube condensate film
    float Dslv = 0.0f, Cslv = 0.0f, Vsl = 0.0f, Ksl = 0.0f;  // shell condensate film
    float tubeVapourCp = 0.0f;   // specific heat of the tube vapour or gas, kcal/kg℃
    float shellVapourCp = 0.0f;  // specific heat of the shell vapour or gas, kcal/kg℃
    // Working viscosities of the viscosity corrections that a hand-entered
    // fluid fixes, m2/h, set when its units are normalised: the tube value of
    // the wall-viscosity correction (Vt), and the shell bulk, wall and
    // reference values (all Vs, so that η/ηw = 1). 0 while not set.
    float tubeCorrectionViscosity = 0.0f;
    float shellBulkViscosity = 0.0f;
    float shellWallViscosity = 0.0f;
    float shellReferenceViscosity = 0.0f;

    // Weight panel of the main form, as entered (used only by the weight estimate):
    // thicknesses and diameters mm, densities kg/m3, other weight kg.
    struct WeightPanel {
        float tubeSheetThickness = 0.0f, tubeSheetDensity = 0.0f, tubeSheetDiameter = 0.0f,
              tubeSheetCount = 0.0f;
        float shellThickness = 0.0f, shellDensity = 0.0f;
        float baffleThickness = 0.0f, baffleDensity = 0.0f, baffleCount = 0.0f;
        float tubeDensity = 0.0f;
        float otherWeight = 0.0f;
    } weight;
};

struct RunResult {
    // Heat and coefficients.
    float Q = 0.0f;    // exchanged heat, kcal/h
    float Qx = 0.0f;   // heat from the shell-side balance (check table), kcal/h
    float KI = 0.0f;   // overall coefficient on the inside area, kcal/m2h℃
    float KO = 0.0f;   // overall coefficient on the outside area, kcal/m2h℃
    float Xt = 0.0f;   // tube-side film coefficient (printed also as hi), kcal/m2h℃
    float Xs = 0.0f;   // shell-side film coefficient, kcal/m2h℃
    float hix = 0.0f;  // tube-side coefficient of the previous pass, kcal/m2h℃
    float TM = 0.0f;   // corrected mean temperature difference, ℃
    float F = 0.0f;    // correction factor of the logarithmic mean
    float Et = 0.0f;   // thermal efficiency, tube stream
    float Es = 0.0f;   // thermal efficiency, shell stream
    float K1 = 0.0f;   // efficiency of the current pass
    float efficiencyEstimate = 0.0f;  // the solver's running efficiency estimate

    // Flow.
    float Ret = 0.0f, Res = 0.0f;   // Reynolds numbers (mean over the length)
    float Ut = 0.0f, Us = 0.0f;     // mean velocities, m/s
    float shellVolumeFlow = 0.0f;   // m3/h

    // Areas and length.
    float At = 0.0f;    // inside area the balance needs, m2
    float As = 0.0f;    // outside area on the bare outside diameter, m2
    float Asf = 0.0f;   // outside area printed in the summary, m2
    float EF = 0.0f;    // fin efficiency
    float LT = 0.0f;    // tube length the required area needs, m
    float TL = 0.0f;    // tube length of the solution, m

    // Derived geometry.
    float P = 0.0f;            // tube pitch, m
    float finPitch = 0.0f;     // m
    float ND = 0.0f;           // tubes on the shell centre line
    float DS = 0.0f;           // inside shell diameter, m
    float wallThickness = 0.0f;  // m
    float windowFraction = 0.0f;

    // Temperatures, ℃.
    float T1 = 0.0f, T2 = 0.0f, T3 = 0.0f, T4 = 0.0f;  // solution's inlet and outlet temperatures
    float T2X = 0.0f;       // shell outlet from the balance, shown while converging
    float Twav = 0.0f;      // mean tube wall temperature
    float Ttav = 0.0f;      // tube property mean temperature (Tiav)
    float Tsav = 0.0f;      // shell property mean temperature (Toav)
    float tubeFluidMean = 0.0f;   // arithmetic mean of tube inlet and outlet
    float shellFluidMean = 0.0f;  // arithmetic mean of shell inlet and outlet
    float tubeGasOutlet = 0.0f;           // tube gas outlet temperature
    float tubeGasOutletRemembered = 0.0f; // its copy from the previous pass

    // Properties at the mean temperatures (working units).
    float Dt = 0.0f, Ct = 0.0f, Vt = 0.0f, Kt = 0.0f, Prt = 0.0f;  // tube fluid
    float Ds = 0.0f, Cs = 0.0f, Vs = 0.0f, KS = 0.0f, Prs = 0.0f;  // shell fluid
    float tubeVapourCp = 0.0f;
    float condensateConductivity = 0.0f;  // condensate film, kcal/mh℃
    float wallViscosityBulk = 0.0f;       // viscosities of the wall-viscosity ratio
    float wallViscosityWall = 0.0f;
    float tapeTemperatureBulk = 0.0f;     // temperatures of the twisted-tape ratio, K
    float tapeTemperatureWall = 0.0f;

    // Pressure drops, kg/cm2.
    float DPt = 0.0f, DPs = 0.0f;

    // Condensate and wet gas.
    float Wcon = 0.0f;        // condensate (or evaporated) flow, kg/h
    float Condensate = 0.0f;  // water condensed from the wet gas, kg/h
    float Density = 0.0f;     // normal density of the tube gas, kg/Nm3
    float MAW = 0.0f;         // molar mass of water / that of the dry gas (0.622 for air)
    float Xi = 0.0f, Xo = 0.0f;  // absolute humidity at inlet and outlet, kg/kgda
    float heatTransferIncreaseRatio = 0.0f;  // "H.tr.increased ratio" on the wet-gas tube coefficient

    // Phase change and flows kept for the reports and the check table.
    float tubeCondensation = 0.0f;   // tube side condensed or evaporated, kg/h (fluid mode 3)
    float tubeCondensingDuty = 0.0f; // Ltv·tubeCondensation, kcal/h
    float shellCondensation = 0.0f;  // shell side condensed or evaporated, kg/h (fluid mode 4)
    float shellCondensingDuty = 0.0f;  // Ls·shellCondensation, kcal/h
    float tubeMassFlowKgH = 0.0f;    // tube mass flow of the solution, kg/h
    float tubeVolumeFlow = 0.0f;     // tube volumetric flow, m3/h
    float tubeGasVolumeFlow = 0.0f;  // tube gas normal volumetric flow, Nm3/h
    float shellMassFlowTonH = 0.0f;  // shell flow as held for the summary, ton/h
    float tubeMassFlowTonH = 0.0f;   // tube flow as held for the summary, ton/h
    float viscosityRatio = 0.0f;     // shell bulk/wall viscosity of the last pass
    // Wet gas (filled by the humid-gas balance; 0 otherwise).
    float Tzi = 0.0f, TZo = 0.0f;    // saturation temperature at the tube inlet and outlet, ℃
    float QK = 0.0f;                 // shell-side sensible heat of the wet-gas balance, kcal/h
    float GWo = 0.0f;                // outlet wet-gas mass flow, kg/h
    float wetShellMean = 0.0f;       // shell mean temperature held by the wet-gas balance, ℃

    // Loop counters shown while converging.
    int calcLimit1 = 0, calcLimit3 = 0, calcLimit5 = 0;
    int shellPropertyEvaluations = 0, tubePropertyEvaluations = 0;
};

// Derives the one-letter flags of a run from its option codes.
void deriveFlags(DesignCase& dc);

// The defaults of every run, set before the fields are read into the solver.
// The tube-side defaults depend on dc.tubePhase, so derive the flags first.
void applyRunDefaults(const DesignCase& dc, RunResult& r);

}  // namespace hx
