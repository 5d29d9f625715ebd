#include "gui/tools/study_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QtCharts/QChartView>
#include <algorithm>
#include <cmath>

#include "charts/chart_builder.h"
#include "charts/chart_export.h"
#include "charts/sweep_chart.h"
#include "gui/forms/form_window.h"
#include "gui/tools/study_table_model.h"
#include "model/field_catalogue.h"
#include "program/batch/result_quantities.h"
#include "program/batch/sweep_stream.h"
#include "program/batch/sweep_writers.h"
#include "program/session/replaced_file.h"

namespace hx::gui {

namespace {

enum TextId {
    kTitle,
    kFirstInput,
    kSecondInput,
    kValues,
    kQuantities,
    kRun,
    kCancel,
    kEnded,
    kChart,
    kTable,
    kExportCsv,
    kExportPng,
    kExportSvg,
    kOpenAsCase,
    kNoCase,
    kTooMany,
    kDone,
    kCancelled,
    kChooseQuantity,
    kNoRow,
    kBusy,
    kValuesHint,
};

struct StudyText {
    const char* english;
    const char* japanese;
};

constexpr StudyText kTexts[] = {
    {"Parameter study", "パラメータスタディ"},
    {"Input varied along x", "横軸に変える入力"},
    {"Second input (one curve per value)", "第2の入力（値ごとに1本の曲線）"},
    {"Values", "値"},
    {"Quantities plotted", "描く量"},
    {"Run", "実行"},
    {"Cancel", "中止"},
    {"Cases that ended with a message", "メッセージで終了したケース"},
    {"Chart", "グラフ"},
    {"Table", "表"},
    {"Export CSV…", "CSV に書き出し…"},
    {"Export PNG…", "PNG に書き出し…"},
    {"Export SVG…", "SVG に書き出し…"},
    {"Open as case", "ケースとして開く"},
    {"The forms do not hold a complete case: ", "入力画面のケースが完全ではありません: "},
    {"A study of more than 100,000 cases is run with hxcalc sweep on the command line.",
     "100,000 ケースを超えるスタディはコマンドラインの hxcalc sweep で実行してください。"},
    {"%1 cases, %2 solved", "%1 ケース、%2 ケース収束"},
    {"Cancelled after %1 cases", "%1 ケースで中止しました"},
    {"Choose at least one quantity to plot.", "描く量を1つ以上選んでください。"},
    {"Choose a row of the table first.", "先に表の行を選んでください。"},
    {"A calculation is running in the windows; open the case when it has ended.",
     "画面で計算中です。終了してから開いてください。"},
    {"FROM:TO:STEPS or v1,v2,…", "開始:終了:点数 または v1,v2,…"},
};

// The quantities offered, in this order; Q is plotted unless others are
// chosen.
constexpr const char* kOffered[] = {"Q",   "T2",  "T4",  "TL",  "KI", "KO", "Xt",   "Xs",
                                    "DPt", "DPs", "Ret", "Res", "Ut", "Us", "Wcon", "Condensate"};

// Cases a study in the window may hold (its table shows every row).
constexpr std::size_t kMostCases = 100'000;

QString q(const std::string& s) { return QString::fromStdString(s); }

// A range around the value, within the field's limits: half to twice it,
// in 21 steps.
QString defaultValues(const CatalogueField& f, float value, bool si) {
    const float lo = si ? f.minSI : f.minEngineering;
    const float hi = si ? f.maxSI : f.maxEngineering;
    const float from = std::max(lo, value * 0.5f);
    const float to = std::min(hi, value > 0.0f ? value * 2.0f : hi);
    return q(numberText(from) + ":" + numberText(to) + ":21");
}

}  // namespace

StudyWindow::StudyWindow(Session& session, std::function<bool(const CaseValues&)> openCase,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), openCase_(std::move(openCase)) {
    buildControls();
    retitle();
    resize(1300, 720);
}

StudyWindow::~StudyWindow() {
    cancel_ = true;
    if (worker_.joinable()) worker_.join();
}

bool StudyWindow::japanese() const { return japanesePresentation(session_.forms); }

QString StudyWindow::text(int id) const {
    const StudyText& t = kTexts[id];
    return QString::fromUtf8(japanese() ? t.japanese : t.english);
}

QLabel* StudyWindow::caption(int id) {
    auto* label = new QLabel;
    captions_.emplace_back(label, id);
    return label;
}

void StudyWindow::buildControls() {
    auto* split = new QSplitter(this);
    auto* outer = new QHBoxLayout(this);
    outer->addWidget(split);

    auto* left = new QWidget;
    auto* form = new QVBoxLayout(left);
    auto* first = new QGroupBox;
    first->setObjectName("first");
    auto* firstForm = new QFormLayout(first);
    firstKey_ = new QComboBox;
    firstValues_ = new QLineEdit;
    firstForm->addRow(firstKey_);
    firstForm->addRow(caption(kValues), firstValues_);
    auto* second = new QGroupBox;
    second->setObjectName("second");
    auto* secondForm = new QFormLayout(second);
    secondOn_ = new QCheckBox;
    secondKey_ = new QComboBox;
    secondValues_ = new QLineEdit;
    secondForm->addRow(secondOn_, secondKey_);
    secondForm->addRow(caption(kValues), secondValues_);
    secondKey_->setEnabled(false);
    secondValues_->setEnabled(false);
    connect(secondOn_, &QCheckBox::toggled, this, [this](bool on) {
        secondKey_->setEnabled(on);
        secondValues_->setEnabled(on);
    });
    quantities_ = new QListWidget;
    for (const char* name : kOffered) {
        auto* item = new QListWidgetItem(QString::fromUtf8(name), quantities_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(std::string_view(name) == "Q" ? Qt::Checked : Qt::Unchecked);
    }
    quantities_->setMaximumHeight(150);
    auto* buttons = new QHBoxLayout;
    run_ = new QPushButton;
    cancelButton_ = new QPushButton;
    cancelButton_->setEnabled(false);
    buttons->addWidget(run_);
    buttons->addWidget(cancelButton_);
    progress_ = new QProgressBar;
    status_ = new QLabel;
    ended_ = new QListWidget;
    form->addWidget(first);
    form->addWidget(second);
    form->addWidget(caption(kQuantities));
    form->addWidget(quantities_);
    form->addLayout(buttons);
    form->addWidget(progress_);
    form->addWidget(status_);
    form->addWidget(caption(kEnded));
    form->addWidget(ended_, 1);
    split->addWidget(left);

    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    tabs_ = new QTabWidget;
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    chartHolder_ = new QWidget;
    chartLayout_ = new QVBoxLayout(chartHolder_);
    scroll->setWidget(chartHolder_);
    table_ = new QTableView;
    model_ = new StudyTableModel(table_);
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabs_->addTab(scroll, QString());
    tabs_->addTab(table_, QString());
    rightLayout->addWidget(tabs_, 1);
    auto* exports = new QHBoxLayout;
    auto* csv = new QPushButton;
    auto* png = new QPushButton;
    auto* svg = new QPushButton;
    auto* open = new QPushButton;
    csv->setObjectName("csv");
    png->setObjectName("png");
    svg->setObjectName("svg");
    open->setObjectName("open");
    for (QPushButton* b : {csv, png, svg}) exports->addWidget(b);
    exports->addStretch(1);
    exports->addWidget(open);
    rightLayout->addLayout(exports);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    split->setSizes({340, 960});

    connect(firstKey_, &QComboBox::currentIndexChanged, this,
            [this] { fillDefaultValues(firstKey_, firstValues_); });
    connect(secondKey_, &QComboBox::currentIndexChanged, this,
            [this] { fillDefaultValues(secondKey_, secondValues_); });
    run_->setShortcut(QKeySequence(Qt::Key_F5));
    QWidget* const order[] = {firstKey_,     firstValues_, secondOn_, secondKey_,
                              secondValues_, quantities_,  run_,      cancelButton_};
    for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    connect(run_, &QPushButton::clicked, this, [this] { run(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel(); });
    const auto saveAs = [this](const char* filter, const char* suffix) {
        return QFileDialog::getSaveFileName(this, windowTitle(), QString("study.") + suffix,
                                            QString::fromUtf8(filter));
    };
    connect(csv, &QPushButton::clicked, this, [this, saveAs] {
        const QString path = saveAs("CSV (*.csv)", "csv");
        if (!path.isEmpty()) exportCsv(path);
    });
    connect(png, &QPushButton::clicked, this, [this, saveAs] {
        const QString path = saveAs("PNG (*.png)", "png");
        if (!path.isEmpty()) exportPicture(path);
    });
    connect(svg, &QPushButton::clicked, this, [this, saveAs] {
        const QString path = saveAs("SVG (*.svg)", "svg");
        if (!path.isEmpty()) exportPicture(path);
    });
    connect(open, &QPushButton::clicked, this, [this] {
        const QModelIndexList chosen = table_->selectionModel()->selectedRows();
        if (chosen.isEmpty()) return showMessage(text(kNoRow));
        openRow(chosen.first().row());
    });
    connect(table_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { openRow(index.row()); });

    timer_ = new QTimer(this);
    timer_->setInterval(50);
    connect(timer_, &QTimer::timeout, this, [this] { poll(); });
}

void StudyWindow::retitle() {
    setWindowTitle(QStringLiteral("hxcalc: ") + text(kTitle));
    findChild<QGroupBox*>("first")->setTitle(text(kFirstInput));
    findChild<QGroupBox*>("second")->setTitle(text(kSecondInput));
    firstValues_->setPlaceholderText(text(kValuesHint));
    secondValues_->setPlaceholderText(text(kValuesHint));
    for (const auto& [label, id] : captions_) label->setText(text(id));
    run_->setText(text(kRun));
    cancelButton_->setText(text(kCancel));
    tabs_->setTabText(0, text(kChart));
    tabs_->setTabText(1, text(kTable));
    findChild<QPushButton*>("csv")->setText(text(kExportCsv));
    findChild<QPushButton*>("png")->setText(text(kExportPng));
    findChild<QPushButton*>("svg")->setText(text(kExportSvg));
    findChild<QPushButton*>("open")->setText(text(kOpenAsCase));
}

void StudyWindow::fillDefaultValues(QComboBox* box, QLineEdit* values) {
    const std::string key = box->currentData().toString().toStdString();
    const CatalogueField* f = findCatalogueField(key);
    const auto it = base_.inputs.find(key);
    if (f && it != base_.inputs.end() && it->second)
        values->setText(defaultValues(*f, *it->second, isSICode(base_.unitCode)));
}

bool StudyWindow::takeCaseFromForms() {
    retitle();
    // The worker reads the base case while it runs: it is kept until the
    // study has ended.
    if (running()) return haveCase_;
    try {
        base_ = caseFromForms(session_.forms, "study");
        entered_ = enteredCaseOf(base_, "study");
    } catch (const std::exception& e) {
        haveCase_ = false;
        showMessage(text(kNoCase) + QString::fromUtf8(e.what()));
        return false;
    }
    haveCase_ = true;
    for (QComboBox* box : {firstKey_, secondKey_}) {
        const QSignalBlocker quiet(box);
        const QString kept = box->currentData().toString();
        box->clear();
        for (const CatalogueField& f : fieldCatalogue()) {
            if (f.isChoice()) continue;
            const auto it = base_.inputs.find(f.key);
            if (it == base_.inputs.end() || !it->second) continue;
            box->addItem(q(std::string(f.key) + " — " + (japanese() ? f.japanese : f.english)),
                         QString::fromUtf8(f.key));
        }
        const int keptAt = box->findData(kept);
        if (keptAt >= 0) box->setCurrentIndex(keptAt);
    }
    if (firstValues_->text().isEmpty()) fillDefaultValues(firstKey_, firstValues_);
    if (secondValues_->text().isEmpty()) fillDefaultValues(secondKey_, secondValues_);
    return true;
}

void StudyWindow::setFirstInput(const QString& key, const QString& values) {
    firstKey_->setCurrentIndex(firstKey_->findData(key));
    firstValues_->setText(values);
}

void StudyWindow::setSecondInput(const QString& key, const QString& values) {
    secondOn_->setChecked(!key.isEmpty());
    if (key.isEmpty()) return;
    secondKey_->setCurrentIndex(secondKey_->findData(key));
    secondValues_->setText(values);
}

void StudyWindow::setQuantities(const QStringList& names) {
    for (int i = 0; i < quantities_->count(); ++i) {
        QListWidgetItem* item = quantities_->item(i);
        item->setCheckState(names.contains(item->text()) ? Qt::Checked : Qt::Unchecked);
    }
}

bool StudyWindow::run() {
    if (running()) return false;
    if (!haveCase_ && !takeCaseFromForms()) return false;
    std::vector<Variation> variations;
    std::vector<std::string> chosen;
    try {
        const auto spec = [](QComboBox* box, QLineEdit* values) {
            return (box->currentData().toString() + "=" + values->text()).toStdString();
        };
        variations.push_back(parseVariation(spec(firstKey_, firstValues_), base_));
        if (secondOn_->isChecked())
            variations.push_back(parseVariation(spec(secondKey_, secondValues_), base_));
        checkVariationsApply(variations, base_, "study");
    } catch (const std::exception& e) {
        showMessage(QString::fromUtf8(e.what()));
        return false;
    }
    for (int i = 0; i < quantities_->count(); ++i)
        if (quantities_->item(i)->checkState() == Qt::Checked)
            chosen.push_back(quantities_->item(i)->text().toStdString());
    if (chosen.empty()) {
        showMessage(text(kChooseQuantity));
        return false;
    }
    total_ = gridCaseCount(variations);
    if (total_ > kMostCases) {
        showMessage(text(kTooMany));
        return false;
    }
    variations_ = std::move(variations);
    chosen_ = std::move(chosen);
    model_->show(nullptr, 0, {}, {});  // the table lets go of the rows
    rows_.clear();
    incoming_.clear();
    rows_.reserve(total_);
    done_ = 0;
    cancel_ = false;
    finished_ = false;
    error_.clear();
    progress_->setRange(0, static_cast<int>(total_));
    progress_->setValue(0);
    status_->clear();
    run_->setEnabled(false);
    cancelButton_->setEnabled(true);
    StreamSettings settings;
    settings.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    settings.p = presentationOfCase();
    settings.done = &done_;
    settings.cancel = &cancel_;
    worker_ = std::thread([this, settings] {
        try {
            streamSweep(entered_, base_.answers, variations_, settings, [this](const SweepRow& r) {
                std::lock_guard lock(mutex_);
                incoming_.push_back(r);
            });
        } catch (const std::exception& e) {
            error_ = e.what();
        }
        finished_ = true;
    });
    timer_->start();
    return true;
}

Presentation StudyWindow::presentationOfCase() const {
    const bool si = isSICode(base_.unitCode);
    if (japanese()) return si ? Presentation::JapaneseSI : Presentation::JapaneseEngineering;
    return si ? Presentation::EnglishSI : Presentation::EnglishEngineering;
}

void StudyWindow::poll() {
    progress_->setValue(static_cast<int>(done_.load()));
    {
        std::lock_guard lock(mutex_);
        std::move(incoming_.begin(), incoming_.end(), std::back_inserter(rows_));
        incoming_.clear();
    }
    if (finished_) finish();
}

void StudyWindow::cancel() {
    cancel_ = true;
    if (worker_.joinable()) finish();
}

void StudyWindow::finish() {
    if (worker_.joinable()) worker_.join();
    timer_->stop();
    {
        std::lock_guard lock(mutex_);
        std::move(incoming_.begin(), incoming_.end(), std::back_inserter(rows_));
        incoming_.clear();
    }
    run_->setEnabled(true);
    cancelButton_->setEnabled(false);
    progress_->setValue(static_cast<int>(rows_.size()));
    const auto solved = std::count_if(rows_.begin(), rows_.end(), [](auto& r) { return r.solved; });
    status_->setText(cancel_ && rows_.size() < total_ ? text(kCancelled).arg(rows_.size())
                                                      : text(kDone).arg(rows_.size()).arg(solved));
    if (!error_.empty()) showMessage(q(error_));
    draw();
    fillTable();
}

int StudyWindow::chartViewCount() const {
    return static_cast<int>(chartHolder_->findChildren<QChartView*>().size());
}

void StudyWindow::draw() {
    while (QLayoutItem* item = chartLayout_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    ended_->clear();
    charts_.clear();
    if (rows_.empty()) return;
    charts::SweepChartRequest request;
    request.quantities = chosen_;
    request.textbookBasis = entered_.values.calculationBasis == 2;
    request.regime = charts::regimeSideFor(chosen_, entered_.values.exchangerType == 2);
    request.inputsInSI = isSICode(base_.unitCode);
    request.hoverTexts = true;
    charts_ = charts::sweepCharts(variations_, rows_, request, presentationOfCase());
    for (const charts::ChartData& data : charts_) {
        auto* view = new QChartView(charts::buildChart(data));
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumHeight(charts_.size() > 1 ? 320 : 400);
        chartLayout_->addWidget(view);
    }
    for (const charts::MarkedPoint& mark : charts_.front().marks) ended_->addItem(q(mark.label));
}

void StudyWindow::fillTable() {
    const auto all = resultQuantities();
    std::vector<std::size_t> columns;
    for (const std::string& name : chosen_)
        for (std::size_t i = 0; i < all.size(); ++i)
            if (name == all[i].name) columns.push_back(i);
    QStringList headers;
    for (const Variation& v : variations_) headers << q(v.key);
    headers << QStringLiteral("status");
    const Presentation p = presentationOfCase();
    for (std::size_t c : columns)
        headers << q(std::string(all[c].name) + " [" + resultUnit(all[c], p) + "]");
    model_->show(&rows_, variations_.size(), std::move(columns), std::move(headers));
    table_->resizeColumnsToContents();
}

bool StudyWindow::exportCsv(const QString& path) {
    try {
        ReplacedFile file(path.toStdString());
        writeSweepCsv(file.stream(), variations_, rows_, presentationOfCase());
        file.commit();
        return true;
    } catch (const std::exception& e) {
        showMessage(QString::fromUtf8(e.what()));
        return false;
    }
}

bool StudyWindow::exportPicture(const QString& path) {
    try {
        charts::exportChart(charts_, path.toStdString());
        return true;
    } catch (const std::exception& e) {
        showMessage(QString::fromUtf8(e.what()));
        return false;
    }
}

bool StudyWindow::openRow(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return false;
    CaseValues values = base_;
    const SweepRow& chosen = rows_[static_cast<std::size_t>(row)];
    for (std::size_t v = 0; v < variations_.size(); ++v)
        values.inputs[variations_[v].key] = chosen.varied[v];
    if (!openCase_ || !openCase_(values)) {
        showMessage(text(kBusy));
        return false;
    }
    return true;
}

void StudyWindow::showMessage(const QString& message) {
    // Offscreen (tests, scripted runs) the message goes to the status line
    // only: a modal box would wait for a click no one makes.
    status_->setText(message);
    if (QGuiApplication::platformName() != QStringLiteral("offscreen"))
        QMessageBox::warning(this, windowTitle(), message);
}

}  // namespace hx::gui
