// The temperature profile window (View → Temperature profile…): the case in
// the forms solved headless and both streams' temperatures drawn along the
// exchanger with the heat transferred, exported as CSV, PNG or SVG.
#pragma once

#include <QWidget>
#include <optional>

#include "charts/chart_data.h"
#include "model/session.h"
#include "program/batch/case_profile.h"

class QLabel;
class QVBoxLayout;

namespace hx::gui {

class ProfileWindow : public QWidget {
public:
    explicit ProfileWindow(Session& session, QWidget* parent = nullptr);

    // Solves the case in the forms and draws its profile; false (the reason
    // shown in the window) when the forms hold no complete case, the run
    // ends, or the case has no profile.
    bool showCaseFromForms();

    const std::optional<CaseProfile>& profile() const { return profile_; }
    const std::optional<charts::ChartData>& chart() const { return chart_; }
    bool exportTo(const QString& path);  // .csv, .png or .svg

private:
    bool japanese() const;

    Session& session_;
    QVBoxLayout* chartLayout_ = nullptr;
    QLabel* reason_ = nullptr;
    std::optional<CaseProfile> profile_;
    std::optional<charts::ChartData> chart_;
};

}  // namespace hx::gui
