#include "gui/forms/form_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <set>
#include <vector>

#include "gui/app/screen_fit.h"
#include "gui/app/window_titles.h"
#include "gui/forms/field_tooltips.h"
#include "model/field_catalogue.h"
#include "model/option_buttons.h"

namespace hx::gui {

namespace {

// How a form's rows are cut from its inventory order. By default a text
// field starts a row (unless the row so far holds only its labels), an
// option button after anything else starts one, a frame holds the rows
// after it up to the next break, and a picture stands on a row of its own.
struct LayoutHint {
    const char* form;
    std::vector<const char*> breaks;  // controls that start a row (and close a frame)
    const char* labelRowsFrom = "";   // from here on, only labels beside a field start rows
    const char* columnsFrom = "";     // from here on, the rows flow in two columns
    // A grid of cells: a control name, "label:N" for the form's Nth unnamed
    // caption, "" for an empty cell.
    std::vector<std::vector<const char*>> table = {};
    int pictureWidth = 0;  // empty frame of the picture
    int pictureHeight = 0;
    const char* rightColumnFrom = "";  // the right column starts here (else at half the rows)
    const char* columnsUntil = "";     // from here on, the rows are full width again
};

const std::vector<LayoutHint>& layoutHints() {
    static const std::vector<LayoutHint> hints = {
        {"MAINFORM",
         {"BUTTON35", "BUTTON41", "TEXT225", "BUTTON20"},
         "EDIT150",
         "EDIT75",
         // The weight panel: thickness, density, outside diameter and count
         // of tube sheets, shell, baffles, tubes, and the other weight.
         {{"", "label:0", "label:1", "label:2", "label:3"},
          {"label:4", "EDIT150", "EDIT127", "EDIT128", "EDIT156"},
          {"label:5", "EDIT129", "EDIT130", "", ""},
          {"label:6", "EDIT131", "EDIT132", "", "EDIT126"},
          {"label:7", "", "EDIT133", "", ""},
          {"label:8", "EDIT149", "", "", ""}}},
        {"FORM2", {}, "", "", {}, 760, 460},
        // The flow figure: each quantity named as on the drawing, its value
        // and unit; then the wet-gas drain and water content.
        {"FORM3",
         {},
         "",
         "",
         {{"label:0", "TEXT400", "TEXT420"},
          {"label:1", "TEXT401", "TEXT421"},
          {"label:2", "TEXT402", "TEXT422"},
          {"label:3", "TEXT403", "TEXT423"},
          {"label:4", "TEXT404", "TEXT424"},
          {"label:5", "TEXT405", "TEXT425"},
          {"label:6", "TEXT406", "TEXT426"},
          {"label:7", "TEXT407", "TEXT427"},
          {"TEXT430", "TEXT408", ""},
          {"TEXT431", "TEXT409", "TEXT419"}},
         480,
         300},
        // The result form: nozzle marker, item, unit, tube side, shell side;
        // under it the weight table (item, weight, thickness, density, OD).
        {"FORM4",
         {},
         "",
         "PICTURE2",
         {{"", "TEXT300", "TEXT301", "TEXT302", "TEXT303"},
          {"TEXT340", "TEXT310", "TEXT330", "EDIT47", "EDIT50"},
          {"", "TEXT311", "TEXT331", "EDIT48", "EDIT51"},
          {"TEXT341", "TEXT312", "TEXT332", "EDIT52", "EDIT44"},
          {"", "TEXT313", "TEXT333", "EDIT53", "EDIT45"},
          {"", "TEXT314", "TEXT334", "EDIT54", ""},
          {"", "TEXT315", "TEXT335", "", "EDIT72"},
          {"", "TEXT316", "TEXT336", "", "EDIT46"},
          {"", "TEXT317", "TEXT337", "EDIT49", ""},
          {"", "TEXT318", "TEXT338", "EDIT58", "EDIT57"},
          {"", "TEXT319", "TEXT339", "EDIT59", "EDIT60"},
          {"", "TEXT320", "TEXT350", "EDIT61", ""},
          {"", "TEXT321", "TEXT351", "EDIT62", "EDIT63"},
          {"", "TEXT322", "TEXT352", "EDIT64", ""},
          {"", "TEXT323", "TEXT353", "EDIT65", "EDIT66"},
          {"", "TEXT324", "TEXT354", "EDIT67", "EDIT68"},
          {"", "TEXT325", "", "EDIT69", ""},
          {"", "label:0", "label:1", "label:2", "label:3"},
          {"label:4", "EDIT134", "EDIT140", "EDIT145", "EDIT152"},
          {"label:5", "EDIT135", "EDIT142", "EDIT146", "EDIT151"},
          {"label:6", "EDIT136", "EDIT143", "EDIT147", "EDIT153"},
          {"label:7", "EDIT137", "EDIT144", "EDIT148", "EDIT154"},
          {"label:8", "EDIT155", "", "", ""},
          {"label:9", "EDIT138", "", "", ""}},
         360,
         200,
         // The drawing beside the table, so that the form fits a small screen.
         "TEXT300"},
        {"FORM6", {"BUTTON43"}},
        // The temperatures, the solve-for choice and the properties on the
        // left, the gas composition and the twisted tape on the right, the
        // buttons and the message under both.
        {"FORM7",
         {"RADIO1", "BUTTON38", "TEXT150", "TEXT151", "TEXT143", "TEXT136", "TEXT163", "BUTTON39"},
         "",
         "EDIT80",
         {{"", "TEXT161", "TEXT162"},
          {"TEXT152", "EDIT93", "EDIT102"},
          {"TEXT153", "EDIT94", "EDIT103"},
          {"TEXT154", "EDIT95", "EDIT104"},
          {"TEXT155", "EDIT96", "EDIT105"},
          {"TEXT156", "EDIT97", "EDIT106"},
          {"TEXT157", "EDIT98", "EDIT107"},
          {"TEXT158", "EDIT99", "EDIT108"},
          {"TEXT159", "EDIT100", "EDIT109"},
          {"TEXT160", "EDIT101", "EDIT110"}},
         0,
         0,
         "RADIO6",
         "BUTTON39"},
        // The entries of the textbook basis: each caption starts the row of
        // its field.
        {"FORM8",
         {"TEXT174", "TEXT175", "RADIO11", "TEXT169", "TEXT170", "BUTTON45", "TEXT183", "TEXT184",
          "TEXT185", "TEXT186", "TEXT187", "TEXT188", "TEXT189", "TEXT190", "TEXT191", "TEXT192",
          "TEXT193", "TEXT194", "TEXT195"}},
        {"FORM9", {"BUTTON47"}},
        {"FORM10", {"BUTTON48"}},
    };
    return hints;
}

const LayoutHint& hintFor(const std::string& form) {
    static const LayoutHint none{"", {}};
    for (const LayoutHint& hint : layoutHints())
        if (form == hint.form) return hint;
    return none;
}

// Buttons and frames take '&' as a shortcut marker; the captions mean it literally.
QString literalCaption(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

bool isCodeField(const ControlSpec& spec) {
    return kindFromName(spec.name) == ControlKind::Edit && !spec.visible;
}

int unitCodeOf(const FormStore& store) {
    if (!store.hasControl("MAINFORM", "EDIT74")) return 4;
    return static_cast<int>(store.number("MAINFORM", "EDIT74"));
}

}  // namespace

bool japanesePresentation(const FormStore& store) { return !isEnglishCode(unitCodeOf(store)); }

std::string findBitmap(const std::string& fileName) {
    const QString name = QString::fromStdString(fileName);
    for (const QString& dir : {QCoreApplication::applicationDirPath(), QDir::currentPath()}) {
        if (dir.isEmpty()) continue;
        const QFileInfo file(QDir(dir), name);
        if (file.isFile()) return file.absoluteFilePath().toStdString();
    }
    return {};
}

FormWindow::FormWindow(const FormSpec& spec, FormStore& store)
    : QWidget(nullptr), spec_(spec), store_(store), name_(spec.name) {
    setObjectName(QString::fromUtf8(spec.name));
    build();
    syncAll();
    fitContents();
}

QWidget* FormWindow::widget(const std::string& control) const {
    auto it = widgets_.find(control);
    return it == widgets_.end() ? nullptr : it->second;
}

QLabel* FormWindow::pictureFor(const std::string& fileName) const {
    for (const auto& [control, role] : pictureRoles_) {
        const auto at = role.find(fileName);
        if (at == std::string::npos) continue;
        // The whole file name, not the front of a longer one.
        const auto end = at + fileName.size();
        if (at > 0 && role[at - 1] != ' ' && role[at - 1] != ',') continue;
        if (end < role.size() && role[end] != ' ' && role[end] != ')' && role[end] != ',') continue;
        return static_cast<QLabel*>(widget(control));
    }
    return nullptr;
}

void FormWindow::build() {
    const LayoutHint& hint = hintFor(name_);

    // Unnamed captions: those beside a control, and headings that go in a
    // row of their own before the next control with a caption beside it.
    std::map<std::string, std::vector<const LabelSpec*>, std::less<>> beside;
    std::map<std::string, std::vector<const LabelSpec*>, std::less<>> headingsBefore;
    std::vector<const LabelSpec*> pendingHeadings;
    std::set<std::size_t> tableLabels;
    for (const auto& row : hint.table)
        for (const char* cell : row)
            if (std::string_view(cell).starts_with("label:"))
                tableLabels.insert(static_cast<std::size_t>(std::stoi(cell + 6)));
    for (std::size_t i = 0; i < spec_.labels.size(); ++i) {
        const LabelSpec& label = spec_.labels[i];
        if (tableLabels.count(i)) continue;
        if (*label.beside == '\0') {
            pendingHeadings.push_back(&label);
        } else {
            if (!pendingHeadings.empty()) {
                auto& list = headingsBefore[label.beside];
                list.insert(list.end(), pendingHeadings.begin(), pendingHeadings.end());
                pendingHeadings.clear();
            }
            beside[label.beside].push_back(&label);
        }
    }

    std::set<std::string, std::less<>> tableCells;
    for (const auto& row : hint.table)
        for (const char* cell : row)
            if (*cell && !std::string_view(cell).starts_with("label:")) tableCells.insert(cell);

    auto makeLabel = [&](const LabelSpec* label) {
        auto* w = new QLabel;
        w->setTextFormat(Qt::PlainText);
        labels_.emplace_back(label, w);
        return w;
    };

    auto makeWidget = [&](const ControlSpec& spec) -> QWidget* {
        QWidget* w = nullptr;
        const std::string name = spec.name;
        switch (kindFromName(spec.name)) {
            case ControlKind::Edit: {
                auto* edit = new QLineEdit;
                edit->setFixedWidth(isCodeField(spec) ? 16 : 96);  // the code strip: 16 x 16
                if (isCodeField(spec)) edit->setFixedHeight(16);
                // The result form shows results: they can be selected and
                // copied, not changed.
                if (name_ == "FORM4") edit->setReadOnly(true);
                QObject::connect(edit, &QLineEdit::textEdited, this,
                                 [this, name](const QString& text) {
                                     if (!mirroring_)
                                         store_.setText(name_, name, text.toStdString());
                                     markRange(name);
                                 });
                w = edit;
                break;
            }
            case ControlKind::Text: {
                auto* label = new QLabel;
                label->setTextFormat(Qt::PlainText);
                w = label;
                break;
            }
            case ControlKind::Button: {
                auto* button = new QPushButton;
                button->setAutoDefault(false);
                QObject::connect(button, &QPushButton::clicked, this, [this, name] {
                    if (click_) click_(name_, name);
                });
                w = button;
                break;
            }
            case ControlKind::Radio: {
                // Checked by its option code alone: a click asks the
                // handler, and the button shows what the handler decided.
                auto* radio = new QRadioButton;
                radio->setAutoExclusive(false);
                QObject::connect(radio, &QRadioButton::clicked, this, [this, name] {
                    if (click_) click_(name_, name);
                    syncOptionButtons();
                });
                w = radio;
                break;
            }
            case ControlKind::Group: w = new QGroupBox; break;
            case ControlKind::Picture: {
                auto* picture = new QLabel;
                picture->setFrameShape(QFrame::Box);
                picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                if (hint.pictureWidth > 0)
                    picture->setMinimumSize(hint.pictureWidth, hint.pictureHeight);
                pictureRoles_[name] = spec.role;
                w = picture;
                break;
            }
        }
        w->setObjectName(QString::fromUtf8(spec.name));
        widgets_[name] = w;
        return w;
    };

    // Rows, in order; a row is a widget with a horizontal layout.
    struct Row {
        QWidget* widget = nullptr;
        QHBoxLayout* layout = nullptr;
        bool hasEdit = false;
        bool onlyText = true;
        bool closed = false;
        ControlKind last = ControlKind::Text;
        int count = 0;
    };
    std::vector<QWidget*> rows;
    std::vector<QHBoxLayout*> rowLayouts;
    std::size_t columnStart = 0;
    bool columnsSeen = false;
    constexpr std::size_t kNoRow = static_cast<std::size_t>(-1);
    std::size_t rightStart = kNoRow;
    std::size_t columnsEnd = kNoRow;
    QGroupBox* openGroup = nullptr;
    Row row;
    auto addRowWidget = [&](QWidget* w) {
        if (openGroup)
            openGroup->layout()->addWidget(w);
        else
            rows.push_back(w);
    };
    auto newRow = [&] {
        row = Row{};
        row.widget = new QWidget;
        row.layout = new QHBoxLayout(row.widget);
        row.layout->setContentsMargins(0, 0, 0, 0);
        row.layout->setSpacing(4);
        rowLayouts.push_back(row.layout);
        addRowWidget(row.widget);
    };
    auto addToRow = [&](QWidget* w, ControlKind kind) {
        if (!row.widget) newRow();
        row.layout->addWidget(w);
        if (kind == ControlKind::Edit) row.hasEdit = true;
        if (kind != ControlKind::Text) row.onlyText = false;
        row.last = kind;
        ++row.count;
    };

    auto* strip = new QWidget;
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(0, 0, 0, 0);
    stripLayout->setSpacing(0);
    stripLayout->setAlignment(Qt::AlignRight);
    bool tableDone = false;
    bool labelRows = false;

    for (const ControlSpec& spec : spec_.controls) {
        const std::string name = spec.name;
        const ControlKind kind = kindFromName(spec.name);
        if (name == hint.labelRowsFrom) labelRows = true;
        if (!columnsSeen && name == hint.columnsFrom) {
            columnsSeen = true;
            row = Row{};
            columnStart = rows.size();
        }
        if (columnsSeen && rightStart == kNoRow && name == hint.rightColumnFrom) {
            openGroup = nullptr;
            row = Row{};
            rightStart = rows.size();
        }
        if (columnsSeen && columnsEnd == kNoRow && name == hint.columnsUntil) {
            openGroup = nullptr;
            row = Row{};
            columnsEnd = rows.size();
        }
        if (isCodeField(spec)) {
            stripLayout->addWidget(makeWidget(spec));
            continue;
        }
        if (tableCells.count(name)) {
            if (tableDone) continue;
            tableDone = true;
            auto* table = new QWidget;
            auto* grid = new QGridLayout(table);
            grid->setContentsMargins(0, 0, 0, 0);
            grid->setHorizontalSpacing(6);
            grid->setVerticalSpacing(2);
            for (std::size_t r = 0; r < hint.table.size(); ++r)
                for (std::size_t c = 0; c < hint.table[r].size(); ++c) {
                    const std::string_view cell = hint.table[r][c];
                    QWidget* w = nullptr;
                    if (cell.starts_with("label:")) {
                        const auto index =
                            static_cast<std::size_t>(std::stoi(std::string(cell.substr(6))));
                        if (index < spec_.labels.size()) w = makeLabel(&spec_.labels[index]);
                    } else if (const ControlSpec* cellSpec =
                                   cell.empty() ? nullptr : findControlSpec(name_, cell)) {
                        w = makeWidget(*cellSpec);
                    }
                    if (w) grid->addWidget(w, static_cast<int>(r), static_cast<int>(c));
                }
            grid->setColumnStretch(static_cast<int>(hint.table.front().size()), 1);
            addRowWidget(table);
            row = Row{};
            continue;
        }
        const bool isBreak =
            std::find_if(hint.breaks.begin(), hint.breaks.end(),
                         [&](const char* b) { return name == b; }) != hint.breaks.end();
        if (isBreak) openGroup = nullptr;
        if (kind == ControlKind::Group) {
            openGroup = nullptr;
            auto* box = static_cast<QGroupBox*>(makeWidget(spec));
            auto* boxLayout = new QVBoxLayout(box);
            boxLayout->setSpacing(2);
            addRowWidget(box);
            openGroup = box;
            row = Row{};
            continue;
        }
        bool startRow = isBreak || !row.widget || row.closed;
        if (auto it = headingsBefore.find(name); it != headingsBefore.end()) {
            newRow();
            for (const LabelSpec* label : it->second) addToRow(makeLabel(label), ControlKind::Text);
            startRow = true;
        }
        const auto besideIt = beside.find(name);
        if (besideIt != beside.end()) startRow = true;
        if (kind == ControlKind::Picture) startRow = true;
        if (kind == ControlKind::Edit && !labelRows && !row.onlyText) startRow = true;
        if (kind == ControlKind::Radio && row.last != ControlKind::Radio) startRow = true;
        if (startRow) newRow();
        // The row caption stands before the field, unit captions ("mmAq",
        // "%", "(mm)") after it.
        std::vector<const LabelSpec*> after;
        if (besideIt != beside.end()) {
            for (std::size_t i = 0; i < besideIt->second.size(); ++i) {
                const LabelSpec* label = besideIt->second[i];
                const bool unit = label->english && label->english[0] == '(';
                if (i == 0 && !unit)
                    addToRow(makeLabel(label), ControlKind::Text);
                else
                    after.push_back(label);
            }
        }
        addToRow(makeWidget(spec), kind);
        for (const LabelSpec* label : after) addToRow(makeLabel(label), ControlKind::Text);
        if (kind == ControlKind::Picture) row.closed = true;
    }
    if (!pendingHeadings.empty()) {
        openGroup = nullptr;
        newRow();
        for (const LabelSpec* label : pendingHeadings)
            addToRow(makeLabel(label), ControlKind::Text);
    }
    rows.push_back(strip);
    for (QHBoxLayout* layout : rowLayouts) layout->addStretch(1);  // controls packed to the left

    // The controls in a scroll area; the main window has the text window under it.
    auto* content = new QWidget;
    auto* body = new QVBoxLayout(content);
    body->setContentsMargins(6, 6, 6, 6);
    body->setSpacing(2);
    if (columnsSeen) {
        for (std::size_t i = 0; i < columnStart; ++i) body->addWidget(rows[i]);
        auto* columns = new QHBoxLayout;
        auto* left = new QVBoxLayout;
        auto* right = new QVBoxLayout;
        left->setSpacing(2);
        right->setSpacing(2);
        const std::size_t end =
            columnsEnd == kNoRow ? rows.size() - 1 : columnsEnd;  // the strip goes last
        const std::size_t split =
            rightStart == kNoRow ? columnStart + (end - columnStart + 1) / 2 : rightStart;
        for (std::size_t i = columnStart; i < end; ++i)
            (i < split ? left : right)->addWidget(rows[i]);
        left->addStretch(1);
        right->addStretch(1);
        columns->addLayout(left);
        columns->addLayout(right);
        body->addLayout(columns);
        for (std::size_t i = end; i < rows.size(); ++i) body->addWidget(rows[i]);
    } else {
        for (QWidget* w : rows) body->addWidget(w);
    }
    body->addStretch(1);

    auto* scroll = new QScrollArea;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(scroll, 1);

    content_ = content;
    scroll_ = scroll;
}

void FormWindow::addPage(QWidget* page, PageCaption formCaption, PageCaption pageCaption) {
    if (!tabs_) {
        tabs_ = new QTabWidget;
        tabs_->setObjectName(QStringLiteral("TABS"));
        tabs_->setDocumentMode(true);
        auto* outer = static_cast<QVBoxLayout*>(layout());
        outer->replaceWidget(scroll_, tabs_);
        tabs_->addTab(scroll_, QString());
        pageCaptions_.emplace_back(formCaption, 0);
    }
    pageCaptions_.emplace_back(pageCaption, tabs_->addTab(page, QString()));
    recaptionLabels();
}

QWidget* FormWindow::formPage() { return tabs_ ? static_cast<QWidget*>(scroll_) : this; }

void FormWindow::setMenuBar(QWidget* bar) {
    layout()->setMenuBar(bar);
    fitContents();
}

void FormWindow::setStatusText(const QString& text) {
    if (!status_) {
        if (text.isEmpty()) return;
        status_ = new QLabel;
        status_->setObjectName(QStringLiteral("STATUS"));
        status_->setTextFormat(Qt::PlainText);
        status_->setWordWrap(true);  // no wider than the form
        status_->setContentsMargins(6, 2, 6, 2);
        status_->setFrameShape(QFrame::StyledPanel);
        layout()->addWidget(status_);
    }
    status_->setText(text);
    status_->setVisible(!text.isEmpty());
}

void FormWindow::fitContents() {
    fitPending_ = false;
    // Captions set while the window was hidden left the layouts' cached
    // sizes behind: drop them.
    for (QWidget* child : content_->findChildren<QWidget*>()) child->updateGeometry();
    for (QLayout* layout : content_->findChildren<QLayout*>()) layout->invalidate();
    content_->layout()->activate();
    QSize need = content_->sizeHint().expandedTo(content_->minimumSizeHint());
    // Only a screen smaller than the form makes it scroll; the offscreen
    // platform's nominal screen is no limit.
    const QScreen* screen = this->screen();
    if (screen && QGuiApplication::platformName() != QStringLiteral("offscreen")) {
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const QSize room = screen->availableGeometry().size() - QSize(16, 48);
        if (need.height() > room.height()) need.rwidth() += bar;
        if (need.width() > room.width()) need.rheight() += bar;
        need = need.boundedTo(room);
    }
    scroll_->setMinimumSize(need);
    layout()->activate();
    // At first as large as the contents; after that the user's size, grown
    // where the contents grew.
    resize(sized_ ? size().expandedTo(minimumSizeHint()) : minimumSizeHint());
    sized_ = true;
}

bool FormWindow::scrolls() const {
    return scroll_->horizontalScrollBar()->isVisible() ||
           scroll_->verticalScrollBar()->isVisible() ||
           content_->height() > scroll_->viewport()->height() ||
           content_->width() > scroll_->viewport()->width();
}

void FormWindow::scheduleFit() {
    if (fitPending_) return;
    fitPending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (fitPending_) fitContents();
    });
}

