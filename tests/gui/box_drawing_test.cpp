// Box-drawing characters drawn as lines that join at the cell edges.
#include "gui/box_drawing.h"

#include <gtest/gtest.h>

#include <QImage>

namespace hx::gui {
namespace {

bool dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

// Draws a row of characters, each two cells of 8 x 16, at a scale.
QImage drawRow(std::u32string_view text, qreal scale) {
    const int cellW = 16, cellH = 16;
    QImage image(static_cast<int>(static_cast<qreal>(text.size()) * cellW * scale),
                 static_cast<int>(cellH * scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    for (std::size_t i = 0; i < text.size(); ++i) {
        BoxArms arms;
        if (boxArms(text[i], arms))
            drawBoxArms(painter, QRect(static_cast<int>(i) * cellW, 0, cellW, cellH), arms,
                        Qt::black);
    }
    return image;
}

TEST(BoxDrawing, ArmsOfTheTableCharacters) {
    BoxArms arms;
    ASSERT_TRUE(boxArms(U'┼', arms));
    EXPECT_EQ(arms.up + arms.down + arms.left + arms.right, 4);
    ASSERT_TRUE(boxArms(U'━', arms));
    EXPECT_EQ(arms.left, 2);
    EXPECT_EQ(arms.up, 0);
    ASSERT_TRUE(boxArms(U'┘', arms));
    EXPECT_EQ(arms.up, 1);
    EXPECT_EQ(arms.left, 1);
    EXPECT_EQ(arms.right, 0);
    EXPECT_FALSE(boxArms(U'A', arms));
}

TEST(BoxDrawing, AHorizontalLineRunsUnbrokenThroughCrossingsAndTees) {
    const QImage row = drawRow(U"─┼─┬─┴─", 1.0);
    int y = -1;
    for (int yy = 0; yy < row.height() && y < 0; ++yy)
        if (dark(row, 0, yy)) y = yy;
    ASSERT_GE(y, 0);
    for (int x = 0; x < row.width(); ++x) EXPECT_TRUE(dark(row, x, y)) << "gap at x " << x;
    // The cross reaches both edges of its cell, so the rows above and below join it.
    EXPECT_TRUE(dark(row, 24, 0));
    EXPECT_TRUE(dark(row, 24, 15));
    // No tick of the cross's glyph beside its line.
    EXPECT_FALSE(dark(row, 20, 2));
}

TEST(BoxDrawing, LinesJoinWhenScaled) {
    const QImage row = drawRow(U"──", 1.5);
    int y = -1;
    for (int yy = 0; yy < row.height() && y < 0; ++yy)
        if (dark(row, 0, yy)) y = yy;
    ASSERT_GE(y, 0);
    for (int x = 0; x < row.width(); ++x) EXPECT_TRUE(dark(row, x, y)) << "gap at x " << x;
}

}  // namespace
}  // namespace hx::gui
