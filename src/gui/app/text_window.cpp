#include "gui/app/text_window.h"

#include <QCloseEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/app/screen_fit.h"
#include "gui/app/window_titles.h"

namespace hx::gui {

TextWindow::TextWindow(ConsoleView* view) : QWidget(nullptr), view_(view) {
    setObjectName(QStringLiteral("TEXT"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view_->setParent(this);
    layout->addWidget(view_);
    setJapanese(true);
    fitView();
}

void TextWindow::setJapanese(bool japanese) { setWindowTitle(gui::windowTitle("TEXT", japanese)); }

void TextWindow::fitView() {
    // The full width of the grid; the rows are the user's to choose.
    view_->setMinimumWidth(view_->sizeHint().width());
    resize(view_->sizeHint().expandedTo(QSize(width(), 0)).width(), view_->sizeHint().height());
}

void TextWindow::changeFont(int steps) {
    view_->setFontPixels(view_->fontPixels() + steps);
    fitView();
    if (isVisible()) keepOnScreen(*this);  // the last row stays on the screen
}

void TextWindow::resetFont() {
    view_->setFontPixels(ConsoleView::kDefaultFontPixels);
    fitView();
    if (isVisible()) keepOnScreen(*this);
}

void TextWindow::showBeside(QWidget& main) {
    if (!placed_) {
        placed_ = true;
        arrange(main, availableArea(main));
    }
    if (!isVisible()) show();
    keepOnScreen(*this);
    keepOnScreen(main);
}

void TextWindow::arrange(QWidget& main, const QRect& room) {
    // Beside the main window where the screen is wide enough, under it where
    // it is tall enough; else in the screen's bottom right corner, leaving
    // the main window's left side (the selection panel, OPEN) in view.
    // Taller than the room, the text window is shortened: its last line (the
    // key prompt of the results menu) must be on the screen. The positions
    // are of the frames, a window manager's borders and title bar allowed
    // for; keepOnScreen corrects them once the real frame is known.
    const QSize frame(8, 32);
    if (height() + frame.height() > room.height())
        resize(width(), std::max(minimumHeight(), room.height() - frame.height()));
    const QSize m = main.size() + frame;
    const QSize t = size() + frame;
    const auto place = [](QWidget& w, int x, int y) { w.move(x, y); };
    auto centred = [](int room0, int roomLength, int length) {
        return room0 + std::max(0, (roomLength - length) / 2);
    };
    if (room.width() >= m.width() + t.width()) {
        const int x = centred(room.left(), room.width(), m.width() + t.width());
        const int y = centred(room.top(), room.height(), std::max(m.height(), t.height()));
        place(main, x, y);
        place(*this, x + m.width(), y);
    } else if (room.height() >= m.height() + t.height()) {
        const int x = centred(room.left(), room.width(), std::max(m.width(), t.width()));
        const int y = centred(room.top(), room.height(), m.height() + t.height());
        place(main, x, y);
        place(*this, x, y + m.height());
    } else {
        place(main, room.left(), room.top());
        place(*this, std::max(room.left(), room.right() + 1 - t.width()),
              std::max(room.top(), room.bottom() + 1 - t.height()));
    }
}

void TextWindow::closeEvent(QCloseEvent* event) {
    // Hidden, not ended: the program runs on. While a question waits for
    // its answer here the window stays.
    if (view_->waiting() != ConsoleView::Wait::None)
        event->ignore();
    else
        event->accept();
}

}  // namespace hx::gui
