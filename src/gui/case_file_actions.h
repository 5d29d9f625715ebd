// File → Open case…, Save case and Save case as… on the main window, with
// the case name and a modified mark in its title, and the question before
// unsaved changes are lost (opening another case, closing the program).
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "gui/form_window.h"
#include "model/session.h"

class QAction;
class QMenu;

namespace hx::gui {

class CaseFileActions : public QObject {
public:
    // `busy` tells when a calculation runs (and waits in the text window):
    // no case is opened then.
    CaseFileActions(Session& session, FormWindow& mainWindow, std::function<bool()> busy);
    ~CaseFileActions() override;

    void open();
    // Opens the case file at `path` into the windows (a refusal is shown).
    void openFile(const QString& path);
    bool save();
    bool saveAs();

    // True when the case file open has no unsaved change, or the user
    // agrees to lose it; a case never saved asks nothing.
    bool confirmDiscard();

    // The menu entries, captioned for the language of the forms.
    void setMenuActions(QAction* open, QAction* save, QAction* saveAs);

private:
    bool saveTo(const QString& path);
    void captionActions();
    void markModified(bool modified);
    void updateTitle();

    Session& session_;
    FormWindow& main_;
    std::function<bool()> busy_;
    QString path_;
    QString suffix_;  // what updateTitle last appended to the window title
    bool modified_ = false;
    bool opening_ = false;
    int subscription_ = 0;
    QAction* open_ = nullptr;
    QAction* save_ = nullptr;
    QAction* saveAs_ = nullptr;
};

// The main window's File menu: the one a menu bar already has, or a new
// menu bar with a File menu of its own.
QMenu* fileMenuOf(FormWindow& mainWindow);

// Adds Open case…, Save case and Save case as… to the menu.
void addCaseFileActions(QMenu* fileMenu, CaseFileActions& actions);

}  // namespace hx::gui
