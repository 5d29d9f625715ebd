#include "gui/text_window.h"

#include <QCloseEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/window_titles.h"

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
}

void TextWindow::resetFont() {
    view_->setFontPixels(ConsoleView::kDefaultFontPixels);
    fitView();
}

void TextWindow::showBeside(const QWidget& main) {
    if (!placed_) {
        placed_ = true;
        if (const QScreen* screen = main.screen()) {
            // Under the main window where the screen has room; else in the
            // screen's bottom right corner, leaving the main window's left
            // side (the selection panel, OPEN) in view.
            const QRect room = screen->availableGeometry();
            const QRect frame = main.frameGeometry();
            const QSize outer = frameGeometry().size().expandedTo(size() + QSize(0, 24));
            QPoint at(frame.left(), frame.bottom() + 1);
            if (at.y() + outer.height() > room.bottom() + 1)
                at = QPoint(room.right() + 1 - outer.width(), room.bottom() + 1 - outer.height());
            at.setX(std::clamp(at.x(), room.left(),
                               std::max(room.left(), room.right() + 1 - outer.width())));
            at.setY(std::max(at.y(), room.top()));
            move(at);
        }
    }
    if (!isVisible()) show();
}

void TextWindow::closeEvent(QCloseEvent* event) {
    event->accept();  // hidden, not ended: the program runs on
}

}  // namespace hx::gui
