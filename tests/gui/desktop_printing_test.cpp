// Printing on the desktop: the print menu typed into the text window, the
// Qt platform's print job asking for its file at the first print only, and
// the text window's hard copy taken from the widget.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <memory>

#include "gui/app/pdf_print_job.h"
#include "gui/app/qt_console.h"
#include "gui/app/qt_platform.h"
#include "model/inventory.h"
#include "report/print/print_menu.h"

namespace hx::gui {
namespace {

// Types the queued answers one by one, each when the text window waits.
class Typist {
public:
    Typist(ConsoleView& view, std::deque<QString> answers)
        : view_(view), answers_(std::move(answers)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { typeNext(); });
        timer_.start(5);
    }

private:
    void typeNext() {
        if (view_.waiting() == ConsoleView::Wait::None || answers_.empty()) return;
        const QString answer = answers_.front();
        answers_.pop_front();
        for (QChar c : answer) press(0, QString(c));
        press(Qt::Key_Return, QStringLiteral("\r"));
    }
    void press(int key, const QString& text) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&view_, &event);
    }

    ConsoleView& view_;
    std::deque<QString> answers_;
    QTimer timer_;
};

TEST(DesktopPrinting, TheFileIsAskedForAtTheFirstPrintOnly) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    auto view = std::make_unique<ConsoleView>();
    view->show();
    QtConsole console(*view);
    QtPlatform platform(console);
    Session session(console, platform);
    buildInventory(session.forms);
    int asked = 0;
    QImage textWindow;
    PdfPrintJob job(
        console,
        [&] {
            ++asked;
            return path;
        },
        [&](HardCopy which) {
            if (which == HardCopy::TextWindow) textWindow = view->grab().toImage();
            return textWindow;
        });
    platform.setPrinter(&job);

    RunInputs in;
    in.dc.fluidMode = 1;
    // "1" "y": a text summary; "1" "y" again; "4": the text window; "5".
    Typist typist(*view, {"1", "y", "1", "y", "4", "5"});
    runPrintMenu(session, Presentation::EnglishEngineering, in, Solution{});
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(job.path(), path);
    EXPECT_EQ(job.pageCount(), 3);
    EXPECT_FALSE(textWindow.isNull());
}

}  // namespace
}  // namespace hx::gui
