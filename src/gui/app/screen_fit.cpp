#include "gui/app/screen_fit.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace hx::gui {

QRect availableArea(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

bool keepInside(QWidget& window, const QRect& area) {
    if (area.isEmpty()) return false;
    const QRect frame = window.frameGeometry();
    // The frame's borders and title bar, around the inside of the window.
    const QSize border = frame.size() - window.size();
    const QSize fits(std::min(window.width(), area.width() - border.width()),
                     std::min(window.height(), area.height() - border.height()));
    bool changed = false;
    if (fits != window.size()) {
        window.resize(fits.expandedTo(window.minimumSize()).boundedTo(area.size() - border));
        changed = true;
    }
    const QSize outer = window.size() + border;
    const int x = std::clamp(frame.left(), area.left(),
                             std::max(area.left(), area.right() + 1 - outer.width()));
    const int y = std::clamp(frame.top(), area.top(),
                             std::max(area.top(), area.bottom() + 1 - outer.height()));
    if (QPoint(x, y) != frame.topLeft()) {
        window.move(x, y);  // a window's position is that of its frame
        changed = true;
    }
    return changed;
}

void keepOnScreen(QWidget& window) {
    keepInside(window, availableArea(window));
    // Once more when the window manager has put its frame around it.
    QPointer<QWidget> later(&window);
    for (int ms : {150, 600})
        QTimer::singleShot(ms, &window, [later] {
            if (later && later->isVisible()) keepInside(*later, availableArea(*later));
        });
}

}  // namespace hx::gui
