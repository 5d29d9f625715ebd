#include "calc/checks/solution_checks.h"

#include <algorithm>
#include <cmath>

#include "calc/checks/phase_change_limits.h"
#include "core/option_codes.h"
#include "core/run_ended.h"

namespace hx {

namespace {

constexpr float kLaminarReynolds = 1500.0f;

// The messages are the same in the Japanese and English codes.
constexpr std::string_view kIllegalSetting =
    "    illegal setting of outlet temperature or flowrate";
constexpr std::string_view kIllegalSeting = "    illegal seting of outlet temperature or flowrate";

constexpr std::string_view kLaminarWarning[] = {
    "                           WARNING",
    "              Shell side fluid is Laminar flow !!",
    "         need to increase the shell side fluid flow rate",
};

// A negative Reynolds number means more condensed than flowed in: the same
// message in every unit code.
constexpr std::string_view kAreaTooLargeForShellCondensate =
    " ★ 凝縮量に対し伝熱面積が過大！ MAIN INPUT 画面の伝熱管面積を減らしてください。";
constexpr std::string_view kAreaTooLargeForTubeCondensate =
    "  ★ 凝縮量に対し伝熱面積が過大！ MAIN INPUT 画面の伝熱管面積を減らしてください。!!";

// No heat exchanged, by the side that carries none.
struct Wording {
    std::string_view japanese;
    std::string_view english;
    std::string_view in(int unitCode) const { return isJapanese(unitCode) ? japanese : english; }
};
constexpr Wording kNoHeat{"    熱交換量がゼロです（Q=0）：計算結果は表示できません。",
                          "    No heat is exchanged (Q=0): the result cannot be reported."};
constexpr Wording kShellCarriesNone{
    "    シェル側の熱伝達率 Xs がほぼゼロで、シェル側は熱を運びません。",
    "    The shell side film coefficient Xs is (almost) 0: the shell side carries no heat."};
constexpr Wording kTubeCarriesNone{
    "    管内側の熱伝達率 Xt がほぼゼロで、管内側は熱を運びません。",
    "    The tube side film coefficient Xt is (almost) 0: the tube side carries no heat."};
constexpr Wording kWallCarriesNone{
    "    総括伝熱係数がほぼゼロです：壁の熱伝導率または汚れ係数で熱が通りません。",
    "    The overall coefficient is (almost) 0: the wall conductivity or a fouling factor"
    " lets no heat through."};
constexpr Wording kShellRemedy{
    "    シェル側の補正係数、物性値、流量、バッフル間隔を見直して下さい。",
    "    Check the shell side correction factor, properties, flow and baffle spacing."};
constexpr Wording kTubeRemedy{"    管内側の補正係数、物性値、流量を見直して下さい。",
                              "    Check the tube side correction factor, properties and flow."};
constexpr Wording kWallRemedy{"    伝熱管の熱伝導率と汚れ係数を見直して下さい。",
                              "    Check the tube thermal conductivity and the fouling factors."};
constexpr Wording kGasBelowCoolant{
    "    管内湿り気体の出口温度が冷却水の入口温度より低くなりました。",
    "    The wet gas outlet lies below the coolant inlet: the balance cannot hold."};

// A duty below this fraction of the larger stream's capacity across the
// inlet difference is no exchange: a film or wall that conducts nothing.
constexpr float kNegligibleDuty = 1.0e-6f;

}  // namespace

void checkHeatExchanged(const DesignCase& dc, const Solution& r, TextConsole& console) {
    if (!std::isfinite(r.Q)) return;  // not a number: the calculation-failed message follows
    const float tubeCapacity = dc.Wt * 1000.0f * r.Ct;  // kcal/h℃ (Wt in ton/h)
    const float shellCapacity = dc.Ws * 1000.0f * r.Cs;
    const float scale = std::max(tubeCapacity, shellCapacity) * std::fabs(r.T1 - r.T3);  // kcal/h
    // In the wet-gas mode the duty reported is the heat the coolant takes up.
    const bool noHeat = !(r.Q > 0.0f) || (std::isfinite(scale) && r.Q <= kNegligibleDuty * scale) ||
                        (dc.fluidMode == kTubeWetGas && !(r.QK > 0.0f));
    const bool gasBelowCoolant = dc.fluidMode == kTubeWetGas && r.T4 < r.T1;
    if (!noHeat && !gasBelowCoolant) return;
    const int code = dc.unitCode;
    console.clear();
    for (int i = 0; i < 4; ++i) console.print("");
    // The side of the smaller conductance carries no heat; when both films
    // conduct, the wall and the fouling stop it.
    // The correction factors of the formula setting scale the films.
    const bool byFormula = dc.coefficientSetting != kByHand;
    const float shellConductance = r.Xs * r.As * (byFormula ? dc.enteredShellFactor : 1.0f);
    const float tubeConductance = r.Xt * r.At * (byFormula ? dc.enteredTubeFactor : 1.0f);
    const float overall = r.KO * r.As;
    const float smallest = std::min(shellConductance, tubeConductance);
    if (!noHeat) {
        endRun(console, {kGasBelowCoolant.in(code), kNoHeat.in(code)});
    } else if (!(overall < kNegligibleDuty * smallest) && shellConductance <= tubeConductance) {
        endRun(console, {kNoHeat.in(code), kShellCarriesNone.in(code), kShellRemedy.in(code)});
    } else if (!(overall < kNegligibleDuty * smallest)) {
        endRun(console, {kNoHeat.in(code), kTubeCarriesNone.in(code), kTubeRemedy.in(code)});
    }
    endRun(console, {kNoHeat.in(code), kWallCarriesNone.in(code), kWallRemedy.in(code)});
}

std::optional<std::string_view> unreachableOutletMessage(OutletGiven given, float T1, float T2,
                                                         float T3, float T4) {
    const bool tubeHot = T3 > T1;
    // The outlet given must lie between the two inlets, and so must the
    // other outlet that the heat balance gives for the flows entered: a
    // flow too small for the duty drives it past the other stream's inlet.
    if (given == OutletGiven::Shell) {
        if (tubeHot && (T2 >= T3 || T4 < T1)) return kIllegalSetting;
        if (!tubeHot && (T3 >= T2 || T4 > T1)) return kIllegalSeting;
    } else if (given == OutletGiven::Tube) {
        if ((tubeHot && T4 <= T1) || (!tubeHot && T1 <= T4)) return kIllegalSetting;
        if ((tubeHot && T2 > T3) || (!tubeHot && T2 < T3)) return kIllegalSetting;
    }
    return std::nullopt;
}

bool laminarShellFlow(float Res) { return Res < kLaminarReynolds; }

void checkSensibleSolution(const DesignCase& dc, const Solution& r, TextConsole& console) {
    if (dc.fluidMode != kSensible && dc.fluidMode != kTubeWetGas) return;
    const std::optional<std::string_view> message =
        unreachableOutletMessage(dc.outletGiven, r.T1, r.T2, r.T3, r.T4);
    if (message) {
        console.clear();
        for (int i = 0; i < 4; ++i) console.print("");
        endRun(console, *message);
    }
    if (laminarShellFlow(r.Res)) {
        console.clear();
        for (int i = 0; i < 8; ++i) console.print("");
        for (std::string_view line : kLaminarWarning) console.print(line);
        console.halt();
        console.clear();
    }
}

void checkShellAreas(const DesignCase& dc, const Solution& r, TextConsole& console) {
    if (dc.fluidMode != kTubePhaseChange && r.Res < 0.0f) {
        for (int i = 0; i < 9; ++i) console.print("");
        endRun(console, kAreaTooLargeForShellCondensate);
    }
    if (r.Ret < 0.0f) {
        for (int i = 0; i < 9; ++i) console.print("");
        endRun(console, kAreaTooLargeForTubeCondensate);
    }
}

bool temperatureOrderHolds(float T1, float T2, float T3, float T4) {
    if (T3 > T1) return !(T4 < T1 || T2 > T3);
    return !(T4 > T1 || T3 > T2);
}

void checkTemperatureOrder(const DesignCase& dc, const Solution& r, TextConsole& console) {
    const bool checked = (dc.fluidMode == kTubePhaseChange && dc.phaseChange == kCondensation) ||
                         dc.fluidMode == kShellPhaseChange;
    if (!checked || temperatureOrderHolds(r.T1, r.T2, r.T3, r.T4)) return;
    // The message is that of the shell-side condensation limit: the tube
    // flow too small, the area to be found at the condensation limit.
    const std::array<std::string_view, 3> message =
        wallLimitMessage(WallLimit::ShellCondensationTubeFlowTooSmall, dc.exchangerType);
    for (int i = 0; i < 9; ++i) console.print("");
    endRun(console, {message[0], message[1], message[2]});
}

}  // namespace hx
