#include "gui/tools/calculation_window.h"

#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/app/window_titles.h"
#include "program/batch/trace_output.h"
#include "program/session/case_file.h"

namespace hx::gui {

namespace {

struct WindowText {
    const char* search;
    const char* exportHtml;
    const char* empty;
    const char* symbol;
    const char* name;
    const char* value;
    const char* unit;
    const char* formula;
    const char* inputs;
    const char* lookedUp;
    const char* outOfRange;
    const char* message;
    const char* iterations;
    const char* saveFailed;
};

constexpr WindowText kEnglish{"Search:",
                              "Export HTML…",
                              "No calculation has been run yet.",
                              "Symbol",
                              "Name",
                              "Value",
                              "Unit",
                              "Formula",
                              "Inputs",
                              "Looked up or chosen",
                              "outside the range of the correlation",
                              "The run ended",
                              "Iteration history",
                              "The file could not be written: "};
constexpr WindowText kJapanese{"検索:",
                               "HTML に書き出す…",
                               "まだ計算していません。",
                               "記号",
                               "名称",
                               "値",
                               "単位",
                               "計算式",
                               "代入値",
                               "参照値または選択値",
                               "相関式の適用範囲外",
                               "計算は終了しました",
                               "収束履歴",
                               "ファイルに書き込めません: "};

QString q(const std::string& s) { return QString::fromStdString(s); }
QString q(const char* s) { return QString::fromUtf8(s); }

QString escaped(const std::string& s) { return q(s).toHtmlEscaped(); }

// The detail of one entry as rich text.
QString entryHtml(const TraceEntry& e, const WindowText& t, bool japanese) {
    QString html =
        "<h3>" + escaped(e.symbol) + " — " + escaped(japanese ? e.name.ja : e.name.en) + "</h3>";
    html += "<p><b>" + escaped(numberText(e.value)) + " " + escaped(e.unit) + "</b></p>";
    if (!e.formula.empty())
        html += "<p>" + q(t.formula) + ": <code>" + escaped(e.formula) + "</code></p>";
    if (!e.expr.empty()) html += "<p><code>" + escaped(e.expr) + "</code></p>";
    if (e.expr.empty()) html += "<p><i>" + q(t.lookedUp) + "</i></p>";
    if (!e.vars.empty()) {
        html += "<p>" + q(t.inputs) + ":</p><table cellspacing=4>";
        for (const TraceVar& v : e.vars)
            html += "<tr><td><code>" + escaped(v.name) + "</code></td><td align=right>" +
                    escaped(numberText(v.value)) + "</td><td>" + escaped(v.unit) + "</td></tr>";
        html += "</table>";
    }
    if (!e.correlation.empty()) html += "<p>" + escaped(e.correlation) + "</p>";
    if (!e.range.empty()) {
        html += "<p>" + escaped(e.range);
        if (e.inRange && !*e.inRange)
            html += " <span style='color:#b00000'><b>" + q(t.outOfRange) + "</b></span>";
        html += "</p>";
    }
    if (!e.source.empty()) html += "<p><small>" + escaped(e.source) + "</small></p>";
    return html;
}

class CalculationWindow final : public QDialog {
public:
    CalculationWindow(QWidget* parent, const CalcTrace& trace, bool japanese)
        : QDialog(parent),
          trace_(trace),
          entries_(trace.entries()),
          japanese_(japanese),
          text_(japanese ? kJapanese : kEnglish) {
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowTitle(gui::windowTitle("CALC", japanese));
        auto* layout = new QVBoxLayout(this);
        auto* top = new QHBoxLayout;
        top->addWidget(new QLabel(q(text_.search)));
        search_ = new QLineEdit;
        search_->setClearButtonEnabled(true);
        top->addWidget(search_, 1);
        auto* exportButton = new QPushButton(q(text_.exportHtml));
        top->addWidget(exportButton);
        layout->addLayout(top);

        auto* split = new QSplitter(Qt::Horizontal);
        tree_ = new QTreeWidget;
        tree_->setColumnCount(4);
        tree_->setHeaderLabels({q(text_.symbol), q(text_.name), q(text_.value), q(text_.unit)});
        tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        detail_ = new QTextBrowser;
        split->addWidget(tree_);
        split->addWidget(detail_);
        split->setStretchFactor(0, 3);
        split->setStretchFactor(1, 2);
        layout->addWidget(split, 1);
        fill();

        connect(search_, &QLineEdit::textChanged, this, [this](const QString& s) { filter(s); });
        connect(tree_, &QTreeWidget::currentItemChanged, this,
                [this](QTreeWidgetItem* item, QTreeWidgetItem*) { showEntry(item); });
        connect(exportButton, &QPushButton::clicked, this, [this] { exportHtml(); });
        selectFirstEntry();
        resize(1200, 680);
    }

private:
    CalcTrace trace_;
    std::vector<TraceEntry> entries_;
    bool japanese_;
    const WindowText& text_;
    QLineEdit* search_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QTextBrowser* detail_ = nullptr;

