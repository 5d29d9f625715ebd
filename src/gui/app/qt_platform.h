// The desktop services for the core: the Yes/No message box, the drawings
// on their forms, the print job (a PdfPrintJob set by the front end) and
// today's date.
#pragma once

#include <functional>

#include "console/text_console.h"
#include "gui/forms/form_windows.h"
#include "model/platform.h"

namespace hx::gui {

class QtPlatform : public Platform {
public:
    QtPlatform(TextConsole& console) : console_(console) {}
    void setWindows(FormWindows* windows) { windows_ = windows; }
    // The print job of the run (not owned).
    void setPrinter(Printer* printer) { printer_ = printer; }
    // Opens the result windows of the results menu (the desktop's); until
    // one is set the menu does not offer them.
    void setResultWindows(std::function<void(ResultWindow, bool japanese)> open) {
        openWindow_ = std::move(open);
    }

    bool askYesNo(const std::string& title, const std::string& question) override;
    bool loadBitmap(const std::string& fileName) override;
    std::string dateText() override;
    Printer& printer() override;
    bool offersResultWindows() const override { return static_cast<bool>(openWindow_); }
    void openResultWindow(ResultWindow window, bool japanese) override;
    void showResultProfile(const std::optional<CaseProfile>& profile,
                           const std::string& whyNone) override;

private:
    TextConsole& console_;
    FormWindows* windows_ = nullptr;
    Printer* printer_ = nullptr;
    std::function<void(ResultWindow, bool)> openWindow_;
    RecordingPrinter unset_;  // keeps what is printed before a job is set
};

// The replay's scripted platform, drawing the bitmaps on the real windows so
// that screenshots show them.
class ScreenshotPlatform : public ScriptedPlatform {
public:
    ScreenshotPlatform(TextConsole& console) : console_(console) {}
    void setWindows(FormWindows* windows) { windows_ = windows; }
    bool loadBitmap(const std::string& fileName) override;
    void showResultProfile(const std::optional<CaseProfile>& profile,
                           const std::string& whyNone) override;

private:
    TextConsole& console_;
    FormWindows* windows_ = nullptr;
};

}  // namespace hx::gui
