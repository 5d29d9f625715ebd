// A chart as plain data: named x/y series on one or two y axes, marked
// points and shaded x-ranges, with the titles. Built by the studies and
// drawn by chart_builder.h (on screen) or chart_export.h (SVG and PNG files);
// it holds no Qt type, so a caller fills it without knowing the drawing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace hx::charts {

// 0xRRGGBB; 0 lets the chart pick the next colour of its palette.
using Rgb = std::uint32_t;

enum class YAxis { Left, Right };

struct ChartSeries {
    std::string name;  // the legend text
    std::vector<double> x;
    std::vector<double> y;  // as many as x; a gap where a value is not finite
    YAxis axis = YAxis::Left;
    bool pointsOnly = false;  // a scatter of points instead of a line
    Rgb colour = 0;
    // What hovering each point shows, as an index into the chart's
    // pointTexts (as many as x); empty: the point's x and y.
    std::vector<std::size_t> pointText;
};

// A point to draw attention to (a case that ended with a message, a chosen
// design). Without y it sits on the bottom edge of the plot.
struct MarkedPoint {
    double x = 0.0;
    std::optional<double> y;
    std::string label;  // shown in lists, and when hovered unless `detail` says more
    std::string detail;
};

// A band over a range of x, the full height of the plot (a flow regime).
struct ShadedRange {
    double from = 0.0;
    double to = 0.0;
    std::string label;  // one legend entry per distinct label
    Rgb colour = 0xD0D0D0;
};

struct ChartData {
    std::string title;
    std::string xTitle;
    std::string yTitle;       // the left axis
    std::string rightYTitle;  // the right axis, for series on YAxis::Right
    std::vector<ChartSeries> series;
    std::vector<MarkedPoint> marks;
    std::string marksName = "marked";  // the legend text of the marks
    std::vector<ShadedRange> shades;
    bool logX = false;
    // The texts the series' points show when hovered: one a case of a
    // study, shared by the panels of one study.
    std::shared_ptr<const std::vector<std::string>> pointTexts;
};

}  // namespace hx::charts