void FormWindow::syncOptionButtons() {
    mirroring_ = true;
    for (const OptionButton& option : optionButtons()) {
        if (name_ != option.form) continue;
        if (auto* radio = qobject_cast<QRadioButton*>(widget(option.button)))
            radio->setChecked(optionChosen(store_, option));
    }
    mirroring_ = false;
}

void FormWindow::showForm(bool visible) {
    if (visible == isVisible()) return;
    if (!visible) {
        lastPos_ = pos();
        hide();
        return;
    }
    fitContents();
    placeOnShow();
    show();
    keepOnScreen(*this);
}

void FormWindow::placeOnShow() {
    if (lastPos_) {
        move(*lastPos_);
        return;
    }
    // Centred on the anchor (or on the screen), kept on the screen.
    const QScreen* screen = anchor_ ? anchor_->screen() : this->screen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    const QPoint centre =
        anchor_ && anchor_->isVisible() ? anchor_->frameGeometry().center() : room.center();
    QPoint topLeft = centre - QPoint(width() / 2, height() / 2);
    topLeft.setX(
        std::clamp(topLeft.x(), room.left(), std::max(room.left(), room.right() - width())));
    topLeft.setY(
        std::clamp(topLeft.y(), room.top(), std::max(room.top(), room.bottom() - height())));
    move(topLeft);
}

