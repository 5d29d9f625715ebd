#include "charts/sweep_chart.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <numeric>
#include <stdexcept>

#include "model/field_catalogue.h"
#include "program/batch/result_quantities.h"
#include "program/session/case_file.h"

namespace hx::charts {

namespace {

// Families of curves beyond this many are left out (the title says so): a
// chart of hundreds of curves shows nothing.
constexpr std::size_t kMostCurves = 12;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

enum class Regime { Laminar, Transition, Turbulent };

// The limits the film correlations switch at. Tube side, original basis:
// laminar below Re 2000, turbulent from there; textbook basis: Hausen to
// 2300, interpolated to Gnielinski up to 10^4. Shell side, Bell method:
// the laminar correction acts below Re 100; textbook Bell-Delaware: fully
// laminar to Re 20, the laminar correction blended in up to 100.
Regime regimeOf(double re, RegimeSide side, bool textbook) {
    if (side == RegimeSide::Shell) {
        if (textbook)
            return re <= 20.0   ? Regime::Laminar
                   : re < 100.0 ? Regime::Transition
                                : Regime::Turbulent;
        return re < 100.0 ? Regime::Laminar : Regime::Turbulent;
    }
    if (textbook)
        return re <= 2300.0 ? Regime::Laminar : re < 1.0e4 ? Regime::Transition : Regime::Turbulent;
    return re < 2000.0 ? Regime::Laminar : Regime::Turbulent;
}

struct RegimeLook {
    const char* tube;
    const char* shell;
    const char* tubeJapanese;
    const char* shellJapanese;
    Rgb colour;
};

const RegimeLook& lookOf(Regime r) {
    static constexpr RegimeLook kLooks[] = {
        {"laminar (tube side)", "laminar (shell side)", "層流（管側）", "層流（シェル側）",
         0x9EC9F0},
        {"transition (tube side)", "transition (shell side)", "遷移域（管側）",
         "遷移域（シェル側）", 0xF5D58C},
        {"turbulent (tube side)", "turbulent (shell side)", "乱流（管側）", "乱流（シェル側）",
         0xE8E8E8},
    };
    return kLooks[static_cast<int>(r)];
}

const char* labelOf(const RegimeLook& look, RegimeSide side, bool japanese) {
    if (side == RegimeSide::Shell) return japanese ? look.shellJapanese : look.shell;
    return japanese ? look.tubeJapanese : look.tube;
}

std::size_t quantityIndex(const std::string& name) {
    const auto quantities = resultQuantities();
    for (std::size_t i = 0; i < quantities.size(); ++i)
        if (name == quantities[i].name) return i;
    throw std::invalid_argument("--y " + name + ": not a result quantity (Q, TL, Ret, DPt, ...)");
}

std::string axisTitle(const std::string& name, Presentation p) {
    const ResultQuantity& q = resultQuantities()[quantityIndex(name)];
    const std::string unit = isSI(p) ? q.unitSI : q.unitEngineering;
    return unit == "-" ? name : name + " [" + unit + "]";
}

// The unit of a varied input, empty for a count or a ratio.
std::string inputUnit(const std::string& key, bool si) {
    const CatalogueField* f = findCatalogueField(key);
    const std::string unit = !f ? "" : si ? f->unitSI : f->unitEngineering;
    return unit == "-" ? "" : unit;
}

std::string inputTitle(const std::string& key, bool si) {
    const std::string unit = inputUnit(key, si);
    return unit.empty() ? key : key + " [" + unit + "]";
}

// "NAME = VALUE UNIT", the unit left out where there is none.
std::string valueLine(const std::string& name, float value, const std::string& unit) {
    return name + " = " + numberText(value) + (unit.empty() || unit == "-" ? "" : " " + unit);
}

// The rows of one curve: those whose other varied inputs hold one set of
// values, in grid order (x ascending as the variation lists it).
struct Curve {
    std::string label;  // "tube_length=2, shell_flow=30"; empty for a single curve
    std::vector<std::size_t> rows;
};

std::vector<Curve> curvesOf(const std::vector<Variation>& variations,
                            const std::vector<SweepRow>& rows, std::size_t xIndex) {
    std::map<std::vector<float>, std::size_t> byKey;
    std::vector<Curve> curves;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::vector<float> key;
        std::string label;
        for (std::size_t v = 0; v < variations.size(); ++v) {
            if (v == xIndex) continue;
            key.push_back(rows[r].varied[v]);
            label += (label.empty() ? "" : ", ") + variations[v].key + "=" +
                     numberText(rows[r].varied[v]);
        }
        const auto [it, added] = byKey.emplace(key, curves.size());
        if (added) curves.push_back(Curve{label, {}});
        curves[it->second].rows.push_back(r);
    }
    return curves;
}

}  // namespace

