#include "gui/forms/case_file_actions.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QLayout>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include "model/field_catalogue.h"
#include "model/inventory.h"
#include "program/session/case_file.h"

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
    const char* recent;
    const char* noRecent;
    const char* unsavedTitle;
    const char* unsavedQuestion;
    const char* failedTitle;
    const char* openedAtForm;  // + the form's message
    const char* missing;       // after the file's path
    const char* recoveryTitle;
    const char* recoveryQuestion;  // + the time the case was last changed
    const char* recoveryOf;        // + the case file's path
};
constexpr Texts kEnglish{
    "&File",
    "&Open case…",
    "&Save case",
    "Save case &as…",
    "&Recent cases",
    "(none)",
    "Unsaved changes",
    "The case has unsaved changes. Save them?",
    "Case file",
    "The case opens at the form that refuses its entries: ",
    ": the file no longer exists. It is removed from the recent cases.",
    "Restore the case?",
    "A case was being edited when hxcalc last ended, and was not saved. Restore it?\n\nLast "
    "changed: ",
    "\nCase file: "};
constexpr Texts kJapanese{"ファイル(&F)",
                          "ケースを開く(&O)…",
                          "ケースを保存(&S)",
                          "名前を付けて保存(&A)…",
                          "最近使ったケース(&R)",
                          "(なし)",
                          "未保存の変更",
                          "ケースに保存されていない変更があります。保存しますか？",
                          "ケースファイル",
                          "入力を受け付けない画面でケースを開きました: ",
                          ": ファイルがありません。最近使ったケースから外します。",
                          "ケースの復元",
                          "前回の終了時に編集中で保存されていないケースがあります。"
                          "復元しますか？\n\n最終変更: ",
                          "\nケースファイル: "};

constexpr int kRecentCount = 8;

// The program's settings (recent cases, the recovered case's file name).
QSettings settings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("hxcalc"),
                     QStringLiteral("hxcalc"));
}
const QString kRecentKey = QStringLiteral("recentCases");
const QString kRecoveredPathKey = QStringLiteral("recovery/casePath");

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
                                 std::function<bool()> busy, QString dataFolder)
    : session_(session), main_(mainWindow), busy_(std::move(busy)) {
    dataFolder_ = dataFolder.isEmpty()
                      ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                      : dataFolder;
    started_ = !session_.forms.hasForm("FORM6") || !session_.forms.formVisible("FORM6");
    recoveryTimer_.setSingleShot(true);
    recoveryTimer_.setInterval(0);
    connect(&recoveryTimer_, &QTimer::timeout, this, [this] { writeRecovery(); });
    // Subscribed after the windows, so the title is finished after the main
    // window recaptions it for a new language.
    subscription_ = session_.forms.subscribe([this](const FormChange& change) {
        // The unit-system window of the start fills the forms with the
        // defaults of the units chosen: that is where a case starts, not a
        // change of the user's.
        if (!started_ && change.form == "FORM6" && change.what == FormChange::What::FormVisible &&
            !session_.forms.formVisible("FORM6"))
            started_ = true;
        if (!opening_ && started_ && changesCase(change)) {
            modified_ = true;
            recoveryTimer_.start();
        }
        if (change.form == "MAINFORM" && change.control == "EDIT74") captionActions();
        updateTitle();
    });
}

CaseFileActions::~CaseFileActions() { session_.forms.unsubscribe(subscription_); }

void CaseFileActions::setMenuActions(QAction* open, QAction* save, QAction* saveAs, QMenu* recent) {
    open_ = open;
    save_ = save;
    saveAs_ = saveAs;
    recent_ = recent;
    if (recent_) connect(recent_, &QMenu::aboutToShow, this, [this] { fillRecentMenu(); });
    captionActions();
}

void CaseFileActions::captionActions() {
    if (!open_) return;
    const Texts& t = texts(session_.forms);
    open_->setText(QString::fromUtf8(t.open));
    save_->setText(QString::fromUtf8(t.save));
    saveAs_->setText(QString::fromUtf8(t.saveAs));
    if (recent_) recent_->setTitle(QString::fromUtf8(t.recent));
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
    // Only a case kept in a file asks: a calculation never saved is scratch
    // work, closing it ends the program at once, and its recovery file
    // brings it back at the next start.
    if (!modified_ || path_.isEmpty()) return true;
    const Texts& t = texts(session_.forms);
    const auto answer = QMessageBox::question(
        &main_, QString::fromUtf8(t.unsavedTitle), QString::fromUtf8(t.unsavedQuestion),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) return save();
    if (answer != QMessageBox::Discard) return false;
    dropRecovery();
    return true;
}

QString CaseFileActions::recoveryPath() const {
    return QDir(dataFolder_).filePath(QStringLiteral("recovery.json"));
}

QStringList CaseFileActions::recentCases() const {
    return settings().value(kRecentKey).toStringList();
}

void CaseFileActions::flushRecovery() {
    if (!recoveryTimer_.isActive()) return;
    recoveryTimer_.stop();
    writeRecovery();
}

// The case as the forms describe it, written whole (a temporary file, then
// a rename) so a kill at any moment leaves the last complete case. A case
// kept in its file without changes needs none. A state the save refuses
// (no mode chosen yet, a field that is no number) keeps the last one.
void CaseFileActions::writeRecovery() {
    if (!path_.isEmpty() && !modified_) {
        dropRecovery();
        return;
    }
    std::string text;
    try {
        text = caseToJson(caseFromForms(session_.forms, recoveryPath().toStdString()));
    } catch (const std::exception&) {
        return;
    }
    QDir().mkpath(dataFolder_);
    QSaveFile file(recoveryPath());
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(text.data(), static_cast<qint64>(text.size()));
    if (!file.commit()) return;
    QSettings s = settings();
    s.setValue(kRecoveredPathKey, path_);
    s.sync();
}

