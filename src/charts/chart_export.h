// Charts written to SVG or PNG files without a display: the charts of a
// list are stacked one above the other in one picture.
#pragma once

#include <QByteArray>
#include <stdexcept>
#include <string>
#include <vector>

#include "charts/chart_data.h"

namespace hx::charts {

struct PictureSize {
    int width = 1000;       // pixels (SVG: user units)
    int panelHeight = 600;  // of each chart in the stack
};

// The picture as the bytes of an SVG document or a PNG image.
QByteArray renderSvg(const std::vector<ChartData>& panels, PictureSize size = {});
QByteArray renderPng(const std::vector<ChartData>& panels, PictureSize size = {});

// A picture that cannot be written: its message names the file.
class ChartExportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes FILE.svg or FILE.png, chosen by the extension (any other throws
// ChartExportError), through a temporary file renamed over the old one, so
// a failed write leaves the old picture whole.
void exportChart(const std::vector<ChartData>& panels, const std::string& path,
                 PictureSize size = {});

// True for a path ending in .svg or .png.
bool isPicturePath(const std::string& path);

}  // namespace hx::charts