std::string sweepPointText(const std::vector<Variation>& variations, const SweepRow& row,
                           const std::vector<std::string>& quantities, Presentation p,
                           bool inputsInSI) {
    std::string text;
    for (std::size_t v = 0; v < variations.size() && v < row.varied.size(); ++v)
        text +=
            valueLine(variations[v].key, row.varied[v], inputUnit(variations[v].key, inputsInSI)) +
            '\n';
    for (const std::string& name : quantities) {
        const std::size_t column = quantityIndex(name);
        if (row.solved && column < row.results.size())
            text +=
                valueLine(name, row.results[column], resultUnit(resultQuantities()[column], p)) +
                '\n';
    }
    if (!row.solved)
        text += (isJapanese(p) ? "メッセージで終了: " : "the run ended: ") + row.status + '\n';
    if (!text.empty()) text.pop_back();
    return text;
}

RegimeSide regimeSideFor(const std::vector<std::string>& quantities, bool doubleTube) {
    const auto has = [&](const char* name) {
        return std::find(quantities.begin(), quantities.end(), name) != quantities.end();
    };
    if (!has("Res") || has("Ret")) return RegimeSide::Tube;
    return doubleTube ? RegimeSide::None : RegimeSide::Shell;
}

std::vector<ShadedRange> regimeBands(const std::vector<double>& x, const std::vector<double>& re,
                                     RegimeSide side, bool textbookBasis, bool japanese) {
    std::vector<ShadedRange> bands;
    if (side == RegimeSide::None) return bands;
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < std::min(x.size(), re.size()); ++i)
        if (std::isfinite(x[i]) && std::isfinite(re[i])) order.push_back(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return x[a] < x[b]; });
    if (order.empty()) return bands;
    // A lone point still gets a band of some width: half the spacing to its
    // neighbours, or ±0.5 when it is the only point.
    const double firstX = x[order.front()];
    const double lastX = x[order.back()];
    const double edge =
        order.size() > 1 ? (lastX - firstX) / static_cast<double>(order.size() - 1) / 2.0 : 0.5;
    Regime current = regimeOf(re[order.front()], side, textbookBasis);
    double from = firstX - edge;
    for (std::size_t k = 1; k < order.size(); ++k) {
        const Regime next = regimeOf(re[order[k]], side, textbookBasis);
        if (next == current) continue;
        const double boundary = (x[order[k - 1]] + x[order[k]]) / 2.0;
        const RegimeLook& look = lookOf(current);
        bands.push_back({from, boundary, labelOf(look, side, japanese), look.colour});
        current = next;
        from = boundary;
    }
    const RegimeLook& look = lookOf(current);
    bands.push_back({from, lastX + edge, labelOf(look, side, japanese), look.colour});
    return bands;
}

