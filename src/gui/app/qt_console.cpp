#include "gui/app/qt_console.h"

#include "model/session.h"

namespace hx::gui {

QtConsole::QtConsole(ConsoleView& view) : view_(view) { view_.setSource(this); }

QtConsole::~QtConsole() = default;

std::string QtConsole::readLine(const std::string&) { return await(ConsoleView::Wait::Line); }

std::string QtConsole::readKey() { return await(ConsoleView::Wait::Key); }

std::string QtConsole::readKeyAnswer(const std::string&) {
    for (;;) {
        std::string key = await(ConsoleView::Wait::Key);
        if (key != "\x1b") return key;
    }
}

std::string QtConsole::await(ConsoleView::Wait what) {
    QEventLoop loop;
    bool answered = false;
    std::string answer;
    view_.beginWait(what, [&](const std::string& text) {
        answer = text;
        answered = true;
        loop.quit();
    });
    // The text window comes forward (also after the user closed it).
    if (view_.parentWidget()) {
        QWidget* window = view_.window();
        window->show();
        window->raise();
        window->activateWindow();
    }
    QEventLoop* outer = loop_;
    loop_ = &loop;
    loop.exec();
    loop_ = outer;
    if (!answered) {
        // The loop ended without an answer: the program is closing.
        view_.cancelWait();
        throw ProgramExit();
    }
    return answer;
}

void QtConsole::abortWait() {
    if (loop_) loop_->quit();
}

}  // namespace hx::gui
