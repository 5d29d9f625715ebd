// The temperature profile window draws the case in the forms and says why
// when the forms hold no case it can draw.
#include "gui/tools/profile_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTemporaryDir>
#include <fstream>

#include "console/scripted_console.h"
#include "program/session/starting_cases.h"
#include "program/session/startup.h"

namespace hx::gui {
namespace {

TEST(ProfileWindow, DrawsTheCaseInTheFormsOrSaysWhyNot) {
    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session(console, platform);
    startProgram(session);
    ProfileWindow window(session);
    // A fresh program's forms hold no complete case.
    EXPECT_FALSE(window.showCaseFromForms());
    EXPECT_FALSE(window.findChild<QLabel*>()->text().isEmpty());

    openCase(session, *startingCase("shell-and-tube"), "sample");
    ASSERT_TRUE(window.showCaseFromForms());
    ASSERT_TRUE(window.chart());
    EXPECT_EQ(window.chart()->series.size(), 3u);  // tube, shell, heat transferred
    QTemporaryDir dir;
    const QString csv = dir.filePath("profile.csv");
    ASSERT_TRUE(window.exportTo(csv));
    std::ifstream in(csv.toStdString());
    int lines = 0;
    for (std::string line; std::getline(in, line);) ++lines;
    EXPECT_EQ(lines, 52);
}

}  // namespace
}  // namespace hx::gui
