// The DesignCase: everything entered or chosen for one calculation, plus the
// option codes and flags derived from it. A plain record of float; the
// member names are the labels under which the reports print the quantities.
// The entered case holds it as typed; the prepared run inputs hold it in the
// working engineering units (see core/units.h).
#pragma once

#include <string>

namespace hx {

// One-letter switches of a run, derived from the option codes.
enum class TubePhase { Gas, Liquid };          // "1" gas (methods 2, 4), "2" liquid (1, 3)
enum class OutletGiven { None, Shell, Tube };  // "3" shell outlet given, "1" tube outlet given

struct DesignCase {
    // Option codes (option_codes.h), as read from the forms.
    int unitCode = 0;               // UnitSystem with ReportLanguage: 1..4
    int exchangerType = 0;          // 1 shell-and-tube, 2 double tube
    int doubleTubeGeometry = 0;     // 1 when the double-tube sample geometry is loaded
    int fluidMode = 0;              // 1..4
    int tubeMethod = 0;             // tube-side property method 1..4
    int shellMethod = 0;            // shell-side property method 1..3
    int solveFor = 0;               // 1 TL given, 2 T2 given, 3 T4 given
    int flowArrangement = 0;        // 1 counter-current cross flow, 2 parallel
    int tubeSurface = 0;            // 1 plain, 2 low fin
    int twistedTape = 0;            // 1 used, 2 not used
    int cutLineTubesCode = 0;       // tubes on the baffle cut line: 1 no, 2 yes
    int waterContentUnit = 0;       // wet gas H2O content: 1 vol %, 2 kg/kgda
    int gasComposition = 0;         // 4 all components, 5 standard air with H2O, 6 standard air
    int compositionAdjustment = 0;  // 1 CO2 and O2 fixed, N2 adjusted; 2 mixed
    int phaseChange = 0;            // 1 condensation, 2 evaporation
    int humidityBasis = 0;          // 1 from Ta and Pt, 2 from the composition
    int coefficientSetting = 0;     // 1 by formula, 2 by hand
    int manualSide = 0;             // 1 tube, 2 shell, 3 both
    int calculationBasis = 0;       // 1 original, 2 textbook Bell–Delaware (0 reads as 1)
    int weightCalculation = 0;      // 1 ON, 2 OFF
    int solveForMirror = 0;         // FORM7's copy of the solve-for choice

    // Derived flags.
    TubePhase tubePhase = TubePhase::Liquid;
    bool wetGas = false;       // "Y" when the fluid mode is 2
    bool lengthGiven = false;  // "Y" for solve-for 1, or modes 3 and 4 while the length is given
    OutletGiven outletGiven = OutletGiven::None;
    bool bellMethod = false;  // "y" baffled shell, "n" double-tube annulus
    bool tapeUsed = false;    // "Y" twisted tape used
    bool lowFin = false;      // surface "LF" (else "B", plain)

    // Streams. Wt and Ws are held in ton/h (entered in ton/h; the double tube's
    // kg/h entries are divided by 1000) and the solver multiplies them by 1000.
    float Wt = 0.0f;             // tube-side mass flow
    float Ws = 0.0f;             // shell-side mass flow
    float tubeMassFlow = 0.0f;   // kg/h, gas tube side: Wt·1000
    float shellMassFlow = 0.0f;  // kg/h: Ws·1000

    // Tube bundle. Lengths in m (entered in mm).
    float NT = 0.0f;  // number of tubes
    float TL = 0.0f;  // tube length
    float DI = 0.0f;  // tube inside diameter
    float D0 = 0.0f;  // tube outside diameter (double tube: inner tube's outside diameter)
    float TP = 0.0f;  // pitch ratio to the outside diameter (finned: to the fin tip diameter)
    float PN = 0.0f;  // tube-side passes
    float FT = 0.0f;  // fin thickness
    float FH = 0.0f;  // fin height
    float FN = 0.0f;  // fins per inch
    float CM = 0.0f;  // tube material conductivity, kcal/mh℃
    float FM = 0.0f;  // fin material conductivity, kcal/mh℃
    float Ft = 0.0f;  // tube-side fouling factor, m2h℃/kcal
    float Fs = 0.0f;  // shell-side fouling factor, m2h℃/kcal

