// File → Open case…, Save case, Save case as… and Recent cases on the main
// window, with the case name and a modified mark in its title, the question
// before unsaved changes of a case file are lost (Save, Discard, Cancel),
// and the recovery file: the case being edited, kept in the user's data
// folder as it changes, offered back at the next start after the program
// was closed or killed without saving it.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

#include "gui/forms/form_window.h"
#include "model/session.h"
#include "program/session/case_file.h"

class QAction;
class QMenu;

namespace hx::gui {

class CaseFileActions : public QObject {
public:
    // `busy` tells when a calculation runs (and waits in the text window):
    // no case is opened then. `dataFolder` holds the recovery file (the
    // user's application data folder when empty).
    CaseFileActions(Session& session, FormWindow& mainWindow, std::function<bool()> busy,
                    QString dataFolder = {});
    ~CaseFileActions() override;

    void open();
    // Opens the case file at `path` into the windows (a refusal is shown).
    void openFile(const QString& path);
    bool save();
    bool saveAs();
    // Opens a case made by the program (a design of the design search) as
    // a new, unsaved case, after the question about unsaved changes. False
    // when the user kept the case open or a dialog refused the new one.
    bool openMadeCase(const CaseValues& values, const std::string& name);

    // True when the case file open has no unsaved change, or the user saves
    // it or agrees to lose it; false for Cancel or a save that failed. A
    // case never saved asks nothing: it stays in the recovery file.
    bool confirmDiscard();

    // The menu entries, captioned for the language of the forms.
    void setMenuActions(QAction* open, QAction* save, QAction* saveAs, QMenu* recent);

    // The recovery file of the case being edited, and whether one is left.
    QString recoveryPath() const;
    // At start: when a recovery file is left, asks whether to restore it;
    // Yes opens it (with its case file's name, modified), No deletes it.
    // True when a case was restored.
    bool offerRecovery();
    // Writes a recovery file now if one is due (before the program ends).
    void flushRecovery();

    // The cases last opened or saved, newest first (at most 8).
    QStringList recentCases() const;

private:
    bool saveTo(const QString& path);
    void writeRecovery();
    void dropRecovery();
    void remember(const QString& path);
    void fillRecentMenu();
    void openRecent(const QString& path);
    void captionActions();
    void markModified(bool modified);
    void updateTitle();

    Session& session_;
    FormWindow& main_;
    std::function<bool()> busy_;
    QString path_;
    QString suffix_;  // what updateTitle last appended to the window title
    bool modified_ = false;
    bool started_ = false;  // the unit system of the start is chosen
    bool opening_ = false;
    int subscription_ = 0;
    QAction* open_ = nullptr;
    QAction* save_ = nullptr;
    QAction* saveAs_ = nullptr;
    QMenu* recent_ = nullptr;
    QString dataFolder_;
    QTimer recoveryTimer_;  // coalesces a burst of changes into one write
};

// The main window's File menu: the one a menu bar already has, or a new
// menu bar with a File menu of its own.
QMenu* fileMenuOf(FormWindow& mainWindow);

// Adds Open case…, Save case, Save case as… and Recent cases to the menu.
void addCaseFileActions(QMenu* fileMenu, CaseFileActions& actions);

}  // namespace hx::gui
