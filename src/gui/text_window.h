// The text window as a window of its own beside the forms, at least 100
// columns by 30 rows at the default font size. Closing it only hides it:
// it comes back whenever the calculation waits for an answer.
#pragma once

#include <QWidget>

#include "gui/console_view.h"

namespace hx::gui {

class TextWindow : public QWidget {
public:
    explicit TextWindow(ConsoleView* view);  // takes the view

    ConsoleView& view() const { return *view_; }
    void setJapanese(bool japanese);
    // Shows it under the main window where the screen has room, else at the
    // bottom of the screen; after that where the user left it.
    void showBeside(const QWidget& main);
    // The font of the grid: larger, smaller, or back to the default.
    void changeFont(int steps);
    void resetFont();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void fitView();

    ConsoleView* view_;
    bool placed_ = false;
};

}  // namespace hx::gui
