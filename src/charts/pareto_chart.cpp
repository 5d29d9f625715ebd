#include "charts/pareto_chart.h"

#include <algorithm>
#include <string>

#include "program/batch/result_quantities.h"

namespace hx::charts {

namespace {

struct Text {
    const char* english;
    const char* japanese;
};

constexpr Text kTitle{"Pareto front: surface against %s", "パレート前線：伝熱面積と%s"};
constexpr Text kTubeDrop{"tube-side pressure drop", "管内側圧力損失"};
constexpr Text kShellDrop{"shell-side pressure drop", "シェル側圧力損失"};
constexpr Text kPareto{"Pareto set", "パレート解"};
constexpr Text kRanked{"ranked designs", "上位の設計案"};
constexpr Text kChosen{"chosen design", "選択した設計案"};

std::string in(Presentation p, const Text& t) { return isJapanese(p) ? t.japanese : t.english; }

std::size_t quantityIndex(const char* name) {
    const auto q = resultQuantities();
    for (std::size_t i = 0; i < q.size(); ++i)
        if (std::string(q[i].name) == name) return i;
    return 0;
}

std::string titleOf(Presentation p, const Text& drop) {
    std::string title = in(p, kTitle);
    title.replace(title.find("%s"), 2, in(p, drop));
    return title;
}

ChartData panel(const DesignSearchResult& result, Presentation p, const char* dropName,
                const Text& drop, std::optional<std::size_t> chosen) {
    const std::size_t area = quantityIndex("Asf");
    const std::size_t dp = quantityIndex(dropName);
    const auto& q = resultQuantities()[dp];
    ChartData c;
    c.title = titleOf(p, drop);
    c.xTitle = "Asf [m2]";
    c.yTitle = std::string(dropName) + " [" + (isSI(p) ? q.unitSI : q.unitEngineering) + "]";
    ChartSeries ranked{in(p, kRanked), {}, {}, YAxis::Left, true, 0xB0B0B0, {}};
    for (const DesignRecord& d : result.ranked) {
        ranked.x.push_back(static_cast<double>(d.results[area]));
        ranked.y.push_back(static_cast<double>(d.results[dp]));
    }
    // The Pareto set by area.
    std::vector<const DesignRecord*> set;
    for (const DesignRecord& d : result.pareto) set.push_back(&d);
    std::sort(set.begin(), set.end(), [&](const auto* a, const auto* b) {
        return a->results[area] < b->results[area] ||
               (a->results[area] == b->results[area] && a->results[dp] > b->results[dp]);
    });
    ChartSeries points{in(p, kPareto), {}, {}, YAxis::Left, true, 0x1F6FB4, {}};
    for (const DesignRecord* d : set) {
        points.x.push_back(static_cast<double>(d->results[area]));
        points.y.push_back(static_cast<double>(d->results[dp]));
    }
    if (!ranked.x.empty()) c.series.push_back(std::move(ranked));
    if (!points.x.empty()) c.series.push_back(std::move(points));
    const std::size_t mark = chosen                  ? *chosen
                             : result.ranked.empty() ? static_cast<std::size_t>(-1)
                                                     : result.ranked.front().index;
    c.marksName = in(p, kChosen);
    for (const auto* list : {&result.ranked, &result.pareto}) {
        const auto it = std::find_if(list->begin(), list->end(),
                                     [&](const DesignRecord& d) { return d.index == mark; });
        if (it == list->end()) continue;
        c.marks.push_back({static_cast<double>(it->results[area]),
                           static_cast<double>(it->results[dp]),
                           in(p, kChosen),
                           {}});
        break;
    }
    return c;
}

}  // namespace

std::vector<ChartData> paretoCharts(const DesignSearchResult& result, Presentation p,
                                    std::optional<std::size_t> chosen) {
    return {panel(result, p, "DPt", kTubeDrop, chosen),
            panel(result, p, "DPs", kShellDrop, chosen)};
}

}  // namespace hx::charts
