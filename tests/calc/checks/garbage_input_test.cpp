// Garbage typed into any numeric field of the worked example must end in a
// message or in a result: never a crash, a hang, an escaped exception or a
// results table of nan.
#include <gtest/gtest.h>

#include <string>

#include "console/scripted_console.h"
#include "model/session.h"
#include "program/session/demo.h"
#include "program/session/startup.h"

namespace hx {
namespace {

struct Field {
    const char* form;
    const char* name;
};

// Every number the example's run reads from the main window and the main data form.
constexpr Field kNumericFields[] = {
    {"MAINFORM", "EDIT75"}, {"MAINFORM", "EDIT76"}, {"MAINFORM", "EDIT2"},  {"MAINFORM", "EDIT1"},
    {"MAINFORM", "EDIT3"},  {"MAINFORM", "EDIT25"}, {"MAINFORM", "EDIT15"}, {"MAINFORM", "EDIT73"},
    {"MAINFORM", "EDIT17"}, {"MAINFORM", "EDIT18"}, {"MAINFORM", "EDIT53"}, {"MAINFORM", "EDIT19"},
    {"MAINFORM", "EDIT45"}, {"MAINFORM", "EDIT29"}, {"MAINFORM", "EDIT46"}, {"MAINFORM", "EDIT47"},
    {"MAINFORM", "EDIT48"}, {"MAINFORM", "EDIT49"}, {"MAINFORM", "EDIT50"}, {"MAINFORM", "EDIT51"},
    {"MAINFORM", "EDIT52"}, {"FORM7", "EDIT80"},    {"FORM7", "EDIT81"},    {"FORM7", "EDIT82"},
    {"FORM7", "EDIT83"},
};

constexpr const char* kGarbage[] = {"abc", "1e30", "1e-30", "0", "-5", "99999999", ""};

bool looksBroken(const std::string& line) {
    return line.find("nan") != std::string::npos || line.find("inf") != std::string::npos;
}

TEST(GarbageInput, EveryNumericFieldEndsInAMessageOrAResult) {
    for (const Field& field : kNumericFields) {
        for (const char* garbage : kGarbage) {
            ScriptedConsole console;
            ScriptedPlatform platform;
            Session session(console, platform);
            startProgram(session);
            enterDemoCase(session);
            session.forms.setText(field.form, field.name, garbage);
            // Any key at a halt, give up at a limit dialog, restart at the menu.
            for (int i = 0; i < 12; ++i) {
                for (const char* answer : {"", "2", "4"}) console.queueAnswer(answer);
            }
            const std::string what =
                std::string(field.form) + "." + field.name + " = \"" + garbage + "\"";
            EXPECT_NO_THROW(session.click("MAINFORM", "BUTTON1")) << what;
            EXPECT_TRUE(session.forms.enabled("MAINFORM", "BUTTON1")) << what;
            for (const std::string& line : console.transcript()) {
                ASSERT_FALSE(looksBroken(line)) << what << ": " << line;
            }
        }
    }
}

}  // namespace
}  // namespace hx
