#include "charts/chart_builder.h"

#include <QCursor>
#include <QToolTip>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QLogValueAxis>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <set>

namespace hx::charts {

namespace {

struct Range {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();
    void include(double v) {
        if (!std::isfinite(v)) return;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    bool empty() const { return !(lo <= hi); }
};

// A range widened by 5 % each way (a flat series by 1 each way, an empty
// one to 0..1), so no point sits on the frame.
Range padded(Range r) {
    if (r.empty()) return Range{0.0, 1.0};
    const double span = r.hi - r.lo;
    const double pad = span > 0.0 ? span * 0.05 : std::max(1.0, std::abs(r.lo) * 0.05);
    // Data that does not go below zero keeps its axis from going below it.
    return Range{r.lo >= 0.0 ? std::max(0.0, r.lo - pad) : r.lo - pad, r.hi + pad};
}

// A step of 1, 2 or 5 times a power of ten, the nearest at or above `raw`.
double roundStep(double raw) {
    if (!(raw > 0.0)) return 1.0;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * power >= raw) return m * power;
    return 10.0 * power;
}

QString text(const std::string& s) { return QString::fromStdString(s); }

QColor colourOf(Rgb rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }

// A drawn part of a series, with the hover texts of its points (indices
// into the chart's pointTexts; empty without).
struct SeriesPart {
    QXYSeries* series;
    std::vector<std::size_t> texts;
};

// A line breaks where a value is missing (a case without a result): each
// unbroken run is a series of its own, the first one named in the legend.
std::vector<SeriesPart> seriesOf(const ChartSeries& s) {
    std::vector<SeriesPart> parts;
    QXYSeries* current = nullptr;
    const std::size_t n = std::min(s.x.size(), s.y.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (!std::isfinite(s.x[i]) || !std::isfinite(s.y[i])) {
            if (!s.pointsOnly) current = nullptr;
            continue;
        }
        if (!current) {
            if (s.pointsOnly) {
                auto* scatter = new QScatterSeries;
                scatter->setMarkerSize(7.0);
                current = scatter;
            } else {
                current = new QLineSeries;
            }
            current->setName(text(s.name));
            if (s.colour != 0) current->setColor(colourOf(s.colour));
            parts.push_back({current, {}});
        }
        current->append(s.x[i], s.y[i]);
        if (i < s.pointText.size()) parts.back().texts.push_back(s.pointText[i]);
    }
    if (parts.empty()) {  // still one legend entry for a series without a value
        auto* empty = new QLineSeries;
        empty->setName(text(s.name));
        if (s.colour != 0) empty->setColor(colourOf(s.colour));
        parts.push_back({empty, {}});
    }
    return parts;
}

void hideFromLegend(QChart* chart, QAbstractSeries* series) {
    for (QLegendMarker* m : chart->legend()->markers(series)) m->setVisible(false);
}

void showValueOnHover(QXYSeries* series, const QString& xTitle) {
    QObject::connect(series, &QXYSeries::hovered, series,
                     [series, xTitle](const QPointF& p, bool state) {
                         if (!state) return QToolTip::hideText();
                         QToolTip::showText(QCursor::pos(), QStringLiteral("%1 = %2\n%3 = %4")
                                                                .arg(xTitle)
                                                                .arg(p.x(), 0, 'g', 6)
                                                                .arg(series->name())
                                                                .arg(p.y(), 0, 'g', 6));
                     });
}

// The point of `series` drawn nearest to `at` (on screen, so that x and
// y count alike whatever their scales); -1 for an empty series.
qsizetype nearestPoint(QXYSeries* series, const QPointF& at) {
    QChart* chart = series->chart();
    const auto onScreen = [&](const QPointF& p) {
        return chart ? chart->mapToPosition(p, series) : p;
    };
    const QPointF target = onScreen(at);
    const QList<QPointF> points = series->points();
    qsizetype best = -1;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QPointF d = onScreen(points[i]) - target;
        const double distance = d.x() * d.x() + d.y() * d.y();
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

// Hovering shows the text of the point nearest the cursor: a study's case
// with its inputs and quantities.
void showPointTextOnHover(QXYSeries* series, std::shared_ptr<const std::vector<std::string>> all,
                          std::vector<std::size_t> texts) {
    QObject::connect(
        series, &QXYSeries::hovered, series,
        [series, all = std::move(all), texts = std::move(texts)](const QPointF& p, bool state) {
            const qsizetype i = state ? nearestPoint(series, p) : -1;
            if (i < 0 || static_cast<std::size_t>(i) >= texts.size() ||
                texts[static_cast<std::size_t>(i)] >= all->size())
                return QToolTip::hideText();
            QToolTip::showText(QCursor::pos(), text((*all)[texts[static_cast<std::size_t>(i)]]));
        });
}

// The marks are appended in their order, so the nearest drawn point is
// the mark of that index.
void showLabelOnHover(QXYSeries* series, std::vector<MarkedPoint> marks) {
    QObject::connect(series, &QXYSeries::hovered, series,
                     [series, marks = std::move(marks)](const QPointF& p, bool state) {
                         const qsizetype i = state ? nearestPoint(series, p) : -1;
                         if (i < 0 || static_cast<std::size_t>(i) >= marks.size())
                             return QToolTip::hideText();
                         const MarkedPoint& m = marks[static_cast<std::size_t>(i)];
                         QToolTip::showText(QCursor::pos(),
                                            text(m.detail.empty() ? m.label : m.detail));
                     });
}

QAbstractAxis* xAxisOf(const ChartData& data, Range r, bool pointsOnly) {
    if (data.logX && r.lo > 0.0) {
        auto* axis = new QLogValueAxis;
        axis->setRange(r.lo / 1.1, r.hi * 1.1);
        axis->setLabelFormat("%g");
        axis->setTitleText(text(data.xTitle));
        return axis;
    }
    // x spans the data exactly (a study's first and last values are its
    // ends), with ticks at round multiples inside it; a scatter of points
    // is padded so that its end points are not cut by the frame.
    auto* axis = new QValueAxis;
    const Range p = pointsOnly || r.empty() || r.hi <= r.lo ? padded(r) : r;
    axis->setRange(p.lo, p.hi);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0.0);
    axis->setTickInterval(roundStep((p.hi - p.lo) / 8.0));
    axis->setLabelFormat("%g");
    axis->setTitleText(text(data.xTitle));
    return axis;
}

QValueAxis* yAxisOf(const std::string& title, Range r) {
    auto* axis = new QValueAxis;
    // Ticks counted from an exact zero at a round step, so that a tick near
    // zero reads 0 and not a rounding residue such as -1.4e-17.
    const Range p = padded(r);
    const double step = roundStep((p.hi - p.lo) / 6.0);
    axis->setRange(std::floor(p.lo / step) * step, std::ceil(p.hi / step) * step);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0.0);
    axis->setTickInterval(step);
    axis->setLabelFormat("%g");
    axis->setTitleText(text(title));
    return axis;
}

}  // namespace

