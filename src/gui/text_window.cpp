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
            const QRect room = screen->availableGeometry();
            const QRect frame = main.frameGeometry();
            const int x = std::clamp(frame.left(), room.left(),
                                     std::max(room.left(), room.right() - width()));
            int y = frame.bottom() + 1;
            if (y + height() > room.bottom()) y = std::max(room.top(), room.bottom() - height());
            move(x, y);
        }
    }
    if (!isVisible()) show();
}

void TextWindow::closeEvent(QCloseEvent* event) {
    event->accept();  // hidden, not ended: the program runs on
}

}  // namespace hx::gui
