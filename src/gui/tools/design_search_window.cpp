#include "gui/tools/design_search_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtCharts/QChartView>
#include <algorithm>

#include "charts/chart_builder.h"
#include "charts/pareto_chart.h"
#include "core/lenient_number.h"
#include "gui/app/window_titles.h"
#include "gui/forms/form_window.h"
#include "model/field_catalogue.h"
#include "program/batch/design_report.h"
#include "program/batch/result_quantities.h"

namespace hx::gui {

namespace {

struct Text {
    const char* english;
    const char* japanese;
};

enum TextId {
    kTargetShell,
    kTargetTube,
    kNoTarget,
    kLimits,
    kSpace,
    kRun,
    kCancel,
    kOpen,
    kObjective,
    kTop,
    kSearched,
    kMostRejected,
    kCancelled,
    kBlankNone,
    kNothingChecked,
};

constexpr Text kTexts[] = {
    {"Target: shell outlet %1, the tube length found (basis: %2)",
     "目標：シェル出側温度 %1、管長さを求める（計算基準：%2）"},
    {"Target: tube outlet %1, the tube length found (basis: %2)",
     "目標：管出側温度 %1、管長さを求める（計算基準：%2）"},
    {"The case in the forms solves for no outlet temperature: choose a shell or tube outlet "
     "given (Main data), sensible heat, shell and tube.",
     "フォームのケースは出口温度指定ではありません。顕熱・シェル＆チューブで、シェル又は管出側温度"
     "指定"
     "（主データ）を選んでください。"},
    {"Limits", "制限"},
    {"Space (checked values are searched)", "探索範囲（チェックした値を探索）"},
    {"Run", "実行"},
    {"Cancel", "中止"},
    {"Open as case", "ケースとして開く"},
    {"Objective", "目的"},
    {"Designs listed", "表示する設計案"},
    {"%1 candidates searched, %2 feasible", "候補 %1 件を探索、適合 %2 件"},
    {"most rejected by %1 (%2)", "最多の不採用：%1（%2 件）"},
    {" — cancelled", " — 中止"},
    {"blank: none", "空欄：制限なし"},
    {"Check at least one value of every list.",
     "各リストで少なくとも一つの値をチェックしてください。"},
};

constexpr Text kObjectives[] = {{"least outside area", "伝熱面積最小"},
                                {"least weight", "重量最小"},
                                {"shortest tubes", "管長さ最短"},
                                {"least shell diameter", "シェル径最小"}};

// The names of the limit fields, by the order of the form.
constexpr Text kLimitLabels[] = {
    {"Max. tube-side pressure drop", "管内側圧力損失の上限"},
    {"Max. shell-side pressure drop", "シェル側圧力損失の上限"},
    {"Tube-side velocity, least (m/s)", "管内流速の下限 (m/s)"},
    {"Tube-side velocity, most (m/s)", "管内流速の上限 (m/s)"},
    {"Shell-side velocity, least (m/s)", "シェル側流速の下限 (m/s)"},
    {"Shell-side velocity, most (m/s)", "シェル側流速の上限 (m/s)"},
    {"F of the 1-2N shell, least", "1-2N シェルの F の下限"},
    {"Tube length / shell diameter, least", "管長さ／シェル径の下限"},
    {"Tube length / shell diameter, most", "管長さ／シェル径の上限"},
};

// The captions of the space's lists.
struct SpaceCaption {
    const char* key;
    Text caption;
};
constexpr SpaceCaption kSpaceCaptions[] = {
    {"tube_outside_diameter_mm", {"Tube outside diameter, mm", "伝熱管外径 mm"}},
    {kGaugeKey, {"Tube gauge, BWG", "管肉厚 BWG"}},
    {"tube_count", {"Number of tubes", "伝熱管本数"}},
    {"shell_inside_diameter_mm", {"Shell inside diameter, mm", "シェル内径 mm"}},
    {"tube_passes", {"Tube-side passes", "管内側パス数"}},
    {"tube_layout_deg", {"Tube layout, deg", "管配列角度 °"}},
    {"tube_pitch_ratio", {"Pitch ratio", "管ピッチ比"}},
    {"baffle_cut", {"Baffle cut level (of the radius)", "バッフルカット高さ(半径比)"}},
    {kSpacingRatioKey, {"Baffle spacing / shell diameter", "バッフル間隔／シェル径"}},
    {"tube_length_mm", {"Tube length, mm", "伝熱管長さ mm"}},
};

// The result columns of the table after the inputs.
constexpr const char* kColumns[] = {"Asf", "DS", "TL", "DPt", "DPs", "Ut", "Us", "Q", "T2", "T4"};

QString text(bool japanese, const Text& t) {
    return QString::fromUtf8(japanese ? t.japanese : t.english);
}

QString number(float value) { return QString::number(static_cast<double>(value), 'g', 4); }

std::optional<float> fieldNumber(const QLineEdit* edit) {
    const std::string t = edit->text().trimmed().toStdString();
    if (t.empty()) return std::nullopt;
    const NumberText read = readWholeNumber(t);
    if (!read.number || !read.whole) return std::nullopt;
    return read.value;
}

std::size_t quantityIndex(const char* name) {
    const auto q = resultQuantities();
    for (std::size_t i = 0; i < q.size(); ++i)
        if (std::string(q[i].name) == name) return i;
    return 0;
}

QString valueText(float v) { return QString::fromStdString(numberText(v)); }

}  // namespace

DesignSearchWindow::DesignSearchWindow(
    Session& session, std::function<bool(const CaseValues&, const std::string&)> openCase,
    QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), openCase_(std::move(openCase)) {
    buildControls();
    timer_ = new QTimer(this);
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, [this] { poll(); });
    resize(1340, 720);
}

