// The temperature profile tab of the result window (FORM4): the chart of
// the solved case's profile (both streams along the exchanger, the heat
// transferred on the right axis) above its table, filled each time the
// results are shown; without a profile, the reason.
#pragma once

#include <QImage>
#include <QWidget>
#include <optional>
#include <string>

#include "charts/chart_data.h"
#include "core/exchanger_profile.h"

class QLabel;
class QTableWidget;
class QVBoxLayout;

namespace hx::gui {

class ResultProfilePage : public QWidget {
public:
    explicit ResultProfilePage(QWidget* parent = nullptr);

    void showProfile(const std::optional<CaseProfile>& profile, const std::string& whyNone);

    // The chart drawn, if any.
    const std::optional<charts::ChartData>& chart() const { return chart_; }
    // The chart as a picture for the print job; a null image without one.
    QImage chartImage() const;

private:
    QLabel* reason_ = nullptr;
    QVBoxLayout* chartLayout_ = nullptr;
    QTableWidget* table_ = nullptr;
    std::optional<charts::ChartData> chart_;
};

}  // namespace hx::gui
