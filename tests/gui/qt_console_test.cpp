// The text window: answers typed as key events in a nested event loop, the
// halt, and the repaint throttle under a solver's progress rewrites.
#include "gui/app/qt_console.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "gui/app/text_window.h"
#include "model/session.h"

namespace hx::gui {
namespace {

struct ConsoleWindow {
    std::unique_ptr<ConsoleView> view = std::make_unique<ConsoleView>();
    QtConsole console{*view};
    ConsoleWindow() { view->show(); }
};

void pressKey(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
}

// Types `keys` into the view once the console waits (the events come from
// the nested event loop, as the user's would).
void typeLater(ConsoleView* view, const std::vector<std::pair<int, QString>>& keys) {
    QTimer::singleShot(10, view, [view, keys] {
        for (const auto& [key, text] : keys) pressKey(view, key, text);
    });
}

bool hasRow(const std::vector<std::string>& screen, std::string_view text) {
    return std::find(screen.begin(), screen.end(), text) != screen.end();
}

TEST(QtConsole, HaltReturnsOnAKeyEvent) {
    ConsoleWindow w;
    w.console.print("Tube length too short");
    typeLater(w.view.get(), {{Qt::Key_Shift, QString()}, {Qt::Key_A, QStringLiteral("a")}});
    w.console.halt();
    const auto screen = w.console.screen();
    EXPECT_TRUE(hasRow(screen, kHaltLine1));
    EXPECT_TRUE(hasRow(screen, kHaltLine2));
    EXPECT_EQ(w.view->waiting(), ConsoleView::Wait::None);
}

TEST(QtConsole, WaitKeyReturnsTheKeyAndEnterAsEmpty) {
    ConsoleWindow w;
    typeLater(w.view.get(), {{Qt::Key_3, QStringLiteral("3")}});
    EXPECT_EQ(w.console.waitKey(), "3");
    typeLater(w.view.get(), {{Qt::Key_Return, QStringLiteral("\r")}});
    EXPECT_EQ(w.console.waitKey(), "");
}

TEST(QtConsole, InputReadsATypedLineAfterThePrompt) {
    ConsoleWindow w;
    typeLater(w.view.get(), {{Qt::Key_1, QStringLiteral("1")},
                             {Qt::Key_X, QStringLiteral("x")},
                             {Qt::Key_Backspace, QString()},
                             {Qt::Key_2, QStringLiteral("2")},
                             {Qt::Key_Enter, QStringLiteral("\r")}});
    EXPECT_EQ(w.console.input("Passes (1/2) ? "), "12");
    EXPECT_TRUE(hasRow(w.console.screen(), "Passes (1/2) ? 12"));
}

TEST(QtConsole, AMenuKeyAnswersWithoutEnter) {
    ConsoleWindow w;
    typeLater(w.view.get(), {{Qt::Key_3, QStringLiteral("3")}});
    EXPECT_EQ(w.console.inputKey("  【4】re-start ,【6】Check!  <<< hit Key >>> → "), "3");
    EXPECT_TRUE(hasRow(w.console.screen(), "  【4】re-start ,【6】Check!  <<< hit Key >>> → 3"));
    // A line prompt still waits for Enter.
    typeLater(w.view.get(), {{Qt::Key_3, QStringLiteral("3")},
                             {Qt::Key_0, QStringLiteral("0")},
                             {Qt::Key_Return, QStringLiteral("\r")}});
    EXPECT_EQ(w.console.input("Tube length ? "), "30");
}

TEST(QtConsole, ClearedTextCanBeReadByScrollingBack) {
    ConsoleWindow w;
    w.console.print("Tube length too short");
    w.console.clear();
    w.console.print("next screen");
    w.view->refreshNow();
    // The new page starts at the top of the window, the old one above it.
    EXPECT_EQ(w.view->scrollbackRows(), 1);
    EXPECT_EQ(w.view->topRow(), 1);
    w.view->scrollToRow(0);
    EXPECT_EQ(w.view->topRow(), 0);
}

TEST(QtConsole, TheTextWindowStaysWhileAQuestionWaits) {
    auto* view = new ConsoleView;
    TextWindow window(view);  // takes the view
    QtConsole console(*view);
    window.show();
    QTimer::singleShot(10, view, [&] {
        window.close();
        EXPECT_TRUE(window.isVisible());
        pressKey(view, Qt::Key_Return, QStringLiteral("\r"));
    });
    EXPECT_EQ(console.input("Passes (1/2) ? "), "");
    window.close();
    EXPECT_FALSE(window.isVisible());
    view->setSource(nullptr);
}

TEST(QtConsole, AbortedWaitEndsTheProgram) {
    ConsoleWindow w;
    QTimer::singleShot(10, w.view.get(), [&] { w.console.abortWait(); });
    EXPECT_THROW(w.console.input("Y/N ? "), ProgramExit);
    EXPECT_EQ(w.view->waiting(), ConsoleView::Wait::None);
}

TEST(QtConsole, ProgressRewritesAreNotSlowedByDrawing) {
    ConsoleWindow w;
    const int before = w.view->repaintCount();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 5000; ++i) {
        w.console.locate(5, 0);
        w.console.print("  iteration " + std::to_string(i) + "   Q = " + std::to_string(i * 3));
    }
    const qint64 elapsed = clock.elapsed();
    EXPECT_LT(elapsed, 500);
    // At most one repaint per interval, plus the first.
    const int repaints = w.view->repaintCount() - before;
    EXPECT_LE(repaints, static_cast<int>(elapsed / ConsoleView::kMinRepaintMs) + 2);
    // The last state is drawn once the interval passes.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 50) QApplication::processEvents();
    EXPECT_EQ(w.console.screen()[5], "  iteration 4999   Q = 14997");
}

}  // namespace
}  // namespace hx::gui
