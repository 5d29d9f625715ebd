// The windows of a result on the desktop: the result window (FORM4) holds
// its controls in a first tab and the solved case's temperature profile in
// a second, filled by the run's results menu (its hard copy stays the form
// without the tab bar, and the print job's profile chart is the tab's
// chart); the results menu's keys "7" and "8" open the Calculation window
// and the parameter study.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTableWidget>

#include "console/scripted_console.h"
#include "gui/app/desktop.h"
#include "gui/app/hard_copy_image.h"
#include "gui/app/qt_platform.h"
#include "gui/app/window_titles.h"
#include "gui/forms/form_windows.h"
#include "program/session/case_file.h"
#include "program/session/starting_cases.h"
#include "program/session/startup.h"

namespace hx::gui {
namespace {

TEST(ResultProfileTab, TheRunFillsTheSecondTabOfTheResultForm) {
    ScriptedConsole console;
    ScreenshotPlatform platform(console);
    Session session(console, platform);
    startProgram(session);
    auto* view = new ConsoleView;  // owned by the text window
    view->setSource(&console);
    FormWindows windows(session.forms, view);
    platform.setWindows(&windows);

    FormWindow& result = *windows.window("FORM4");
    ASSERT_NE(result.tabs(), nullptr);
    ASSERT_EQ(result.tabs()->count(), 2);
    // The first tab is the form's controls, as they were.
    EXPECT_TRUE(result.tabs()->widget(0)->isAncestorOf(result.widget("EDIT47")));
    EXPECT_EQ(result.tabs()->widget(1), &windows.resultProfile());
    EXPECT_FALSE(windows.resultProfile().chart());

    ASSERT_TRUE(openCase(session, *startingCase("shell-and-tube"), "sample").empty());
    console.queueAnswer("4");  // restart at the results menu
    session.click("MAINFORM", "BUTTON1");
    EXPECT_EQ(console.pendingAnswers(), 0u);

    // Counter-current: tube, shell and the heat transferred, 51 places.
    const auto& chart = windows.resultProfile().chart();
    ASSERT_TRUE(chart);
    ASSERT_EQ(chart->series.size(), 3u);
    EXPECT_EQ(chart->series[0].y.size(), 51u);
    const auto* table = windows.resultProfile().findChild<QTableWidget*>();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 51);
    EXPECT_EQ(table->columnCount(), 4);

    EXPECT_FALSE(hardCopyImage(windows, *view, HardCopy::ProfileChart).isNull());
    const QImage form = hardCopyImage(windows, *view, HardCopy::ResultForm);
    EXPECT_EQ(form.size(), result.formPage()->grab().size());
    EXPECT_LT(form.height(), result.grab().height());  // no tab bar in the hard copy
    view->setSource(nullptr);
}

// The visible top-level window titled `title`, if any.
QWidget* shownWindow(const QString& title) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == title) return w;
    return nullptr;
}

TEST(ResultWindows, TheDesktopOffersAndOpensThem) {
    Desktop desktop;
    ASSERT_TRUE(desktop.start());
    desktop.show();
    Platform& platform = desktop.session().platform;
    ASSERT_TRUE(platform.offersResultWindows());
    // Asked for from a Japanese presentation: the window in Japanese.
    const QString calculation = windowTitle("CALC", true);
    EXPECT_EQ(shownWindow(calculation), nullptr);
    platform.openResultWindow(ResultWindow::Calculation, true);
    EXPECT_NE(shownWindow(calculation), nullptr);
    platform.openResultWindow(ResultWindow::ParameterStudy, false);
    bool studyShown = false;
    for (QWidget* w : QApplication::topLevelWidgets())
        studyShown = studyShown || (dynamic_cast<StudyWindow*>(w) && w->isVisible());
    EXPECT_TRUE(studyShown);
}

}  // namespace
}  // namespace hx::gui
