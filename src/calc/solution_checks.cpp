#include "calc/solution_checks.h"

#include "calc/phase_change_limits.h"
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

}  // namespace

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