void FormWindow::applyText(const std::string& control) {
    QWidget* w = widget(control);
    if (!w || !store_.hasControl(name_, control)) return;
    const std::string& text = store_.text(name_, control);
    switch (kindFromName(control)) {
        case ControlKind::Edit: {
            auto* edit = static_cast<QLineEdit*>(w);
            const QString value = QString::fromStdString(text);
            if (edit->text() != value) edit->setText(value);
            markRange(control);
            break;
        }
        case ControlKind::Text:
            static_cast<QLabel*>(w)->setText(QString::fromStdString(text));
            break;
        case ControlKind::Button:
            static_cast<QPushButton*>(w)->setText(literalCaption(text));
            break;
        case ControlKind::Radio:
            static_cast<QRadioButton*>(w)->setText(literalCaption(text));
            break;
        case ControlKind::Group: static_cast<QGroupBox*>(w)->setTitle(literalCaption(text)); break;
        case ControlKind::Picture: break;  // a picture shows its bitmap, not a text
    }
}

void FormWindow::recaptionLabels() {
    const int code = unitCodeOf(store_);
    for (auto& [label, widget] : labels_)
        widget->setText(QString::fromStdString(captionFor(*label, code)));
    const bool japanese = japanesePresentation(store_);
    setWindowTitle(gui::windowTitle(name_, japanese));
    for (const auto& [caption, index] : pageCaptions_)
        tabs_->setTabText(index, QString::fromUtf8(japanese ? caption.japanese : caption.english));
    for (const auto& [control, w] : widgets_) w->setToolTip(fieldToolTip(name_, control, japanese));
    for (const auto& [control, w] : widgets_)
        if (kindFromName(control) == ControlKind::Edit) markRange(control);
}

