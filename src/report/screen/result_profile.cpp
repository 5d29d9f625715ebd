#include "report/screen/result_profile.h"

#include "calc/case/calculation_basis.h"
#include "core/option_codes.h"
#include "correlations/exchanger/temperature_profile.h"
#include "report/screen/results_summary.h"

namespace hx {

namespace {

struct Reason {
    const char* english;
    const char* japanese;
};

constexpr Reason kWetGas{
    "no profile for a wet gas (the heat of the condensing water is not proportional to the "
    "gas temperature)",
    "湿りガスの温度分布はありません（凝縮する水分の熱がガス温度に比例しないため）"};
constexpr Reason kNoProfile{
    "the solved ends make no profile (no heat, or the streams touch at an end)",
    "計算結果の出入口温度から温度分布が得られません（交換熱量がないか、端で両流体の温度が等しい）"};

}  // namespace

const char* profileFlowName(ProfileFlow flow, bool japanese) {
    switch (flow) {
        case ProfileFlow::CoCurrent: return japanese ? "並流" : "co-current";
        case ProfileFlow::OneTwoShell: return japanese ? "1-2N シェル" : "1-2N shell";
        case ProfileFlow::CounterCurrent: break;
    }
    return japanese ? "向流" : "counter-current";
}

std::optional<CaseProfile> resultProfile(const RunInputs& in, const Solution& shown, Presentation p,
                                         std::string& why, int points) {
    const bool japanese = isJapanese(p);
    const DesignCase& dc = in.dc;
    if (dc.wetGas) {
        why = japanese ? kWetGas.japanese : kWetGas.english;
        return std::nullopt;
    }
    // The ends as the summary shows them, in the units of p.
    const Solution ends = inUnitsOf(p, in, shown);
    CaseProfile profile;
    profile.flow = usesOneTwoShell(dc)                   ? ProfileFlow::OneTwoShell
                   : dc.flowArrangement == kParallelFlow ? ProfileFlow::CoCurrent
                                                         : ProfileFlow::CounterCurrent;
    std::optional<std::vector<ProfilePoint>> along = temperatureProfile(
        profile.flow, {ends.T1, ends.T2, ends.T3, ends.T4, ends.Q, ends.TM}, points);
    if (!along) {
        why = japanese ? kNoProfile.japanese : kNoProfile.english;
        return std::nullopt;
    }
    profile.points = std::move(*along);
    profile.temperatureUnit = isSI(p) ? "K" : "℃";
    profile.dutyUnit = isSI(p) ? "W" : "kcal/h";
    profile.japanese = japanese;
    return profile;
}

}  // namespace hx
