#include "gui/forms/result_profile_page.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtCharts/QChartView>
#include <vector>

#include "charts/chart_builder.h"
#include "charts/chart_export.h"
#include "charts/profile_chart.h"

namespace hx::gui {

namespace {

// The chart as the print job draws it: the width of a page's picture.
constexpr charts::PictureSize kPrintedChart{1000, 620};

}  // namespace

ResultProfilePage::ResultProfilePage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PROFILE"));
    // As large as the form beside it: the tab never widens the result window.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    reason_ = new QLabel;
    reason_->setWordWrap(true);
    reason_->setTextFormat(Qt::PlainText);
    layout->addWidget(reason_);
    auto* split = new QSplitter(Qt::Horizontal);
    auto* chartHolder = new QWidget;
    chartLayout_ = new QVBoxLayout(chartHolder);
    chartLayout_->setContentsMargins(0, 0, 0, 0);
    table_ = new QTableWidget;
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    split->addWidget(chartHolder);
    split->addWidget(table_);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 0);
    layout->addWidget(split, 1);
}

void ResultProfilePage::showProfile(const std::optional<CaseProfile>& profile,
                                    const std::string& whyNone) {
    while (QLayoutItem* item = chartLayout_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    chart_.reset();
    table_->clear();
    table_->setRowCount(0);
    table_->setColumnCount(0);
    reason_->setText(QString::fromStdString(whyNone));
    reason_->setVisible(!profile);
    if (!profile) return;

    chart_ = charts::profileChart(*profile);
    auto* view = new QChartView(charts::buildChart(*chart_));
    view->setObjectName(QStringLiteral("PROFILE_CHART"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(0, 0);
    chartLayout_->addWidget(view);

    const bool twoPasses = profile->flow == ProfileFlow::OneTwoShell;
    QStringList heads;
    for (const std::string& head : charts::profileColumnHeads(*profile))
        heads << QString::fromStdString(head);
    table_->setColumnCount(static_cast<int>(heads.size()));
    table_->setHorizontalHeaderLabels(heads);
    table_->setRowCount(static_cast<int>(profile->points.size()));
    int row = 0;
    for (const ProfilePoint& p : profile->points) {
        // The digits of the printed profile: x and temperatures to 0.01,
        // the heat to 0.1.
        std::vector<QString> cells{QString::number(p.x, 'f', 2), QString::number(p.tube, 'f', 2)};
        if (twoPasses) cells.push_back(QString::number(p.tubeReturn, 'f', 2));
        cells.push_back(QString::number(p.shell, 'f', 2));
        cells.push_back(QString::number(p.duty, 'f', 1));
        for (std::size_t c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, static_cast<int>(c), item);
        }
        ++row;
    }
    // Every column in view beside the chart.
    table_->resizeColumnsToContents();
    int width = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < table_->columnCount(); ++c) width += table_->columnWidth(c);
    table_->setMinimumWidth(width);
}

QImage ResultProfilePage::chartImage() const {
    if (!chart_) return {};
    return QImage::fromData(charts::renderPng({*chart_}, kPrintedChart), "PNG");
}

}  // namespace hx::gui