    void fill() {
        if (entries_.empty() && trace_.message().empty()) {
            detail_->setPlainText(q(text_.empty));
            return;
        }
        QTreeWidgetItem* step = nullptr;
        TraceStep current = TraceStep::Count;
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            const TraceEntry& e = entries_[i];
            if (step == nullptr || e.step != current) {
                current = e.step;
                step = new QTreeWidgetItem(tree_, {q(traceStepHeading(current, japanese_))});
                step->setFirstColumnSpanned(true);
                QFont bold = step->font(0);
                bold.setBold(true);
                step->setFont(0, bold);
            }
            auto* item =
                new QTreeWidgetItem(step, {q(e.symbol), q(japanese_ ? e.name.ja : e.name.en),
                                           q(numberText(e.value)), q(e.unit)});
            item->setData(0, Qt::UserRole, static_cast<int>(i));
            item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
            if (e.inRange && !*e.inRange)
                for (int c = 0; c < 4; ++c) item->setForeground(c, QColor(0xb0, 0, 0));
        }
        if (!trace_.iterations().empty()) {
            auto* history = new QTreeWidgetItem(tree_, {q(text_.iterations)});
            history->setFirstColumnSpanned(true);
            for (const TraceIteration& it : trace_.iterations())
                new QTreeWidgetItem(history,
                                    {QString::number(it.pass), "Q " + q(numberText(it.Q)),
                                     "KI " + q(numberText(it.KI)),
                                     "T2 " + q(numberText(it.T2)) + " T4 " + q(numberText(it.T4))});
        }
        if (!trace_.message().empty()) {
            auto* message = new QTreeWidgetItem(tree_, {q(text_.message)});
            message->setFirstColumnSpanned(true);
            for (const std::string& line : trace_.message()) {
                auto* item = new QTreeWidgetItem(message, {q(line)});
                item->setFirstColumnSpanned(true);
            }
            message->setExpanded(true);
        }
        for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
            QTreeWidgetItem* top = tree_->topLevelItem(i);
            if (top->text(0) != q(text_.iterations)) top->setExpanded(true);
        }
    }

    void filter(const QString& s) {
        for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
            QTreeWidgetItem* step = tree_->topLevelItem(i);
            int shown = 0;
            for (int j = 0; j < step->childCount(); ++j) {
                QTreeWidgetItem* item = step->child(j);
                const QVariant index = item->data(0, Qt::UserRole);
                bool match = s.isEmpty();
                if (!match && index.isValid()) {
                    const TraceEntry& e = entries_[static_cast<std::size_t>(index.toInt())];
                    for (const std::string& field :
                         {e.symbol, std::string(e.name.en), std::string(e.name.ja), e.correlation,
                          e.formula})
                        match = match || q(field).contains(s, Qt::CaseInsensitive);
                }
                item->setHidden(!match);
                shown += match ? 1 : 0;
            }
            step->setHidden(shown == 0);
        }
        QTreeWidgetItem* current = tree_->currentItem();
        if (current == nullptr || current->isHidden()) selectFirstEntry();
    }

    // The first entry shown, its detail beside the tree.
    void selectFirstEntry() {
        for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
            QTreeWidgetItem* step = tree_->topLevelItem(i);
            if (step->isHidden()) continue;
            for (int j = 0; j < step->childCount(); ++j) {
                QTreeWidgetItem* item = step->child(j);
                if (!item->isHidden() && item->data(0, Qt::UserRole).isValid()) {
                    tree_->setCurrentItem(item);
                    return;
                }
            }
        }
    }

    void showEntry(QTreeWidgetItem* item) {
        if (item == nullptr) return;
        const QVariant index = item->data(0, Qt::UserRole);
        if (!index.isValid()) return;
        detail_->setHtml(
            entryHtml(entries_[static_cast<std::size_t>(index.toInt())], text_, japanese_));
    }

    void exportHtml() {
        const QString path =
            QFileDialog::getSaveFileName(this, q(text_.exportHtml), QStringLiteral("trace.html"),
                                         QStringLiteral("HTML (*.html)"));
        if (path.isEmpty()) return;
        const Presentation p =
            japanese_ ? Presentation::JapaneseEngineering : Presentation::EnglishEngineering;
        QFile file(path);
        const QByteArray html = QByteArray::fromStdString(traceHtml(trace_, p));
        if (!file.open(QIODevice::WriteOnly) || file.write(html) != html.size())
            QMessageBox::warning(this, QStringLiteral("hxcalc"), q(text_.saveFailed) + path);
    }
};

}  // namespace

void showCalculationWindow(QWidget* parent, const CalcTrace& trace, bool japanese) {
    auto* window = new CalculationWindow(parent, trace, japanese);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace hx::gui
