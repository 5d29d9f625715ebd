#include "gui/tools/profile_window.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtCharts/QChartView>

#include "charts/chart_builder.h"
#include "charts/chart_export.h"
#include "charts/profile_chart.h"
#include "gui/forms/form_window.h"
#include "model/field_catalogue.h"
#include "program/batch/batch_run.h"
#include "program/session/case_file.h"
#include "program/session/replaced_file.h"

namespace hx::gui {

namespace {

struct ProfileText {
    const char* english;
    const char* japanese;
};

constexpr ProfileText kTitle{"Temperature profile", "温度分布"};
constexpr ProfileText kExport{"Export…", "書き出し…"};
constexpr ProfileText kNoCase{"The forms do not hold a complete case: ",
                              "入力画面のケースが完全ではありません: "};

QString textOf(const ProfileText& t, bool japanese) {
    return QString::fromUtf8(japanese ? t.japanese : t.english);
}

}  // namespace

ProfileWindow::ProfileWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    auto* layout = new QVBoxLayout(this);
    reason_ = new QLabel;
    reason_->setWordWrap(true);
    layout->addWidget(reason_);
    chartLayout_ = new QVBoxLayout;
    layout->addLayout(chartLayout_, 1);
    auto* buttons = new QHBoxLayout;
    auto* exportButton = new QPushButton;
    exportButton->setObjectName("export");
    buttons->addStretch(1);
    buttons->addWidget(exportButton);
    layout->addLayout(buttons);
    connect(exportButton, &QPushButton::clicked, this, [this] {
        const QString path =
            QFileDialog::getSaveFileName(this, windowTitle(), QStringLiteral("profile.svg"),
                                         QStringLiteral("SVG (*.svg);;PNG (*.png);;CSV (*.csv)"));
        if (!path.isEmpty()) exportTo(path);
    });
    resize(1000, 640);
}

bool ProfileWindow::japanese() const { return japanesePresentation(session_.forms); }

bool ProfileWindow::showCaseFromForms() {
    const bool j = japanese();
    setWindowTitle(QStringLiteral("hxcalc: ") + textOf(kTitle, j));
    findChild<QPushButton*>("export")->setText(textOf(kExport, j));
    while (QLayoutItem* item = chartLayout_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    profile_.reset();
    chart_.reset();
    reason_->clear();
    std::string why;
    try {
        const CaseValues values = caseFromForms(session_.forms, "profile");
        const HeadlessOutcome outcome =
            runHeadless(enteredCaseOf(values, "profile"), values.answers, LimitPolicy{}, false);
        const bool si = isSICode(values.unitCode);
        const Presentation p =
            j ? (si ? Presentation::JapaneseSI : Presentation::JapaneseEngineering)
              : (si ? Presentation::EnglishSI : Presentation::EnglishEngineering);
        if (!outcome.solved) {
            for (const std::string& line : endedLines(outcome, p)) why += line + "\n";
        } else {
            profile_ = caseProfile(outcome, p, why);
        }
    } catch (const std::exception& e) {
        why = textOf(kNoCase, j).toStdString() + e.what();
    }
    if (!profile_) {
        reason_->setText(QString::fromStdString(why));
        return false;
    }
    chart_ = charts::profileChart(*profile_);
    auto* view = new QChartView(charts::buildChart(*chart_));
    view->setRenderHint(QPainter::Antialiasing);
    chartLayout_->addWidget(view);
    return true;
}

bool ProfileWindow::exportTo(const QString& path) {
    if (!profile_ || !chart_) return false;
    try {
        if (path.endsWith(QStringLiteral(".csv"))) {
            ReplacedFile file(path.toStdString());
            writeProfileCsv(file.stream(), *profile_);
            file.commit();
        } else {
            charts::exportChart({*chart_}, path.toStdString());
        }
        return true;
    } catch (const std::exception& e) {
        reason_->setText(QString::fromUtf8(e.what()));
        return false;
    }
}

}  // namespace hx::gui
