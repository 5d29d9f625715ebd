// One program run's application context: the form model, the console, the
// platform services and the table that sends a click to its handler.
// Handlers are plain functions over the session, named after their control
// and event (BUTTON1_ON runs a calculation).
#pragma once

#include <functional>
#include <map>
#include <stdexcept>
#include <string>

#include "console/text_console.h"
#include "core/calc_trace.h"
#include "model/form_store.h"
#include "model/platform.h"

namespace hx {

// Thrown when the user closes the program from a menu; caught at the top,
// which finishes the print job first.
class ProgramExit : public std::exception {
public:
    const char* what() const noexcept override { return "program exit"; }
};

struct Session;
using Handler = std::function<void(Session&)>;

// Click handlers by form and control.
class DispatchTable {
public:
    void add(const std::string& form, const std::string& control, Handler handler);
    bool has(const std::string& form, const std::string& control) const;
    // Runs the handler of a control; a control without one does nothing.
    void dispatch(Session& session, const std::string& form, const std::string& control) const;

private:
    std::map<std::pair<std::string, std::string>, Handler> handlers_;
};

struct Session {
    FormStore forms;
    DispatchTable handlers;
    TextConsole& console;
    Platform& platform;
    // Set at the first results menu of the program run and never cleared:
    // the figure hint on the main window is shown at most once.
    bool figureShown = false;
    // The calculation trace of the last run started from the main window
    // (its steps up to the message, when the run ended with one).
    CalcTrace lastTrace;

    Session(TextConsole& c, Platform& p) : console(c), platform(p) {}

    // Presses a button or option button as the user would.
    void click(const std::string& form, const std::string& control) {
        handlers.dispatch(*this, form, control);
    }
};

}  // namespace hx
