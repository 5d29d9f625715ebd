// Keeping a window inside the screen's available area (the screen less its
// panels): the whole frame, title bar included, so that the last line of a
// window is never under the screen edge. A window manager frames a window
// only after it is shown, so the check runs again once the frame is known.
#pragma once

#include <QRect>
#include <QWidget>

namespace hx::gui {

// The available area of the screen a window is on (of the primary screen
// when it has none yet).
QRect availableArea(const QWidget& window);

// Shrinks the window to the area where it is larger and moves its frame
// inside it. Returns true when the window was moved or resized.
bool keepInside(QWidget& window, const QRect& area);

// keepInside on the window's own screen, now and again after the window
// manager has framed it.
void keepOnScreen(QWidget& window);

}  // namespace hx::gui
