// Box-drawing characters of the text window drawn as lines rather than
// glyphs: each arm runs from the middle of the character's cells to their
// edge, so the lines of a table join without gaps at any font size or scale.
#pragma once

#include <QPainter>
#include <QRect>

namespace hx::gui {

// How far a box-drawing character reaches out of its cells: 0 no arm,
// 1 a light line, 2 a heavy line.
struct BoxArms {
    int up = 0;
    int down = 0;
    int left = 0;
    int right = 0;
};

// The arms of a character; false for a character this drawing does not know
// (it is then drawn from the font).
bool boxArms(char32_t codePoint, BoxArms& arms);

// The arms of a junction (a tee or a cross) that meet a line: an arm whose
// neighbour in its direction has no arm back is left out, so that a cross
// over a row its line does not go on into ("┼" over a row that spans two
// columns) leaves no tick in it. Lines and corners keep their arms.
// A neighbour that is no box-drawing character is given as no arms.
struct BoxNeighbours {
    BoxArms above, below, left, right;
};
BoxArms joinedArms(const BoxArms& arms, const BoxNeighbours& next);

// Draws the arms in `cell` (the character's cells, both halves of a wide one).
void drawBoxArms(QPainter& painter, const QRect& cell, const BoxArms& arms, const QColor& colour);

}  // namespace hx::gui
