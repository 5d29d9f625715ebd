// The checks a run makes on its inputs before the solver, and the
// preparation of a gas tube side (composition, water content, humidity
// set-up). A failed check prints its message in the text window, halts
// until the user acknowledges, and throws RunEnded; the start button then
// performs the end-of-run reset.
//
// Messages are chosen by the language of the unit-and-language code; where
// a message exists in one wording only it is used for every code.
#pragma once

#include <initializer_list>
#include <string_view>

#include "calc/case/design_case.h"
#include "console/text_console.h"

namespace hx {

// Fields that must not be 0 (an empty field reads as 0), in the order they
// are checked: fluid mode, tube and shell property methods, the flow
// arrangement (sensible mode only), DI, D0, passes, for low-fin tubes the
// fin thickness, height and count, then the twisted-tape code. The values
// are those entered (mm), before any conversion.
void checkPresence(const DesignCase& dc, TextConsole& console);

// Every numeric entry as typed (mm, ton/h, K or ℃), after the presence
// checks: each quantity finite (a text beyond the float range reads as
// infinite); flows, diameters, the tube length when given, hand-entered
// properties of a side entered by hand or changing phase, and the fin data
// of low-fin tubes strictly positive; the pitch ratio above 1 and the baffle
// spacing positive for a shell-and-tube exchanger; passes and tube count
// whole numbers of at least 1; the inlet temperatures above absolute zero;
// the inside diameter below the outside one; entered gas components and an
// absolute humidity not negative. Every mode; the first failure halts.
void checkEnteredValues(const DesignCase& dc, bool doubleTube, TextConsole& console);

// Decodes the property methods into the tube fluid phase. Outside the
// wet-gas mode a tube method other than 1..4 or a shell method other than
// 1..3 halts; in the wet-gas mode only method 4 gives a phase (gas) and
// nothing halts here. Returns whether the tube phase is known.
bool decodePropertyMethods(DesignCase& dc, TextConsole& console);

// Sensible mode (1) only: with an outlet temperature given (solve-for 2:
// T2, 3: T4) the outlet must lie strictly between the two inlets, and the
// inlets T1 (shell) and T3 (tube) must differ. Any one temperature unit.
void checkTemperatureOrder(int fluidMode, int solveFor, float T1, float T2, float T3, float T4,
                           TextConsole& console);

// Tube surface code must be 1 (plain) or 2 (low fin).
void checkTubeSurface(int tubeSurface, TextConsole& console);

// Tubes-on-cut-line code other than 1 or 2 halts.
void checkCutLineCode(int cutLineTubesCode, TextConsole& console);

// Which heat-transfer path the run takes: the ordinary one, or the wet-gas
// path (a gas tube side in fluid mode 2). Halts when the tube phase is
// unknown, or for a gas tube side in a fluid mode outside 1..4.
enum class HeatTransferPath { Ordinary, WetGas };
HeatTransferPath chooseHeatTransferPath(bool tubePhaseKnown, TubePhase phase, int fluidMode,
                                        TextConsole& console);

// Composition in vol %: CO2 over 100, CO2 + O2 over 100, or the three over
// 100 each clear the window and halt (the first that applies).
void checkCompositionLimits(float CO2, float O2, float H2O, TextConsole& console);

// Double tube: the inner tube must fit inside the outer one. Plain tubes
// need D0 < DS, low-fin tubes D0 + FH < DS (all in m).
void checkDoubleTubeFit(bool lowFin, float D0, float FH, float DS, int unitCode,
                        TextConsole& console);

// Water by correlation: the entered temperature must lie within the range
// of the water correlations as the message names it, 0 < T < 160 ℃ for the
// engineering codes, 273 < T < 440 K for the SI codes. `name` is "T1" or
// "T3".
void checkWaterTemperature(float enteredT, int unitCode, std::string_view name,
                           TextConsole& console);

// Shell-side evaporation needs a tube bundle: the boiling correlation of
// the shell side is one of a bundle (pitch ratio, bundle factor), and the
// annulus of a double tube has neither. Halts for a double tube in fluid
// mode 4 with evaporation.
void checkShellEvaporationGeometry(bool doubleTube, int fluidMode, int phaseChange, int unitCode,
                                   TextConsole& console);

// Wet gas: the shell coolant (inlet T1, ℃) must enter colder than the wet
// gas (inlet T3, its saturation temperature, ℃); otherwise both streams
// would be cooled. Halts with the temperature message naming the shell inlet.
// A twisted tape must leave the tube a flow area: its thickness times the
// bore below the bore's section 0.785·DI² (both in m); otherwise the run ends.
void checkTapeLeavesFlowArea(float tapeThickness, float DI, int unitCode, TextConsole& console);

void checkCoolantColder(float T1, float T3, int unitCode, TextConsole& console);

// ---------------------------------------------------------------------------
// Tube gas: composition fractions and the humidity set-up.

// Composition of the tube gas: the contents in vol % as entered or as the
// balancing rewrites them, and the mole fractions the properties use.
struct TubeGas {
    float CO2 = 0.0f, O2 = 0.0f, H2O = 0.0f, N2 = 0.0f;      // vol %
    float xCO2 = 0.0f, xO2 = 0.0f, xH2O = 0.0f, xN2 = 0.0f;  // fractions 0..1
};

// The humidity set-up of a gas tube side from the fractions xCO2, xO2, xN2
// and the water vapour, entered either as the fraction xH2O (from vol %) or
// as an absolute humidity X in kg/kg of dry gas. With X the molar-mass ratio
// is found by a fixed-point iteration whose band 0.0001 widens fivefold on
// every pass after the 100th. Molar masses 44.01, 31.999, 28.013 and
// 18.0153 kg/kmol; normal density M/22.4 kg/Nm3 (0 ℃, 1 atm).
struct HumidityResult {
    float xH2O = 0.0f;     // water vapour mole fraction
    float Xi = 0.0f;       // inlet absolute humidity, kg/kgda
    float MAW = 0.0f;      // molar mass of water / molar mass of the dry gas
    float M = 0.0f;        // molar mass of the wet gas, kg/kmol
    float Density = 0.0f;  // normal density, kg/Nm3
};
HumidityResult humiditySetup(const TubeGas& gas, bool absoluteEntered, float X);

// N2 takes the rest, CO2, O2 and H2O kept: N2 = 100 − CO2 − O2 − H2O; the
// fractions of CO2, O2 and N2 follow (xH2O is left as it is).
TubeGas nitrogenBalance(const TubeGas& gas);

// The entered CO2/O2 and the dry rest N2 = 100 − CO2 − O2 diluted by the
// water vapour H2O: each dry fraction scaled by (1 − xH2O), and the
// percentages rewritten on the wet basis.
TubeGas averageMixture(const TubeGas& gas);

// Prints a composition block: the title, a rule, the line
// "    CO2(%)=..  N2(%)=..  O2(%)=..  H2O(%)=.." (free number form), a rule.
void printComposition(TextConsole& console, std::string_view title, const TubeGas& gas);

// Saturation temperature of the tube gas water vapour at 1 atm, ℃, from the
// absolute humidity X (kg/kgda): partial pressure Pw = X·1.033/(0.622 + X)
// kg/cm2, T = 3795.53/(11.6693 − ln Pw) − 226.18. A gas without water has
// no dew point above −226.18 ℃, the limit as Pw goes to 0.
float gasSaturationTemperature(float X);

}  // namespace hx