    // Baffled shell.
    float B = 0.0f;               // baffle spacing, m
    float baffleCut = 0.0f;       // cut line distance from the shell centre / radius, 0..0.6
    float cutLineTubes = 0.0f;    // tubes on the baffle cut line
    float cutEdgeAngle = 0.0f;    // angle at the baffle edge seen from the tube centre, deg
    float shellBaffleGap = 0.0f;  // diametral gap shell/baffle, m
    float shellBundleGap = 0.0f;  // gap shell/tube bundle, m
    float baffleHoleGap = 0.0f;   // gap baffle hole/tube, m
    float sealingStrips = 0.0f;   // bypass sealing plates
    float windowTubes = 0.0f;     // tubes in one baffle window (console answer, cut-line code 2)
    float windowRows = 0.0f;      // tube rows in one window (console answer, cut-line code 2)
    float annulusFactor = 0.0f;   // double tube: the fin-thickness field's raw number; else 1

    // Twisted tape, m (entered in mm).
    float tapePitch = 0.0f;  // as entered: neck to neck; after reading: full turn, 2 × entered
    float tapeThickness = 0.0f;

    // Temperatures, ℃ (entered in K in the SI codes).
    float T1 = 0.0f;  // Tsi: shell inlet (shell saturation temperature in the phase-change modes)
    float T2 = 0.0f;  // Tso: shell outlet
    float T3 = 0.0f;  // Tti: tube inlet (tube saturation temperature in the phase-change modes)
    float T4 = 0.0f;  // Tto: tube outlet
    float Ps = 0.0f;  // saturated vapour pressure, kgf/cm2 (phase-change modes, shell-outlet field)
    float sigma = 0.0f;  // σ, surface tension of the evaporating liquid, kgf/m (tube-outlet field)
    float filmThickness = 0.0f;  // wet-gas condensate film on the tube wall, m

    // Gas composition, fractions (entered in vol %).
    float CO2 = 0.0f;
    float O2 = 0.0f;
    float H2O = 0.0f;
    float N2 = 0.0f;
    float waterContent = 0.0f;  // absolute humidity of the tube gas, kg/kgda (unit code 2)
    float Pt = 0.0f;  // tube inlet gas pressure, kg/cm2 (shell-side evaporation: shell inlet liquid
                      // temperature)
    float Ta = 0.0f;  // atmospheric dew point, ℃ (wet gas)
    bool tubeColder = false;  // the tube fluid enters colder than the shell fluid (T3 < T1)

    // Hand-entered coefficients and the correction factors of the formulas.
    float manualXt = 0.0f;           // kcal/m2h℃
    float manualXs = 0.0f;           // kcal/m2h℃
    float tubeFactor = 0.0f;         // multiplier on the tube formula coefficient (default 1.0)
    float shellFactor = 0.0f;        // multiplier on the shell formula coefficient (default 1.0)
    float enteredTubeFactor = 0.0f;  // FORM8 entries, used with the formula setting
    float enteredShellFactor = 0.0f;
    float tubeLayout = 0.0f;  // tube layout to the flow, deg (30, 45, 60, 90), textbook basis
    // Tube-side nozzle bores, mm as entered (textbook basis; 0: no nozzle loss).
    float tubeInletNozzle = 0.0f;
    float tubeOutletNozzle = 0.0f;

    // The bundle as specified, textbook basis (FORM8), mm as typed; 0 where
    // left blank, to be derived (shell_bundle.h).
    float enteredDS = 0.0f;       // shell inside diameter
    float enteredDotl = 0.0f;     // outer tube limit
    float enteredLbb = 0.0f;      // diametral bundle-to-shell clearance
    float enteredLsb = 0.0f;      // diametral baffle-to-shell clearance
    float enteredLtb = 0.0f;      // diametral tube-to-hole clearance
    float enteredBin = 0.0f;      // inlet baffle spacing
    float enteredBout = 0.0f;     // outlet baffle spacing
    int headType = 0;             // 1 fixed tube sheet or U-tube (0 reads as 1), 2 split ring,
                                  // 3 pull-through floating head
    int tubeCountFromLayout = 0;  // 2: the tubes counted from the layout; else as entered

    // Hand-entered properties, working units: latent heat kcal/kg, density
    // kg/m3, specific heat kcal/kg℃, kinematic viscosity m2/h, conductivity kcal/mh℃.
    float Ltv = 0.0f;                                        // tube-side latent heat
    float Lsv = 0.0f;                                        // shell-side latent heat
    float Dt = 0.0f, Ct = 0.0f, Vt = 0.0f, Kt = 0.0f;        // tube fluid
    float Ds = 0.0f, Cs = 0.0f, Vs = 0.0f, KS = 0.0f;        // shell fluid
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

// Derives the one-letter flags of a run from its option codes.
void deriveFlags(DesignCase& dc);

}  // namespace hx
