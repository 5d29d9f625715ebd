#include "charts/profile_chart.h"

namespace hx::charts {

namespace {

struct Caption {
    const char* english;
    const char* japanese;
};

constexpr Caption kTitle{"Temperatures along the exchanger", "熱交換器に沿った温度分布"};
constexpr Caption kX{"fraction of the heat-transfer area from the tube inlet end",
                     "管入口端からの伝熱面積の割合"};
constexpr Caption kTemperature{"temperature", "温度"};
constexpr Caption kHeat{"heat transferred", "交換熱量"};
constexpr Caption kTube{"tube", "管側"};
constexpr Caption kFirstPass{"tube, first pass", "管側（第1パス）"};
constexpr Caption kReturnPass{"tube, return pass", "管側（戻りパス）"};
constexpr Caption kShell{"shell", "シェル側"};

std::string caption(const Caption& c, bool japanese) { return japanese ? c.japanese : c.english; }

}  // namespace

ChartData profileChart(const CaseProfile& profile) {
    const bool j = profile.japanese;
    const auto in = [j](const Caption& c) { return caption(c, j); };
    ChartData chart;
    chart.title =
        in(kTitle) + (j ? "（" : " (") + profileFlowName(profile.flow, j) + (j ? "）" : ")");
    chart.xTitle = in(kX);
    chart.yTitle = in(kTemperature) + " [" + profile.temperatureUnit + "]";
    chart.rightYTitle = in(kHeat) + " [" + profile.dutyUnit + "]";
    const bool twoPasses = profile.flow == ProfileFlow::OneTwoShell;
    ChartSeries tube{in(twoPasses ? kFirstPass : kTube), {}, {}, YAxis::Left, false, 0xC0392B, {}};
    ChartSeries back{in(kReturnPass), {}, {}, YAxis::Left, false, 0xE67E22, {}};
    ChartSeries shell{in(kShell), {}, {}, YAxis::Left, false, 0x2471A3, {}};
    ChartSeries duty{in(kHeat), {}, {}, YAxis::Right, false, 0x7F8C8D, {}};
    for (const ProfilePoint& p : profile.points) {
        for (ChartSeries* s : {&tube, &back, &shell, &duty}) s->x.push_back(p.x);
        tube.y.push_back(p.tube);
        back.y.push_back(p.tubeReturn);
        shell.y.push_back(p.shell);
        duty.y.push_back(p.duty);
    }
    chart.series.push_back(std::move(tube));
    if (twoPasses) chart.series.push_back(std::move(back));
    chart.series.push_back(std::move(shell));
    chart.series.push_back(std::move(duty));
    return chart;
}

std::vector<std::string> profileColumnHeads(const CaseProfile& profile) {
    const bool j = profile.japanese;
    const bool twoPasses = profile.flow == ProfileFlow::OneTwoShell;
    const std::string t = " [" + profile.temperatureUnit + "]";
    std::vector<std::string> heads{"x", caption(twoPasses ? kFirstPass : kTube, j) + t};
    if (twoPasses) heads.push_back(caption(kReturnPass, j) + t);
    heads.push_back(caption(kShell, j) + t);
    heads.push_back(caption(kHeat, j) + " [" + profile.dutyUnit + "]");
    return heads;
}

}  // namespace hx::charts
