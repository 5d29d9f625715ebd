// Closing the main window ends the program from any state: with every form
// open, and while a calculation waits for an answer in the text window.
#include "gui/app/desktop.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

namespace hx::gui {
namespace {

// Runs the application's event loop until it ends, or gives up after a few
// seconds (exit status -1).
int runUntilExit() {
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    guard.start(5000);
    return QApplication::exec();
}

void showEveryForm(Desktop& desktop) {
    desktop.show();
    for (const std::string& form : desktop.session().forms.forms())
        desktop.session().forms.showForm(form);
}

TEST(Desktop, ClosingTheMainWindowWithEveryFormOpenEndsTheProgram) {
    Desktop desktop;
    ASSERT_TRUE(desktop.start());
    showEveryForm(desktop);
    QTimer::singleShot(0, [&] { desktop.windows().mainWindow().close(); });
    EXPECT_EQ(runUntilExit(), 0);
    EXPECT_TRUE(desktop.exiting());
    // No form was hidden instead.
    for (const auto& window : desktop.windows().all())
        EXPECT_TRUE(window->isVisible()) << window->formName();
}

TEST(Desktop, ClosingWhileACalculationWaitsUnwindsTheWait) {
    Desktop desktop;
    ASSERT_TRUE(desktop.start());
    Session& session = desktop.session();
    bool unwound = false;
    session.handlers.add("MAINFORM", "BUTTON1", [&](Session& s) {
        try {
            s.console.waitKey();
        } catch (const ProgramExit&) {
            unwound = true;
            throw;
        }
    });
    session.forms.setEnabled("MAINFORM", "BUTTON1", true);
    showEveryForm(desktop);
    auto* start = qobject_cast<QPushButton*>(desktop.windows().mainWindow().widget("BUTTON1"));
    ASSERT_NE(start, nullptr);
    QTimer::singleShot(0, start, [start] { start->click(); });
    QTimer::singleShot(50, [&] { desktop.windows().mainWindow().close(); });
    EXPECT_EQ(runUntilExit(), 0);
    EXPECT_TRUE(unwound);
    EXPECT_TRUE(desktop.windows().window("FORM2")->isVisible());
}

TEST(Desktop, TheMenuBarFollowsTheLanguage) {
    Desktop desktop;
    ASSERT_TRUE(desktop.start());
    QMenuBar* bar = desktop.menuBar().bar();
    ASSERT_EQ(bar->actions().size(), 3);
    desktop.session().click("FORM6", "BUTTON32");  // English, SI units
    EXPECT_EQ(bar->actions().at(0)->text(), QStringLiteral("&File"));
    EXPECT_EQ(desktop.windows().window("FORM7")->windowTitle(),
              QStringLiteral("hxcalc — Main data"));
    desktop.session().click("FORM6", "BUTTON33");  // Japanese, engineering units
    EXPECT_EQ(bar->actions().at(0)->text(), QStringLiteral("ファイル(&F)"));
    EXPECT_EQ(desktop.windows().window("FORM7")->windowTitle(),
              QStringLiteral("hxcalc — 主データ"));
    // Quit ends the program as closing the main window does: a case that
    // was never saved to a file asks nothing.
    QTimer::singleShot(0, [&] { desktop.menuBar().quitAction()->trigger(); });
    EXPECT_EQ(runUntilExit(), 0);
}

}  // namespace
}  // namespace hx::gui