// A field whose text is a number outside the catalogue's range for it (or a
// number with more text after it) gets a red frame, and its tooltip names
// the range; the checks of OK and of the start button decide, this only
// warns while typing.
void FormWindow::markRange(const std::string& control) {
    QWidget* w = widget(control);
    if (!w || !store_.hasControl(name_, control)) return;
    const bool japanese = japanesePresentation(store_);
    const FieldMark mark =
        fieldMark(name_, control, store_.text(name_, control), unitCodeOf(store_));
    QString tip = fieldToolTip(name_, control, japanese);
    if (mark.outside) {
        const QString range = QString::fromStdString(mark.range);
        tip +=
            (tip.isEmpty() ? QString() : QStringLiteral("\n")) +
            (japanese ? QStringLiteral("範囲外です。範囲: ") : QStringLiteral("Out of range: ")) +
            range;
    }
    w->setToolTip(tip);
    w->setStyleSheet(mark.outside ? QStringLiteral("QLineEdit { border: 2px solid red; }")
                                  : QString());
}

// A field refused by a check: its window comes forward, the field takes the
// focus and its text is marked for retyping.
void FormWindow::selectField(const std::string& control) {
    auto* edit = qobject_cast<QLineEdit*>(widget(control));
    if (!edit) return;
    if (isVisible()) {
        raise();
        activateWindow();
    }
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

void FormWindow::apply(const FormChange& change) {
    if (change.what == FormChange::What::Text && isOptionCodeField(change.form, change.control))
        syncOptionButtons();
    const bool languageChange = change.form == "MAINFORM" && change.control == "EDIT74";
    if (change.form != name_) {
        if (languageChange) {
            recaptionLabels();
            scheduleFit();
        }
        return;
    }
    mirroring_ = true;
    switch (change.what) {
        case FormChange::What::Text:
            applyText(change.control);
            if (languageChange) recaptionLabels();
            scheduleFit();
            break;
        case FormChange::What::Enabled:
            if (QWidget* w = widget(change.control))
                w->setEnabled(store_.enabled(name_, change.control));
            break;
        case FormChange::What::Visible:
            if (QWidget* w = widget(change.control))
                w->setVisible(store_.visible(name_, change.control));
            scheduleFit();
            break;
        case FormChange::What::FormVisible: showForm(store_.formVisible(name_)); break;
        case FormChange::What::Selected: selectField(change.control); break;
    }
    mirroring_ = false;
}

void FormWindow::syncAll() {
    mirroring_ = true;
    for (const auto& [control, w] : widgets_) {
        if (!store_.hasControl(name_, control)) continue;
        applyText(control);
        w->setEnabled(store_.enabled(name_, control));
        w->setVisible(store_.visible(name_, control));
    }
    recaptionLabels();
    mirroring_ = false;
    syncOptionButtons();
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (close_) close_(*this);
}

}  // namespace hx::gui
