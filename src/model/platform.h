// Services of the desktop that the core asks for: the Yes/No message box,
// bitmaps, the print job and the date text of the report date line. The Qt
// front end implements them for real; tests and the replay use
// ScriptedPlatform.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/exchanger_profile.h"

namespace hx {

// The windows a hard copy can show: the result form with its drawing, the
// figure window, the text window as it stands, and the chart of the result
// window's temperature profile.
enum class HardCopy { ResultForm, FigureWindow, TextWindow, ProfileChart };

// The one print job of a program run. Every report and hard copy is added
// to it in turn; the job keeps them all, so nothing printed is lost when a
// later addition cannot be delivered. A failure to deliver is reported by
// the job itself (a message in the text window); the report code does not
// check it.
class Printer {
public:
    virtual ~Printer() = default;

    // A text report, its lines in printing order, drawn on the character
    // grid of the text window (a full-width character two columns).
    virtual void printText(const std::vector<std::string>& lines) = 0;

    // An image of a window on a page of its own.
    virtual void printHardCopy(HardCopy window) = 0;

    // The file the job was last written to, for the user to find it; empty
    // when the job keeps no file (or its last write failed).
    virtual std::string deliveredTo() const { return {}; }
};

// One addition to a print job, as a scripted job keeps it.
struct PrintedItem {
    std::vector<std::string> lines;  // a text report
    std::optional<HardCopy> hardCopy;
};

// A print job that keeps what it receives and, when given one, passes it on
// to a real job (the replay's PDF file).
class RecordingPrinter : public Printer {
public:
    void forwardTo(Printer* next) { next_ = next; }
    const std::vector<PrintedItem>& items() const { return items_; }

    void printText(const std::vector<std::string>& lines) override;
    void printHardCopy(HardCopy window) override;
    std::string deliveredTo() const override { return next_ ? next_->deliveredTo() : ""; }

private:
    std::vector<PrintedItem> items_;
    Printer* next_ = nullptr;
};

// The name of a hard-copy window as the replay shows it: FORM4, FORM2, TEXT,
// PROFILE.
const char* hardCopyName(HardCopy window);

// The windows of a result a front end can open beside the text window from
// the results menu: the Calculation window on the trace of the run, and the
// parameter study seeded with the case in the forms.
enum class ResultWindow { Calculation, ParameterStudy };

// "Calculation", "Parameter study": the name the replay shows.
const char* resultWindowName(ResultWindow window);

class Platform {
public:
    virtual ~Platform() = default;

    // A Yes/No message box; true for Yes.
    virtual bool askYesNo(const std::string& title, const std::string& question) = 0;

    // Loads a bitmap file by name into the picture of a form; false when the
    // file cannot be read (the caller then leaves the frame empty).
    virtual bool loadBitmap(const std::string& fileName) = 0;

    // Today's date as the report date line shows it.
    virtual std::string dateText() = 0;

    // The print job of the program run.
    virtual Printer& printer() = 0;

    // Whether the results menu offers the result windows (its keys "7" and
    // "8"). A platform that cannot open them does not, and the menu neither
    // announces nor takes those keys.
    virtual bool offersResultWindows() const { return false; }

    // Opens a result window, in the language of the active presentation.
    virtual void openResultWindow(ResultWindow /*window*/, bool /*japanese*/) {}

    // The profile of the result the screens show, for the result window's
    // profile tab; without one, the reason in the presentation's language.
    virtual void showResultProfile(const std::optional<CaseProfile>& /*profile*/,
                                   const std::string& /*whyNone*/) {}
};

// A platform whose Yes/No answers come from a queue. With none queued it
// throws NoAnswer naming the question, so a script never hangs.
class ScriptedPlatform : public Platform {
public:
    void queueYesNo(bool yes) { answers_.push_back(yes); }
    std::size_t pendingAnswers() const { return answers_.size(); }

    // Bitmaps "load" unless their name was marked missing.
    void markMissing(const std::string& fileName) { missing_.push_back(fileName); }
    const std::vector<std::string>& bitmapsLoaded() const { return loaded_; }

    void setDate(std::string date) { date_ = std::move(date); }

    // The result windows are offered only when asked for (a replay's
    // `offer windows`); each request goes to `observer` (the replay writes
    // it into the transcript).
    void offerResultWindows(bool offered) { offersWindows_ = offered; }
    void onResultWindow(std::function<void(ResultWindow, bool japanese)> observer) {
        windowObserver_ = std::move(observer);
    }

    bool askYesNo(const std::string& title, const std::string& question) override;
    bool loadBitmap(const std::string& fileName) override;
    std::string dateText() override { return date_; }
    RecordingPrinter& printer() override { return printer_; }
    bool offersResultWindows() const override { return offersWindows_; }
    void openResultWindow(ResultWindow window, bool japanese) override;

private:
    RecordingPrinter printer_;
    std::deque<bool> answers_;
    std::vector<std::string> missing_;
    std::vector<std::string> loaded_;
    std::string date_ = "2026/12/08";
    bool offersWindows_ = false;
    std::function<void(ResultWindow, bool)> windowObserver_;
};

}  // namespace hx
