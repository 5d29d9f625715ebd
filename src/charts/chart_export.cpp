#include "charts/chart_export.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QVBoxLayout>
#include <QWidget>
#include <QtCharts/QChartView>
#include <QtSvg/QSvgGenerator>
#include <memory>

#include "charts/chart_builder.h"
#include "program/session/replaced_file.h"

namespace hx::charts {

namespace {

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The charts laid out one above the other in a widget that is never shown
// on a screen; the widget lays out and draws as on screen.
std::unique_ptr<QWidget> stackOf(const std::vector<ChartData>& panels, PictureSize size) {
    auto widget = std::make_unique<QWidget>();
    widget->setAttribute(Qt::WA_DontShowOnScreen);
    widget->setAutoFillBackground(true);
    widget->setPalette(QPalette(Qt::white));
    auto* layout = new QVBoxLayout(widget.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const ChartData& data : panels) {
        auto* view = new QChartView(buildChart(data));
        view->setRenderHint(QPainter::Antialiasing);
        view->setFrameShape(QFrame::NoFrame);
        layout->addWidget(view);
    }
    const int panelCount = std::max<int>(1, static_cast<int>(panels.size()));
    widget->resize(size.width, size.panelHeight * panelCount);
    widget->show();
    QApplication::processEvents();
    return widget;
}

}  // namespace

QByteArray renderSvg(const std::vector<ChartData>& panels, PictureSize size) {
    const std::unique_ptr<QWidget> stack = stackOf(panels, size);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(96);  // the size in CSS pixels, as a browser shows it
    svg.setSize(stack->size());
    svg.setViewBox(QRect(QPoint(0, 0), stack->size()));
    svg.setTitle(panels.empty() ? QString() : QString::fromStdString(panels.front().title));
    {
        QPainter painter(&svg);
        stack->render(&painter);
    }
    return bytes;
}

QByteArray renderPng(const std::vector<ChartData>& panels, PictureSize size) {
    const std::unique_ptr<QWidget> stack = stackOf(panels, size);
    QImage image(stack->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        stack->render(&painter);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

bool isPicturePath(const std::string& path) {
    return endsWith(path, ".svg") || endsWith(path, ".png");
}

void exportChart(const std::vector<ChartData>& panels, const std::string& path, PictureSize size) {
    if (!isPicturePath(path)) throw ChartExportError(path + ": expected a .svg or a .png file");
    const QByteArray bytes =
        endsWith(path, ".svg") ? renderSvg(panels, size) : renderPng(panels, size);
    try {
        ReplacedFile file(path);
        file.stream().write(bytes.constData(), bytes.size());
        file.commit();
    } catch (const std::exception& e) {
        throw ChartExportError(e.what());
    }
}

}  // namespace hx::charts
