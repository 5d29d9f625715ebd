#include "program/session/starting_cases.h"

#include "console/scripted_console.h"
#include "model/platform.h"
#include "program/session/demo.h"
#include "program/session/startup.h"

namespace hx {

std::optional<CaseValues> startingCase(std::string_view kind) {
    const bool doubleTube = kind == "double-tube";
    if (!doubleTube && kind != "shell-and-tube") return std::nullopt;
    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session(console, platform);
    startProgram(session);
    if (doubleTube) {
        session.click("FORM6", "BUTTON32");
        session.click("MAINFORM", "RADIO8");
        for (const char* c : {"BUTTON35", "BUTTON24", "BUTTON4", "BUTTON25", "BUTTON14", "BUTTON29",
                              "BUTTON19", "BUTTON41", "BUTTON26"}) {
            session.click("MAINFORM", c);
        }
        session.click("FORM7", "BUTTON40");
        session.click("FORM8", "BUTTON45");
    } else {
        enterDemoCase(session);
    }
    return caseFromForms(session.forms, std::string(kind));
}

}  // namespace hx
