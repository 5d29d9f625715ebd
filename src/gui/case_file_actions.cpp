#include "gui/case_file_actions.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "model/field_catalogue.h"
#include "model/inventory.h"
#include "program/case_file.h"

namespace hx::gui {

namespace {

const QString kFilter = QStringLiteral("hxcalc cases (*.json);;All files (*)");

bool japanese(const FormStore& forms) {
    return !isEnglishCode(static_cast<int>(forms.number("MAINFORM", "EDIT74")));
}

// The menu texts and questions in both languages.
struct Texts {
    const char* file;
    const char* open;
    const char* save;
    const char* saveAs;
    const char* unsavedTitle;
    const char* unsavedQuestion;
    const char* failedTitle;
};
constexpr Texts kEnglish{"&File",           "&Open case…",
                         "&Save case",      "Save case &as…",
                         "Unsaved changes", "The case has unsaved changes. Discard them?",
                         "Case file"};
constexpr Texts kJapanese{
    "ファイル(&F)",     "ケースを開く(&O)…",
    "ケースを保存(&S)", "名前を付けて保存(&A)…",
    "未保存の変更",     "ケースに保存されていない変更があります。破棄しますか？",
    "ケースファイル"};

const Texts& texts(const FormStore& forms) { return japanese(forms) ? kJapanese : kEnglish; }

// A change the user makes to the case: a text of a catalogued field.
bool changesCase(const FormChange& change) {
    if (change.what != FormChange::What::Text) return false;
    for (const CatalogueField& f : fieldCatalogue())
        if (change.form == f.form && change.control == f.control) return true;
    return false;
}

}  // namespace

CaseFileActions::CaseFileActions(Session& session, FormWindow& mainWindow,
                                 std::function<bool()> busy)
    : session_(session), main_(mainWindow), busy_(std::move(busy)) {
    // Subscribed after the windows, so the title is finished after the main
    // window recaptions it for a new language.
    subscription_ = session_.forms.subscribe([this](const FormChange& change) {
        if (!opening_ && changesCase(change)) modified_ = true;
        if (change.form == "MAINFORM" && change.control == "EDIT74") captionActions();
        updateTitle();
    });
}

CaseFileActions::~CaseFileActions() { session_.forms.unsubscribe(subscription_); }

void CaseFileActions::setMenuActions(QAction* open, QAction* save, QAction* saveAs) {
    open_ = open;
    save_ = save;
    saveAs_ = saveAs;
    captionActions();
}

void CaseFileActions::captionActions() {
    if (!open_) return;
    const Texts& t = texts(session_.forms);
    open_->setText(QString::fromUtf8(t.open));
    save_->setText(QString::fromUtf8(t.save));
    saveAs_->setText(QString::fromUtf8(t.saveAs));
}

void CaseFileActions::markModified(bool modified) {
    modified_ = modified;
    updateTitle();
}

void CaseFileActions::updateTitle() {
    QString title = main_.windowTitle();
    if (!suffix_.isEmpty() && title.endsWith(suffix_)) title.chop(suffix_.size());
    suffix_.clear();
    if (!path_.isEmpty()) suffix_ = QStringLiteral(" — ") + QFileInfo(path_).fileName();
    if (modified_) suffix_ += QStringLiteral(" *");
    main_.setWindowTitle(title + suffix_);
}

bool CaseFileActions::confirmDiscard() {
    // Only a case kept in a file has changes to lose: a calculation never
    // saved is scratch work, and closing it ends the program at once.
    if (!modified_ || path_.isEmpty()) return true;
    const Texts& t = texts(session_.forms);
    return QMessageBox::question(&main_, QString::fromUtf8(t.unsavedTitle),
                                 QString::fromUtf8(t.unsavedQuestion),
                                 QMessageBox::Discard | QMessageBox::Cancel,
                                 QMessageBox::Cancel) == QMessageBox::Discard;
}

void CaseFileActions::open() {
    if (busy_() || !confirmDiscard()) return;
    const QString path = QFileDialog::getOpenFileName(&main_, QString(), QString(), kFilter);
    if (!path.isEmpty()) openFile(path);
}

void CaseFileActions::openFile(const QString& path) {
    try {
        const CaseValues values = readCaseFile(path.toStdString());
        opening_ = true;
        openCase(session_, values, path.toStdString());
        opening_ = false;
    } catch (const std::exception& e) {
        opening_ = false;
        QMessageBox::warning(&main_, QString::fromUtf8(texts(session_.forms).failedTitle),
                             QString::fromStdString(e.what()));
        return;
    }
    path_ = path;
    markModified(false);
}

bool CaseFileActions::save() { return path_.isEmpty() ? saveAs() : saveTo(path_); }

bool CaseFileActions::saveAs() {
    const QString path = QFileDialog::getSaveFileName(&main_, QString(), path_, kFilter);
    if (path.isEmpty()) return false;
    return saveTo(path.endsWith(QStringLiteral(".json")) ? path : path + QStringLiteral(".json"));
}

bool CaseFileActions::saveTo(const QString& path) {
    try {
        writeCaseFile(path.toStdString(), caseFromForms(session_.forms, path.toStdString()));
    } catch (const std::exception& e) {
        QMessageBox::warning(&main_, QString::fromUtf8(texts(session_.forms).failedTitle),
                             QString::fromStdString(e.what()));
        return false;
    }
    path_ = path;
    markModified(false);
    return true;
}

QMenu* fileMenuOf(FormWindow& mainWindow) {
    QMenuBar* bar = mainWindow.findChild<QMenuBar*>();
    if (!bar) {
        bar = new QMenuBar(&mainWindow);  // owned by the window
        if (mainWindow.layout()) mainWindow.layout()->setMenuBar(bar);
    }
    for (QAction* action : bar->actions())
        if (action->menu() && action->objectName() == QStringLiteral("fileMenu"))
            return action->menu();
    QMenu* menu = bar->addMenu(QString::fromUtf8(kEnglish.file));
    menu->menuAction()->setObjectName(QStringLiteral("fileMenu"));
    return menu;
}

void addCaseFileActions(QMenu* fileMenu, CaseFileActions& actions) {
    QAction* first = fileMenu->actions().isEmpty() ? nullptr : fileMenu->actions().first();
    QAction* open = new QAction(QString::fromUtf8(kEnglish.open), fileMenu);
    QAction* save = new QAction(QString::fromUtf8(kEnglish.save), fileMenu);
    QAction* saveAs = new QAction(QString::fromUtf8(kEnglish.saveAs), fileMenu);
    open->setShortcut(QKeySequence::Open);
    save->setShortcut(QKeySequence::Save);
    saveAs->setShortcut(QKeySequence::SaveAs);
    QObject::connect(open, &QAction::triggered, &actions, [&actions] { actions.open(); });
    QObject::connect(save, &QAction::triggered, &actions, [&actions] { actions.save(); });
    QObject::connect(saveAs, &QAction::triggered, &actions, [&actions] { actions.saveAs(); });
    fileMenu->insertActions(first, {open, save, saveAs});
    actions.setMenuActions(open, save, saveAs);
    if (first) fileMenu->insertSeparator(first);
}

}  // namespace hx::gui