void CaseFileActions::dropRecovery() {
    recoveryTimer_.stop();
    QFile::remove(recoveryPath());
}

bool CaseFileActions::offerRecovery() {
    const QFileInfo info(recoveryPath());
    if (!info.exists()) return false;
    const QString casePath = settings().value(kRecoveredPathKey).toString();
    const Texts& t = texts(session_.forms);
    QString question = QString::fromUtf8(t.recoveryQuestion) +
                       QLocale().toString(info.lastModified(), QLocale::ShortFormat);
    if (!casePath.isEmpty()) question += QString::fromUtf8(t.recoveryOf) + casePath;
    if (QMessageBox::question(&main_, QString::fromUtf8(t.recoveryTitle), question,
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::Yes) != QMessageBox::Yes) {
        dropRecovery();
        return false;
    }
    try {
        const CaseValues values = readCaseFile(recoveryPath().toStdString());
        opening_ = true;
        openCase(session_, values, recoveryPath().toStdString());
        opening_ = false;
    } catch (const std::exception& e) {
        opening_ = false;
        // Kept beside, so it is neither lost nor offered at every start.
        const QString kept = QDir(dataFolder_).filePath(QStringLiteral("recovery-unreadable.json"));
        QFile::remove(kept);
        QFile::rename(recoveryPath(), kept);
        QMessageBox::warning(&main_, QString::fromUtf8(t.failedTitle),
                             QString::fromStdString(e.what()));
        return false;
    }
    // The restored case is unsaved work: of its case file, or scratch.
    path_ = casePath;
    markModified(true);
    return true;
}

void CaseFileActions::remember(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList list = recentCases();
    list.removeAll(full);
    list.prepend(full);
    while (list.size() > kRecentCount) list.removeLast();
    QSettings s = settings();
    s.setValue(kRecentKey, list);
    s.sync();
}

void CaseFileActions::fillRecentMenu() {
    recent_->clear();
    const QStringList list = recentCases();
    if (list.isEmpty()) {
        recent_->addAction(QString::fromUtf8(texts(session_.forms).noRecent))->setEnabled(false);
        return;
    }
    for (int i = 0; i < list.size(); ++i) {
        const QString path = list[i];
        QAction* a = recent_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path));
        connect(a, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
}

void CaseFileActions::openRecent(const QString& path) {
    if (busy_()) return;
    if (!QFileInfo::exists(path)) {
        QStringList list = recentCases();
        list.removeAll(path);
        QSettings s = settings();
        s.setValue(kRecentKey, list);
        s.sync();
        QMessageBox::warning(&main_, QString::fromUtf8(texts(session_.forms).failedTitle),
                             path + QString::fromUtf8(texts(session_.forms).missing));
        return;
    }
    if (confirmDiscard()) openFile(path);
}

void CaseFileActions::open() {
    if (busy_() || !confirmDiscard()) return;
    const QString path = QFileDialog::getOpenFileName(&main_, QString(), QString(), kFilter);
    if (!path.isEmpty()) openFile(path);
}

void CaseFileActions::openFile(const QString& path) {
    std::string refused;
    try {
        const CaseValues values = readCaseFile(path.toStdString());
        opening_ = true;
        refused = openCase(session_, values, path.toStdString());
        opening_ = false;
    } catch (const std::exception& e) {
        opening_ = false;
        QMessageBox::warning(&main_, QString::fromUtf8(texts(session_.forms).failedTitle),
                             QString::fromStdString(e.what()));
        return;
    }
    path_ = path;
    markModified(false);
    dropRecovery();
    remember(path);
    if (!refused.empty())
        QMessageBox::information(&main_, QString::fromUtf8(texts(session_.forms).failedTitle),
                                 QString::fromUtf8(texts(session_.forms).openedAtForm) +
                                     QString::fromStdString(refused));
}

bool CaseFileActions::openMadeCase(const CaseValues& values, const std::string& name) {
    if (busy_() || !confirmDiscard()) return false;
    try {
        opening_ = true;
        const std::string refused = openCase(session_, values, name);
        opening_ = false;
        if (!refused.empty()) throw CaseFileError(refused);
    } catch (const std::exception& e) {
        opening_ = false;
        QMessageBox::warning(&main_, QString::fromUtf8(texts(session_.forms).failedTitle),
                             QString::fromStdString(e.what()));
        return false;
    }
    path_.clear();
    markModified(true);
    return true;
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
    dropRecovery();
    remember(path);
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
    QMenu* recent = new QMenu(QString::fromUtf8(kEnglish.recent), fileMenu);
    open->setShortcut(QKeySequence::Open);
    save->setShortcut(QKeySequence::Save);
    // Not every platform theme binds Save as (a bare X11 session does not).
    const QKeySequence saveAsKeys(QKeySequence::SaveAs);
    saveAs->setShortcut(saveAsKeys.isEmpty() ? QKeySequence(QStringLiteral("Ctrl+Shift+S"))
                                             : saveAsKeys);
    QObject::connect(open, &QAction::triggered, &actions, [&actions] { actions.open(); });
    QObject::connect(save, &QAction::triggered, &actions, [&actions] { actions.save(); });
    QObject::connect(saveAs, &QAction::triggered, &actions, [&actions] { actions.saveAs(); });
    fileMenu->insertActions(first, {open, save, saveAs, recent->menuAction()});
    actions.setMenuActions(open, save, saveAs, recent);
    if (first) fileMenu->insertSeparator(first);
}

}  // namespace hx::gui
