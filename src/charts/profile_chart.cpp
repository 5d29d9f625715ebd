#include "charts/profile_chart.h"

namespace hx::charts {

ChartData profileChart(const CaseProfile& profile) {
    ChartData chart;
    chart.title =
        std::string("Temperatures along the exchanger (") + profileFlowName(profile.flow) + ")";
    chart.xTitle = "fraction of the heat-transfer area from the tube inlet end";
    chart.yTitle = "temperature [" + profile.temperatureUnit + "]";
    chart.rightYTitle = "heat transferred [" + profile.dutyUnit + "]";
    const bool twoPasses = profile.flow == ProfileFlow::OneTwoShell;
    ChartSeries tube{twoPasses ? "tube, first pass" : "tube", {}, {}, YAxis::Left, false, 0xC0392B};
    ChartSeries back{"tube, return pass", {}, {}, YAxis::Left, false, 0xE67E22};
    ChartSeries shell{"shell", {}, {}, YAxis::Left, false, 0x2471A3};
    ChartSeries duty{"heat transferred", {}, {}, YAxis::Right, false, 0x7F8C8D};
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

}  // namespace hx::charts
