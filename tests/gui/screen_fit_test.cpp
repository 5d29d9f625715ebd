// Every window on the screen's available area, the text window's last line
// included, and every form owned by the main window that opens it (run on
// a 1366 x 768 screen by ctest, offscreen and under xcb).
#include "gui/app/screen_fit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QWindow>

#include "gui/app/desktop.h"

namespace hx::gui {
namespace {

void processEventsFor(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 50);
}

TEST(ScreenFit, EveryWindowAndTheTextWindowsLastLineAreOnTheScreen) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || screen->geometry().size() != QSize(1366, 768))
        GTEST_SKIP() << "run by ctest on a 1366 x 768 screen";
    Desktop desktop;
    ASSERT_TRUE(desktop.start());
    desktop.show();
    for (const std::string& form : desktop.session().forms.forms())
        desktop.session().forms.showForm(form);
    processEventsFor(900);  // the window manager frames them; the fit runs again
    FormWindow& main = desktop.windows().mainWindow();
    const QRect room = availableArea(main);
    for (const auto& window : desktop.windows().all())
        EXPECT_TRUE(room.contains(window->frameGeometry())) << window->formName();
    TextWindow& text = desktop.windows().textWindow();
    EXPECT_TRUE(room.contains(text.frameGeometry()));
    const QWidget& view = text.view();
    const QPoint lastLine = view.mapToGlobal(QPoint(0, view.height() - 1));
    EXPECT_TRUE(room.contains(lastLine));
    EXPECT_GE(text.view().height(), 10 * 16);  // ten rows at the least
}

TEST(DialogOwnership, EveryFormIsOwnedByTheMainWindowAndStaysAboveIt) {
    Desktop desktop;
    ASSERT_TRUE(desktop.start());
    desktop.show();
    desktop.session().forms.showForm("FORM10");  // the wet-gas saturation choice
    QApplication::processEvents();
    FormWindow& main = desktop.windows().mainWindow();
    for (const auto& window : desktop.windows().all()) {
        if (window.get() == &main) continue;
        SCOPED_TRACE(window->formName());
        EXPECT_EQ(window->parentWidget(), &main);
        EXPECT_TRUE(window->isWindow());
        window->winId();  // its native window, as a shown form has it
        ASSERT_NE(window->windowHandle(), nullptr);
        EXPECT_EQ(window->windowHandle()->transientParent(), main.windowHandle());
    }
}

}  // namespace
}  // namespace hx::gui
