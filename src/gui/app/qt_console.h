// The console of the desktop program: the page is drawn by a ConsoleView,
// and a typed line or a key is awaited in a nested event loop, so the
// windows keep being drawn and answering while a calculation waits.
#pragma once

#include <QEventLoop>

#include "console/text_console.h"
#include "gui/app/console_view.h"

namespace hx::gui {

class QtConsole : public TextConsole {
public:
    explicit QtConsole(ConsoleView& view);
    ~QtConsole() override;

    // Ends a wait without an answer (the main window is closing); the
    // waiting call then throws ProgramExit.
    void abortWait();
    bool waiting() const { return loop_ != nullptr; }

protected:
    void lineCompleted(int) override {}
    void cleared() override {}
    std::string readLine(const std::string& prompt) override;
    std::string readKey() override;
    // Menu keys and y/n act at once, without Enter; Escape is no answer.
    std::string readKeyAnswer(const std::string& prompt) override;
    // A cleared page stays readable above the new one.
    void aboutToClear() override { view_.keepScrollback(screen()); }
    void pageChanged() override { view_.pageChanged(); }

private:
    std::string await(ConsoleView::Wait what);

    ConsoleView& view_;
    QEventLoop* loop_ = nullptr;
};

}  // namespace hx::gui
