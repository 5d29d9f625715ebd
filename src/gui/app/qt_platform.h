// The desktop services for the core: the Yes/No message box, the drawings
// on their forms, the print job (a PdfPrintJob set by the front end) and
// today's date.
#pragma once

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

    bool askYesNo(const std::string& title, const std::string& question) override;
    bool loadBitmap(const std::string& fileName) override;
    std::string dateText() override;
    Printer& printer() override;

private:
    TextConsole& console_;
    FormWindows* windows_ = nullptr;
    Printer* printer_ = nullptr;
    RecordingPrinter unset_;  // keeps what is printed before a job is set
};

// The replay's scripted platform, drawing the bitmaps on the real windows so
// that screenshots show them.
class ScreenshotPlatform : public ScriptedPlatform {
public:
    ScreenshotPlatform(TextConsole& console) : console_(console) {}
    void setWindows(FormWindows* windows) { windows_ = windows; }
    bool loadBitmap(const std::string& fileName) override;

private:
    TextConsole& console_;
    FormWindows* windows_ = nullptr;
};

}  // namespace hx::gui
