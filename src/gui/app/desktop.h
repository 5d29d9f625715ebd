// The desktop program put together: the text window and its console, the
// platform services, the session, every form's window and the menu bar,
// with the clicks sent to the handlers one at a time.
//
// Closing the main window (or File → Quit, or the results menu's close)
// ends the program from any state: every wait for an answer in the text
// window unwinds as ProgramExit, and the event loops end. No form is
// hidden instead.
#pragma once

#include <memory>

#include "gui/app/menu_bar.h"
#include "gui/app/pdf_print_job.h"
#include "gui/app/qt_console.h"
#include "gui/app/qt_platform.h"
#include "gui/forms/case_file_actions.h"
#include "gui/forms/form_windows.h"
#include "gui/tools/design_search_window.h"
#include "gui/tools/profile_window.h"
#include "gui/tools/study_window.h"
#include "model/session.h"

namespace hx::gui {

class Desktop {
public:
    Desktop();
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // Runs the start-up sequence and builds the windows; false (with the
    // reason on standard error) when it fails.
    bool start();
    // Shows the main window, the unit-system form and the text window, then
    // offers to restore a case the last run left unsaved.
    void show();

    Session& session() { return session_; }
    QtConsole& console() { return console_; }
    FormWindows& windows() { return *windows_; }
    // View → Parameter study…: the study window on the case in the forms.
    StudyWindow& showStudy();
    // View → Temperature profile…: the profile of the case in the forms.
    ProfileWindow& showProfile();
    MenuBar& menuBar() { return *menu_; }

    // Ends the program: the event loops end and a pending wait throws.
    void requestExit();
    bool exiting() const { return exiting_; }

private:
    void click(const std::string& form, const std::string& control);
    void buildMenuBar();
    void buildPrintJob();
    // Ends the program unless the user keeps an unsaved case.
    void close();

    ConsoleView* view_;  // owned by the text window once the windows are built
    std::unique_ptr<ConsoleView> unownedView_;
    QtConsole console_;
    QtPlatform platform_;
    Session session_;
    std::unique_ptr<FormWindows> windows_;
    std::unique_ptr<MenuBar> menu_;
    std::unique_ptr<StudyWindow> study_;          // made when first asked for
    std::unique_ptr<ProfileWindow> profile_;      // made when first asked for
    std::unique_ptr<PdfPrintJob> printJob_;       // the one print job of the program run
    std::unique_ptr<CaseFileActions> caseFiles_;  // File → Open case…, Save case
    std::unique_ptr<DesignSearchWindow> design_;  // View → Design search…, made when first asked
    bool busy_ = false;                           // a handler runs (and may wait for an answer)
    bool exiting_ = false;
};

}  // namespace hx::gui
