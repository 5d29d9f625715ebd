// The text window as a window of its own beside the forms, at least 100
// columns by 30 rows at the default font size. Closing it only hides it
// (and not while a question waits there): it comes back whenever the
// calculation waits for an answer.
#pragma once

#include <QWidget>

#include "gui/app/console_view.h"

namespace hx::gui {

class TextWindow : public QWidget {
public:
    explicit TextWindow(ConsoleView* view);  // takes the view

    ConsoleView& view() const { return *view_; }
    void setJapanese(bool japanese);
    // Shows it; the first time it and the main window are arranged on the
    // screen together, after that it stays where the user left it.
    void showBeside(QWidget& main);
    // The font of the grid: larger, smaller, or back to the default.
    void changeFont(int steps);
    void resetFont();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void fitView();
    void arrange(QWidget& main, const QRect& room);

    ConsoleView* view_;
    bool placed_ = false;
};

}  // namespace hx::gui
