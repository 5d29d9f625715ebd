#include "program/session/demo.h"

#include <string>

#include "calc/case/read_design_case.h"
#include "console/scripted_console.h"
#include "model/platform.h"
#include "program/session/startup.h"

namespace hx {

void enterDemoCase(Session& session) {
    session.click("FORM6", "BUTTON32");  // English, SI units
    // The sample, sensible heat, water by correlation on both sides, then
    // the main data form with its defaults (1000 mm tubes), counter-current.
    for (const char* c : {"BUTTON35", "BUTTON24", "BUTTON4", "BUTTON25", "BUTTON14", "BUTTON29",
                          "BUTTON19", "BUTTON41", "BUTTON26"}) {
        session.click("MAINFORM", c);
    }
    session.click("FORM7", "BUTTON40");
    session.click("FORM8", "BUTTON45");
}

EnteredCase demoEnteredCase() {
    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session(console, platform);
    startProgram(session);
    enterDemoCase(session);
    return readEnteredCase(session.forms);
}

int runDemo(std::ostream& out) {
    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session(console, platform);
    startProgram(session);
    enterDemoCase(session);
    // At the results menu: SI units, then close the program.
    for (const char* key : {"2", "0", "y"}) console.queueAnswer(key);
    try {
        session.click("MAINFORM", "BUTTON1");
    } catch (const ProgramExit&) {
        // The close answer ends the program.
    } catch (const NoAnswer& e) {
        out << "The example did not reach its results: the run waits at \"" << e.prompt() << "\"\n";
        return 1;
    }
    // The transcript from the first results screen on.
    const auto& lines = console.transcript();
    std::size_t first = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find("Summary of caluculation results") != std::string::npos) {
            first = i;
            break;
        }
    }
    if (first == lines.size()) {
        out << "The example did not reach its results.\n";
        return 1;
    }
    while (first > 0 && lines[first - 1] != ScriptedConsole::kClearMark) --first;
    for (std::size_t i = first; i < lines.size(); ++i) out << lines[i] << '\n';
    return 0;
}

}  // namespace hx