std::vector<ChartData> sweepCharts(const std::vector<Variation>& variations,
                                   const std::vector<SweepRow>& rows,
                                   const SweepChartRequest& request, Presentation p) {
    if (variations.empty()) throw std::invalid_argument("a chart needs a varied input");
    std::size_t xIndex = 0;
    if (!request.xKey.empty()) {
        const auto it = std::find_if(variations.begin(), variations.end(),
                                     [&](const Variation& v) { return v.key == request.xKey; });
        if (it == variations.end())
            throw std::invalid_argument("--x " + request.xKey + ": not one of the varied inputs");
        xIndex = static_cast<std::size_t>(it - variations.begin());
    }
    const std::vector<std::string> quantities =
        request.quantities.empty() ? std::vector<std::string>{"Q"} : request.quantities;
    std::vector<std::size_t> columns;
    for (const std::string& name : quantities) columns.push_back(quantityIndex(name));

    // One hover text a case, made once for every panel.
    std::shared_ptr<std::vector<std::string>> texts;
    if (request.hoverTexts) {
        texts = std::make_shared<std::vector<std::string>>();
        texts->reserve(rows.size());
        for (const SweepRow& row : rows)
            texts->push_back(sweepPointText(variations, row, quantities, p, request.inputsInSI));
    }

    std::vector<Curve> curves = curvesOf(variations, rows, xIndex);
    const std::size_t allCurves = curves.size();
    if (curves.size() > kMostCurves) curves.resize(kMostCurves);

    const std::string xKey = variations[xIndex].key;
    const auto xOf = [&](std::size_t r) { return static_cast<double>(rows[r].varied[xIndex]); };
    const auto valueOf = [&](std::size_t r, std::size_t column) {
        return rows[r].solved ? static_cast<double>(rows[r].results[column]) : kNaN;
    };

    // The panels: one for one or two quantities, one each for more.
    std::vector<std::vector<std::size_t>> panels;
    if (quantities.size() <= 2) {
        panels.push_back({});
        for (std::size_t q = 0; q < quantities.size(); ++q) panels.back().push_back(q);
    } else {
        for (std::size_t q = 0; q < quantities.size(); ++q) panels.push_back({q});
    }

    std::vector<ChartData> charts;
    for (const std::vector<std::size_t>& panel : panels) {
        ChartData chart;
        chart.pointTexts = texts;
        std::string names;
        for (std::size_t q : panel) names += (names.empty() ? "" : ", ") + quantities[q];
        const bool japanese = isJapanese(p);
        chart.title = japanese ? xKey + " に対する " + names : names + " against " + xKey;
        if (allCurves > curves.size())
            chart.title += japanese ? "（" + std::to_string(allCurves) + " 本のうち最初の " +
                                          std::to_string(curves.size()) + " 本）"
                                    : " (the first " + std::to_string(curves.size()) + " of " +
                                          std::to_string(allCurves) + " curves)";
        chart.xTitle = inputTitle(xKey, request.inputsInSI);
        chart.yTitle = axisTitle(quantities[panel[0]], p);
        if (panel.size() > 1) chart.rightYTitle = axisTitle(quantities[panel[1]], p);
        for (std::size_t k = 0; k < panel.size(); ++k) {
            const std::size_t q = panel[k];
            for (const Curve& curve : curves) {
                ChartSeries s;
                s.name =
                    curve.label.empty() ? quantities[q] : quantities[q] + " (" + curve.label + ")";
                s.axis = k == 0 ? YAxis::Left : YAxis::Right;
                for (std::size_t r : curve.rows) {
                    s.x.push_back(xOf(r));
                    s.y.push_back(valueOf(r, columns[q]));
                    if (texts) s.pointText.push_back(r);
                }
                chart.series.push_back(std::move(s));
            }
        }
        chart.marksName = japanese ? "メッセージで終了したケース" : "run ended with a message";
        for (const Curve& curve : curves)
            for (std::size_t r : curve.rows)
                if (!rows[r].solved)
                    chart.marks.push_back({xOf(r), std::nullopt,
                                           xKey + "=" + numberText(rows[r].varied[xIndex]) +
                                               (curve.label.empty() ? "" : ", " + curve.label) +
                                               ": " + rows[r].status,
                                           texts ? (*texts)[r] : std::string()});
        if (curves.size() == 1 && request.regime != RegimeSide::None) {
            const std::size_t reColumn =
                quantityIndex(request.regime == RegimeSide::Shell ? "Res" : "Ret");
            std::vector<double> x, re;
            for (std::size_t r : curves.front().rows) {
                x.push_back(xOf(r));
                re.push_back(valueOf(r, reColumn));
            }
            chart.shades = regimeBands(x, re, request.regime, request.textbookBasis, japanese);
        }
        charts.push_back(std::move(chart));
    }
    return charts;
}

}  // namespace hx::charts