DesignSearchWindow::~DesignSearchWindow() {
    cancelled_ = true;
    if (worker_.joinable()) worker_.join();
}

bool DesignSearchWindow::japanese() const { return japanesePresentation(session_.forms); }

Presentation DesignSearchWindow::presentation() const {
    const bool si = isSICode(values_.unitCode);
    if (japanese()) return si ? Presentation::JapaneseSI : Presentation::JapaneseEngineering;
    return si ? Presentation::EnglishSI : Presentation::EnglishEngineering;
}

void DesignSearchWindow::buildControls() {
    const bool j = japanese();
    auto* left = new QVBoxLayout;
    target_ = new QLabel;
    target_->setWordWrap(true);
    left->addWidget(target_);

    auto* limits = new QGroupBox(text(j, kTexts[kLimits]));
    auto* form = new QFormLayout(limits);
    form->setVerticalSpacing(2);
    QLineEdit** fields[] = {&maxDPt_, &maxDPs_, &minUt_, &maxUt_, &minUs_,
                            &maxUs_,  &minF_,   &minLD_, &maxLD_};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        *fields[i] = new QLineEdit;
        (*fields[i])->setMaximumWidth(140);
        form->addRow(text(j, kLimitLabels[i]), *fields[i]);
    }
    minF_->setText(QStringLiteral("0.75"));
    minLD_->setText(QStringLiteral("3"));
    maxLD_->setText(QStringLiteral("15"));
    objective_ = new QComboBox;
    for (const Text& t : kObjectives) objective_->addItem(text(j, t));
    form->addRow(text(j, kTexts[kObjective]), objective_);
    top_ = new QSpinBox;
    top_->setRange(1, 1000);
    top_->setValue(20);
    form->addRow(text(j, kTexts[kTop]), top_);
    left->addWidget(limits);

    auto* spaceBox = new QGroupBox(text(j, kTexts[kSpace]));
    auto* spaceLayout = new QVBoxLayout(spaceBox);
    space_ = new QTreeWidget;
    space_->setHeaderHidden(true);
    spaceLayout->addWidget(space_);
    left->addWidget(spaceBox, 1);

    auto* buttons = new QHBoxLayout;
    run_ = new QPushButton(text(j, kTexts[kRun]));
    cancel_ = new QPushButton(text(j, kTexts[kCancel]));
    cancel_->setEnabled(false);
    buttons->addWidget(run_);
    buttons->addWidget(cancel_);
    left->addLayout(buttons);
    progress_ = new QProgressBar;
    left->addWidget(progress_);
    connect(run_, &QPushButton::clicked, this, [this] { run(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { cancel(); });

    auto* right = new QVBoxLayout;
    status_ = new QLabel;
    status_->setWordWrap(true);
    right->addWidget(status_);
    table_ = new QTableWidget;
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setDefaultSectionSize(20);
    connect(table_, &QTableWidget::itemSelectionChanged, this, [this] { chooseRow(); });
    right->addWidget(table_, 1);
    open_ = new QPushButton(text(j, kTexts[kOpen]));
    open_->setEnabled(false);
    connect(open_, &QPushButton::clicked, this, [this] { openChosen(); });
    auto* openRow = new QHBoxLayout;
    openRow->addStretch(1);
    openRow->addWidget(open_);
    right->addLayout(openRow);
    auto* charts = new QHBoxLayout;
    tubeChart_ = new QChartView;
    shellChart_ = new QChartView;
    tubeChart_->setRenderHint(QPainter::Antialiasing);
    shellChart_->setRenderHint(QPainter::Antialiasing);
    charts->addWidget(tubeChart_);
    charts->addWidget(shellChart_);
    right->addLayout(charts, 1);

    auto* all = new QHBoxLayout(this);
    auto* leftWidget = new QWidget;
    leftWidget->setLayout(left);
    leftWidget->setFixedWidth(380);
    all->addWidget(leftWidget);
    all->addLayout(right, 1);
}

void DesignSearchWindow::fillSpace(bool textbook) {
    const bool j = japanese();
    space_->clear();
    const DesignSpace standard = designSpace(textbook, {});
    for (const DesignDimension& d : standard.dimensions) {
        const auto* c = std::find_if(std::begin(kSpaceCaptions), std::end(kSpaceCaptions),
                                     [&](const SpaceCaption& s) { return d.key == s.key; });
        auto* item = new QTreeWidgetItem(space_);
        item->setText(
            0, c != std::end(kSpaceCaptions) ? text(j, c->caption) : QString::fromStdString(d.key));
        item->setData(0, Qt::UserRole, QString::fromStdString(d.key));
        QStringList values;
        for (float v : d.values) {
            auto* child = new QTreeWidgetItem(item);
            child->setText(0, valueText(v));
            child->setData(0, Qt::UserRole, static_cast<double>(v));
            child->setCheckState(0, Qt::Checked);
        }
    }
}

void DesignSearchWindow::showForCase() {
    const bool j = japanese();
    setWindowTitle(gui::windowTitle("DESIGN", j));
    try {
        values_ = caseFromForms(session_.forms, "design");
    } catch (const std::exception& e) {
        values_ = CaseValues{};
    }
    const auto choice = [&](const char* key) {
        const auto it = values_.choices.find(key);
        return it == values_.choices.end() ? std::string() : it->second;
    };
    const bool textbook = choice("calculation_basis") == "textbook";
    const std::string solveFor = choice("solve_for");
    const bool shell = solveFor == "shell_outlet_given";
    const auto outlet =
        values_.inputs.find(shell ? "shell_outlet_temperature" : "tube_outlet_temperature");
    const bool target = (shell || solveFor == "tube_outlet_given") &&
                        outlet != values_.inputs.end() && outlet->second;
    if (target) {
        const QString unit = isSICode(values_.unitCode) ? QStringLiteral("K") : QStringLiteral("℃");
        target_->setText(
            text(j, kTexts[shell ? kTargetShell : kTargetTube])
                .arg(valueText(*outlet->second) + QStringLiteral(" ") + unit)
                .arg(textbook ? QStringLiteral("textbook") : QStringLiteral("original")));
    } else {
        target_->setText(text(j, kTexts[kNoTarget]));
    }
    // The pressure drops in the case's units; the velocity windows the
    // defaults of the two fluids, to be changed here.
    const QString dp =
        isSICode(values_.unitCode) ? QStringLiteral("MPa") : QStringLiteral("kgf/cm2");
    for (QLineEdit* e : {maxDPt_, maxDPs_}) {
        e->setToolTip(dp);
        e->setPlaceholderText(dp + QStringLiteral(", ") + text(j, kTexts[kBlankNone]));
    }
    const auto liquid = [&](const char* key) {
        return choice(key) == "water" || choice(key) == "liquid_by_hand";
    };
    const VelocityWindow tube = liquid("tube_properties") ? kLiquidTubeVelocity : kGasVelocity;
    const VelocityWindow shellSide =
        liquid("shell_properties") ? kLiquidShellVelocity : kGasVelocity;
    minUt_->setText(valueText(tube.low));
    maxUt_->setText(valueText(tube.high));
    minUs_->setText(valueText(shellSide.low));
    maxUs_->setText(valueText(shellSide.high));
    fillSpace(textbook);
    run_->setEnabled(target);
    show();
    raise();
    activateWindow();
}

std::optional<DesignProblem> DesignSearchWindow::prepare() {
    DesignLimits limits;
    limits.maxDPt = fieldNumber(maxDPt_);
    limits.maxDPs = fieldNumber(maxDPs_);
    limits.minUt = fieldNumber(minUt_);
    limits.maxUt = fieldNumber(maxUt_);
    limits.minUs = fieldNumber(minUs_);
    limits.maxUs = fieldNumber(maxUs_);
    limits.minF = fieldNumber(minF_).value_or(0.75f);
    limits.minLengthRatio = fieldNumber(minLD_).value_or(3.0f);
    limits.maxLengthRatio = fieldNumber(maxLD_).value_or(15.0f);
    // Each list as a --vary of its checked values.
    std::vector<std::string> vary;
    for (int i = 0; i < space_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = space_->topLevelItem(i);
        std::string spec = item->data(0, Qt::UserRole).toString().toStdString() + "=";
        bool any = false;
        for (int c = 0; c < item->childCount(); ++c) {
            if (item->child(c)->checkState(0) != Qt::Checked) continue;
            spec += (any ? "," : "") + item->child(c)->text(0).toStdString();
            any = true;
        }
        if (!any) {
            status_->setText(text(japanese(), kTexts[kNothingChecked]));
            return std::nullopt;
        }
        vary.push_back(spec);
    }
    try {
        return designProblem(values_, "design", vary, limits,
                             static_cast<Objective>(objective_->currentIndex()));
    } catch (const std::exception& e) {
        status_->setText(QString::fromStdString(e.what()));
        return std::nullopt;
    }
}

void DesignSearchWindow::run() {
    if (worker_.joinable()) return;
    std::optional<DesignProblem> problem = prepare();
    if (!problem) return;
    problem_ = std::make_unique<DesignProblem>(std::move(*problem));
    result_.reset();
    table_->setRowCount(0);
    open_->setEnabled(false);
    done_ = 0;
    cancelled_ = false;
    finished_ = false;
    failure_.clear();
    progress_->setRange(0,
                        static_cast<int>(std::min<std::size_t>(problem_->space.size(), INT32_MAX)));
    progress_->setValue(0);
    run_->setEnabled(false);
    cancel_->setEnabled(true);
    const std::size_t top = static_cast<std::size_t>(top_->value());
    const int jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const Presentation p = presentation();
    worker_ = std::thread([this, top, jobs, p] {
        try {
            pending_ = searchDesigns(*problem_, top, jobs, LimitPolicy{}, p, &done_, &cancelled_);
        } catch (const std::exception& e) {
            failure_ = e.what();
        }
        finished_ = true;
    });
    timer_->start();
}

void DesignSearchWindow::runAndWait() {
    run();
    if (worker_.joinable()) worker_.join();
    timer_->stop();
    finish();
}

void DesignSearchWindow::cancel() { cancelled_ = true; }

void DesignSearchWindow::poll() {
    progress_->setValue(static_cast<int>(std::min<std::size_t>(done_.load(), INT32_MAX)));
    if (finished_) {
        timer_->stop();
        if (worker_.joinable()) worker_.join();
        finish();
    }
}

void DesignSearchWindow::finish() {
    run_->setEnabled(true);
    cancel_->setEnabled(false);
    if (!failure_.empty()) {
        status_->setText(QString::fromStdString(failure_));
        return;
    }
    progress_->setValue(progress_->maximum());
    result_ = std::move(pending_);
    showResult();
}

void DesignSearchWindow::showResult() {
    const bool j = japanese();
    const DesignSearchResult& r = *result_;
    const Presentation p = presentation();
    QString status = text(j, kTexts[kSearched]).arg(r.candidates).arg(r.feasible);
    if (r.cancelled) status += text(j, kTexts[kCancelled]);
    if (r.feasible == 0) {
        for (const std::string& line : nothingFitsLines(*problem_, r, p))
            status += QStringLiteral("\n") + QString::fromStdString(line);
    } else {
        const auto most = std::max_element(r.rejected.begin(), r.rejected.end());
        status +=
            QStringLiteral("; ") +
            text(j, kTexts[kMostRejected])
                .arg(QString::fromUtf8(limitName(static_cast<Limit>(most - r.rejected.begin()))))
                .arg(*most);
    }
    status_->setText(status);

    QStringList headings;
    std::vector<std::string> keys;
    for (const auto& [key, value] : candidateInputs(problem_->space, 0, problem_->rating).inputs) {
        if (key == "tube_sheet_diameter_mm" || key == "baffle_count") continue;
        keys.push_back(key);
        const CatalogueField* f = findCatalogueField(key);
        headings << QString::fromUtf8(f && f->symbol[0] != '\0' ? f->symbol : key.c_str());
    }
    for (const char* name : kColumns) {
        const ResultQuantity& q = resultQuantities()[quantityIndex(name)];
        headings << QString::fromUtf8(name) + QStringLiteral(" [") +
                        QString::fromUtf8(isSI(p) ? q.unitSI : q.unitEngineering) +
                        QStringLiteral("]");
    }
    headings << QStringLiteral("NT") << QStringLiteral("F(1-2N)");
    table_->clear();
    table_->setColumnCount(static_cast<int>(headings.size()));
    table_->setHorizontalHeaderLabels(headings);
    table_->setRowCount(static_cast<int>(r.ranked.size()));
    for (std::size_t row = 0; row < r.ranked.size(); ++row) {
        const DesignRecord& d = r.ranked[row];
        int column = 0;
        const auto put = [&](const QString& t) {
            auto* item = new QTableWidgetItem(t);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(static_cast<int>(row), column++, item);
        };
        for (const auto& [key, value] :
             candidateInputs(problem_->space, d.index, problem_->rating).inputs)
            if (std::find(keys.begin(), keys.end(), key) != keys.end()) put(valueText(value));
        for (const char* name : kColumns) put(number(d.results[quantityIndex(name)]));
        put(number(d.tubes));
        put(number(d.correction));
    }
    table_->resizeColumnsToContents();
    if (!r.ranked.empty()) table_->selectRow(0);
    drawCharts();
}

void DesignSearchWindow::chooseRow() {
    open_->setEnabled(result_ && table_->currentRow() >= 0);
    drawCharts();
}

void DesignSearchWindow::drawCharts() {
    if (!result_) return;
    std::optional<std::size_t> chosen;
    const int row = table_->currentRow();
    if (row >= 0 && static_cast<std::size_t>(row) < result_->ranked.size())
        chosen = result_->ranked[static_cast<std::size_t>(row)].index;
    const std::vector<charts::ChartData> panels =
        charts::paretoCharts(*result_, presentation(), chosen);
    QChart* old = tubeChart_->chart();
    tubeChart_->setChart(charts::buildChart(panels[0]));
    delete old;
    old = shellChart_->chart();
    shellChart_->setChart(charts::buildChart(panels[1]));
    delete old;
}

void DesignSearchWindow::openChosen() {
    const int row = table_->currentRow();
    if (!result_ || row < 0 || static_cast<std::size_t>(row) >= result_->ranked.size()) return;
    const std::size_t index = result_->ranked[static_cast<std::size_t>(row)].index;
    openCase_(candidateCase(*problem_, index), "design " + std::to_string(row + 1));
}

}  // namespace hx::gui