QChart* buildChart(const ChartData& data) {
    auto* chart = new QChart;
    chart->setTitle(text(data.title));
    chart->legend()->setAlignment(Qt::AlignBottom);

    Range xr, left, right;
    bool anyRight = false;
    for (const ChartSeries& s : data.series) {
        for (double x : s.x) xr.include(x);
        Range& yr = s.axis == YAxis::Right ? right : left;
        anyRight = anyRight || s.axis == YAxis::Right;
        for (double y : s.y) yr.include(y);
    }
    for (const ShadedRange& band : data.shades) {
        xr.include(band.from);
        xr.include(band.to);
    }
    for (const MarkedPoint& m : data.marks) {
        xr.include(m.x);
        if (m.y) left.include(*m.y);
    }
    if (left.empty() && anyRight) left = right;

    const bool pointsOnly = std::any_of(data.series.begin(), data.series.end(),
                                        [](const ChartSeries& s) { return s.pointsOnly; });
    QAbstractAxis* xAxis = xAxisOf(data, xr, pointsOnly);
    QValueAxis* yLeft = yAxisOf(data.yTitle, left);
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yLeft, Qt::AlignLeft);
    QValueAxis* yRight = nullptr;
    if (anyRight) {
        yRight = yAxisOf(data.rightYTitle, right);
        chart->addAxis(yRight, Qt::AlignRight);
    }
    const double bottom = yLeft->min();
    const double top = yLeft->max();

    // The bands first, so the lines are drawn over them.
    std::set<std::string> named;
    for (const ShadedRange& band : data.shades) {
        auto* upper = new QLineSeries;
        auto* lower = new QLineSeries;
        upper->append(band.from, top);
        upper->append(band.to, top);
        lower->append(band.from, bottom);
        lower->append(band.to, bottom);
        auto* area = new QAreaSeries(upper, lower);
        area->setName(text(band.label));
        QColor fill = colourOf(band.colour);
        fill.setAlpha(110);
        area->setBrush(fill);
        area->setPen(Qt::NoPen);
        chart->addSeries(area);
        area->attachAxis(xAxis);
        area->attachAxis(yLeft);
        if (!named.insert(band.label).second) hideFromLegend(chart, area);
    }

    // Series without a colour of their own take the next of ten distinct
    // ones (the theme's palette would be spent on bands and broken lines).
    static constexpr Rgb kPalette[] = {0x1F77B4, 0xFF7F0E, 0x2CA02C, 0xD62728, 0x9467BD,
                                       0x8C564B, 0xE377C2, 0x7F7F7F, 0xBCBD22, 0x17BECF};
    std::size_t nextColour = 0;
    bool leftTitled = false, rightTitled = false;
    for (const ChartSeries& s : data.series) {
        bool first = true;
        const QColor colour =
            colourOf(s.colour != 0 ? s.colour : kPalette[nextColour++ % std::size(kPalette)]);
        for (const auto& [part, texts] : seriesOf(s)) {
            chart->addSeries(part);
            part->attachAxis(xAxis);
            part->attachAxis(s.axis == YAxis::Right && yRight ? yRight : yLeft);
            part->setColor(colour);
            if (first) {
                // With two axes, each title takes the colour of its first
                // line, so the reader knows which scale a line is read on.
                if (yRight) {
                    bool& titled = s.axis == YAxis::Right ? rightTitled : leftTitled;
                    if (!titled) (s.axis == YAxis::Right ? yRight : yLeft)->setTitleBrush(colour);
                    titled = true;
                }
            } else {
                hideFromLegend(chart, part);
            }
            first = false;
            if (data.pointTexts && !texts.empty())
                showPointTextOnHover(part, data.pointTexts, texts);
            else
                showValueOnHover(part, text(data.xTitle));
        }
    }

    if (!data.marks.empty()) {
        auto* marks = new QScatterSeries;
        marks->setName(text(data.marksName));
        marks->setMarkerShape(QScatterSeries::MarkerShapeRotatedRectangle);
        marks->setMarkerSize(11.0);
        marks->setColor(QColor(0xD0, 0x10, 0x10));
        marks->setBorderColor(QColor(0x60, 0x00, 0x00));
        for (const MarkedPoint& m : data.marks) marks->append(m.x, m.y.value_or(bottom));
        chart->addSeries(marks);
        marks->attachAxis(xAxis);
        marks->attachAxis(yLeft);
        showLabelOnHover(marks, data.marks);
    }
    return chart;
}

}  // namespace hx::charts
