#include "gui/app/box_drawing.h"

#include <algorithm>

namespace hx::gui {

namespace {

struct BoxChar {
    char32_t code;
    BoxArms arms;  // up, down, left, right
};

// The light and heavy lines, corners, tees and crosses the reports print,
// and the mixed ones that join a heavy line to a light one.
constexpr BoxChar kBoxChars[] = {
    {U'─', {0, 0, 1, 1}}, {U'━', {0, 0, 2, 2}}, {U'│', {1, 1, 0, 0}}, {U'┃', {2, 2, 0, 0}},
    {U'┌', {0, 1, 0, 1}}, {U'┏', {0, 2, 0, 2}}, {U'┐', {0, 1, 1, 0}}, {U'┓', {0, 2, 2, 0}},
    {U'└', {1, 0, 0, 1}}, {U'┗', {2, 0, 0, 2}}, {U'┘', {1, 0, 1, 0}}, {U'┛', {2, 0, 2, 0}},
    {U'├', {1, 1, 0, 1}}, {U'┣', {2, 2, 0, 2}}, {U'┠', {2, 2, 0, 1}}, {U'┤', {1, 1, 1, 0}},
    {U'┫', {2, 2, 2, 0}}, {U'┨', {2, 2, 1, 0}}, {U'┬', {0, 1, 1, 1}}, {U'┳', {0, 2, 2, 2}},
    {U'┯', {0, 1, 2, 2}}, {U'┴', {1, 0, 1, 1}}, {U'┻', {2, 0, 2, 2}}, {U'┷', {1, 0, 2, 2}},
    {U'┼', {1, 1, 1, 1}}, {U'╋', {2, 2, 2, 2}}, {U'┿', {1, 1, 2, 2}}, {U'╂', {2, 2, 1, 1}},
};

}  // namespace

bool boxArms(char32_t codePoint, BoxArms& arms) {
    for (const BoxChar& c : kBoxChars) {
        if (c.code != codePoint) continue;
        arms = c.arms;
        return true;
    }
    return false;
}

BoxArms joinedArms(const BoxArms& arms, const BoxNeighbours& next) {
    const int count = (arms.up > 0) + (arms.down > 0) + (arms.left > 0) + (arms.right > 0);
    if (count < 3) return arms;
    BoxArms joined = arms;
    if (!next.above.down) joined.up = 0;
    if (!next.below.up) joined.down = 0;
    if (!next.left.right) joined.left = 0;
    if (!next.right.left) joined.right = 0;
    // A junction with nothing to meet is drawn whole rather than not at all.
    const int kept = (joined.up > 0) + (joined.down > 0) + (joined.left > 0) + (joined.right > 0);
    return kept >= 2 ? joined : arms;
}

void drawBoxArms(QPainter& painter, const QRect& cell, const BoxArms& arms, const QColor& colour) {
    // Line widths follow the cell height: a light line a twelfth of it,
    // a heavy one twice that, never thinner than a pixel.
    const int light = std::max(1, cell.height() / 12);
    auto thickness = [&](int weight) { return weight == 2 ? 2 * light + 1 : light; };
    const int cx = cell.left() + cell.width() / 2;
    const int cy = cell.top() + cell.height() / 2;
    // Where the arms meet: the widest crossing line decides how far each arm
    // reaches past the middle, so a corner or tee is closed.
    const int across = thickness(std::max(arms.up, arms.down));
    const int along = thickness(std::max(arms.left, arms.right));
    auto band = [](int centre, int width) { return centre - width / 2; };
    const int joinLeft = band(cx, across);
    const int joinTop = band(cy, along);
    const int right = cell.left() + cell.width();
    const int bottom = cell.top() + cell.height();
    if (arms.left) {
        const int t = thickness(arms.left);
        painter.fillRect(QRect(cell.left(), band(cy, t), joinLeft + across - cell.left(), t),
                         colour);
    }
    if (arms.right) {
        const int t = thickness(arms.right);
        painter.fillRect(QRect(joinLeft, band(cy, t), right - joinLeft, t), colour);
    }
    if (arms.up) {
        const int t = thickness(arms.up);
        painter.fillRect(QRect(band(cx, t), cell.top(), t, joinTop + along - cell.top()), colour);
    }
    if (arms.down) {
        const int t = thickness(arms.down);
        painter.fillRect(QRect(band(cx, t), joinTop, t, bottom - joinTop), colour);
    }
}

}  // namespace hx::gui
