// The charts of a sweep: regime bands at the correlations' limits, one
// series per quantity and curve, the ended cases marked, and the SVG a
// well-formed document naming each quantity.
#include "charts/sweep_chart.h"

#include <gtest/gtest.h>

#include <QToolTip>
#include <QXmlStreamReader>
#include <QtCharts/QChartView>
#include <QtCharts/QXYSeries>
#include <cmath>

#include "charts/chart_builder.h"
#include "charts/chart_export.h"
#include "program/batch/result_quantities.h"

namespace hx::charts {
namespace {

TEST(RegimeBands, SwitchHalfwayBetweenPointsAtEachBasisLimits) {
    const std::vector<double> x{1, 2, 3, 4, 5};
    // 2100 is turbulent on the original basis (laminar below 2000) and
    // laminar on the textbook basis (Hausen up to 2300).
    const std::vector<double> re{20000, 5000, 2100, 1500, 1000};
    const auto original = regimeBands(x, re, RegimeSide::Tube, false);
    ASSERT_EQ(original.size(), 2u);
    EXPECT_DOUBLE_EQ(original[0].from, 0.5);
    EXPECT_DOUBLE_EQ(original[0].to, 3.5);
    EXPECT_EQ(original[0].label, "turbulent (tube side)");
    EXPECT_DOUBLE_EQ(original[1].to, 5.5);
    EXPECT_EQ(original[1].label, "laminar (tube side)");

    const auto textbook = regimeBands(x, re, RegimeSide::Tube, true);
    ASSERT_EQ(textbook.size(), 3u);
    EXPECT_EQ(textbook[0].label, "turbulent (tube side)");
    EXPECT_DOUBLE_EQ(textbook[0].to, 1.5);
    EXPECT_EQ(textbook[1].label, "transition (tube side)");
    EXPECT_DOUBLE_EQ(textbook[1].to, 2.5);
    EXPECT_EQ(textbook[2].label, "laminar (tube side)");

    EXPECT_EQ(regimeSideFor({"Q", "Res"}), RegimeSide::Shell);
    EXPECT_EQ(regimeSideFor({"Res", "Ret"}), RegimeSide::Tube);
    EXPECT_EQ(regimeSideFor({"Res"}, true), RegimeSide::None);  // the annulus of a double tube

    // Shell side, Bell method: laminar below Re 100 only.
    const auto shell = regimeBands({10, 20}, {150, 99}, RegimeSide::Shell, false);
    ASSERT_EQ(shell.size(), 2u);
    EXPECT_DOUBLE_EQ(shell[0].to, 15.0);
    EXPECT_EQ(shell[1].label, "laminar (shell side)");
}

// Two varied inputs, the second with two values: two curves a quantity.
std::vector<SweepRow> twoByThree(std::vector<Variation>& variations) {
    variations = {{"tube_count", {60, 100, 140}}, {"shell_flow_t_h", {5, 10}}};
    std::vector<SweepRow> rows;
    const std::size_t n = resultQuantities().size();
    for (float count : variations[0].values)
        for (float flow : variations[1].values) {
            SweepRow row;
            row.varied = {count, flow};
            row.solved = !(count == 100 && flow == 10);
            row.status = row.solved ? "solved" : "the run ended";
            if (row.solved) row.results.assign(n, count * flow);
            rows.push_back(row);
        }
    return rows;
}

TEST(SweepCharts, OneSeriesPerQuantityAndCurveWithTheEndedCasesMarked) {
    std::vector<Variation> variations;
    const std::vector<SweepRow> rows = twoByThree(variations);
    SweepChartRequest request;
    request.quantities = {"TL", "Ret"};
    const auto charts = sweepCharts(variations, rows, request, Presentation::EnglishEngineering);
    ASSERT_EQ(charts.size(), 1u);
    const ChartData& c = charts[0];
    ASSERT_EQ(c.series.size(), 4u);
    EXPECT_EQ(c.series[0].name, "TL (shell_flow_t_h=5)");
    EXPECT_EQ(c.series[3].axis, YAxis::Right);
    EXPECT_EQ(c.series[1].x, (std::vector<double>{60, 100, 140}));
    EXPECT_TRUE(std::isnan(c.series[1].y[1]));  // the ended case leaves a gap
    ASSERT_EQ(c.marks.size(), 1u);
    EXPECT_EQ(c.marks[0].x, 100.0);
    EXPECT_TRUE(c.shades.empty());  // two curves: no single regime to shade
    EXPECT_EQ(c.yTitle, "TL [m]");

    request.xKey = "shell_flow_t_h";
    request.quantities = {"Q", "TL", "Ret"};
    const auto panels = sweepCharts(variations, rows, request, Presentation::EnglishSI);
    ASSERT_EQ(panels.size(), 3u);
    EXPECT_EQ(panels[1].yTitle, "TL [mm]");
    EXPECT_EQ(panels[0].series.size(), 3u);  // one curve per tube count

    request.xKey = "tube_length_mm";
    EXPECT_THROW(sweepCharts(variations, rows, request, Presentation::EnglishSI),
                 std::invalid_argument);
    request.xKey.clear();
    request.quantities = {"TLL"};
    EXPECT_THROW(sweepCharts(variations, rows, request, Presentation::EnglishSI),
                 std::invalid_argument);
}

// Hovering a point shows the whole case: both inputs with their units (the
// case file's), every plotted quantity in the units of the presentation,
// and for a case that ended, its message in place of the values.
TEST(SweepCharts, HoveredPointShowsItsInputsAndEveryPlottedQuantity) {
    std::vector<Variation> variations;
    const std::vector<SweepRow> rows = twoByThree(variations);
    SweepChartRequest request;
    request.quantities = {"Q", "TL", "Ret"};
    request.hoverTexts = true;
    const auto charts = sweepCharts(variations, rows, request, Presentation::EnglishSI);
    ASSERT_EQ(charts.size(), 3u);
    // The TL panel, the curve of shell flow 10: its first point is row 1.
    const ChartSeries& tl = charts[1].series[1];
    ASSERT_EQ(tl.pointText.size(), tl.x.size());
    EXPECT_EQ(charts[1].pointTexts, charts[0].pointTexts);  // one table for all panels
    EXPECT_EQ((*charts[1].pointTexts)[tl.pointText[0]],
              "tube_count = 60\nshell_flow_t_h = 10 t/h\nQ = 600 W\nTL = 600 mm\nRet = 600");
    ASSERT_EQ(charts[2].marks.size(), 1u);
    EXPECT_EQ(charts[2].marks[0].detail,
              "tube_count = 100\nshell_flow_t_h = 10 t/h\nthe run ended: the run ended");

    // On screen: the TL curve of shell flow 10 breaks at the ended case;
    // hovering the part after the break shows its own case, hovering the
    // mark the ended one.
    QChartView view(buildChart(charts[1]));
    view.resize(800, 500);
    view.show();
    const QList<QAbstractSeries*> drawn = view.chart()->series();
    ASSERT_EQ(drawn.size(), 4u);  // flow 5, flow 10 before and after the break, the marks
    const auto hover = [](QAbstractSeries* series, QPointF at) {
        emit static_cast<QXYSeries*>(series)->hovered(at, true);
        return QToolTip::text().toStdString();
    };
    EXPECT_EQ(hover(drawn[0], {101.0, 480.0}), (*charts[1].pointTexts)[2]);
    EXPECT_EQ(hover(drawn[2], {139.0, 1390.0}), (*charts[1].pointTexts)[5]);
    EXPECT_EQ(hover(drawn[3], {100.0, 0.0}), charts[1].marks[0].detail);

    const std::vector<Variation> inlet{{"shell_inlet_temperature", {350.0f}}};
    const SweepRow ended{{350.0f}, false, "TUBE LENGTH OVER", {}};
    EXPECT_EQ(sweepPointText(inlet, ended, {"T2"}, Presentation::JapaneseSI, true),
              "shell_inlet_temperature = 350 K\nメッセージで終了: TUBE LENGTH OVER");
    const SweepRow solved{
        {80.5f}, true, "solved", std::vector<float>(resultQuantities().size(), 61.25f)};
    EXPECT_EQ(sweepPointText(inlet, solved, {"T2"}, Presentation::EnglishEngineering, false),
              "shell_inlet_temperature = 80.5 ℃\nT2 = 61.25 ℃");
}

TEST(ChartExport, SvgIsWellFormedAndNamesEveryQuantity) {
    std::vector<Variation> variations{{"tube_count", {60, 100, 140}}};
    std::vector<SweepRow> rows;
    for (float count : variations[0].values) {
        SweepRow row{{count},
                     true,
                     "solved",
                     std::vector<float>(resultQuantities().size(), 3000.0f - count * 10)};
        rows.push_back(row);
    }
    SweepChartRequest request;
    request.quantities = {"Q", "Ret"};
    const auto charts = sweepCharts(variations, rows, request, Presentation::EnglishEngineering);
    ASSERT_EQ(charts[0].shades.size(), 2u);  // turbulent at 60, laminar from 100
    const QByteArray svg = renderSvg(charts);
    QXmlStreamReader xml(svg);
    int legendQ = 0, legendRet = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isCharacters()) continue;
        const QString t = xml.text().toString().trimmed();
        legendQ += t == "Q" ? 1 : 0;
        legendRet += t == "Ret" ? 1 : 0;
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(legendQ, 1);
    EXPECT_EQ(legendRet, 2);  // the legend and the right axis title
    EXPECT_TRUE(renderPng(charts).startsWith("\x89PNG"));
}

}  // namespace
}  // namespace hx::charts
