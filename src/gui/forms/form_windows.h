// Every form of the program as a window, kept in step with the form model:
// a form shown or hidden by a handler appears or disappears, and every
// control change is mirrored on its widget. The text window stands beside
// them as a window of its own.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "console/text_console.h"
#include "gui/app/console_view.h"
#include "gui/app/text_window.h"
#include "gui/forms/form_window.h"
#include "gui/forms/result_profile_page.h"
#include "model/form_store.h"

namespace hx::gui {

class FormWindows {
public:
    // Builds a window for every form of the inventory, and the text window
    // around `console` (taken).
    FormWindows(FormStore& store, ConsoleView* console);
    ~FormWindows();
    FormWindows(const FormWindows&) = delete;
    FormWindows& operator=(const FormWindows&) = delete;

    FormWindow* window(const std::string& form) const;
    const std::vector<std::unique_ptr<FormWindow>>& all() const { return windows_; }
    FormWindow& mainWindow() const { return *window("MAINFORM"); }
    TextWindow& textWindow() const { return *text_; }
    // The temperature profile tab of the result form.
    ResultProfilePage& resultProfile() const { return *profile_; }

    void onClick(const FormWindow::ClickHandler& handler);
    void onClose(const FormWindow::CloseHandler& handler);

    // Shows the forms the model holds visible, hides the others, and shows
    // the text window.
    void showVisible();

    // Draws a bitmap file at the top left of the form whose picture shows
    // it. A file that cannot be read leaves the frame empty and prints one
    // line in the text window. False when it could not be drawn.
    bool showBitmap(const std::string& fileName, TextConsole& notices);

private:
    void updateStatus();

    FormStore& store_;
    std::vector<std::unique_ptr<FormWindow>> windows_;
    std::unique_ptr<TextWindow> text_;
    ResultProfilePage* profile_ = nullptr;  // owned by the result form's tabs
    int subscription_ = 0;
};

// The line the text window shows for a drawing file that cannot be read.
std::string missingBitmapNotice(const std::string& fileName);

}  // namespace hx::gui
