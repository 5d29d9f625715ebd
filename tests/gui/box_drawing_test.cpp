// Box-drawing characters drawn as lines that join at the cell edges.
#include "gui/app/box_drawing.h"

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

// The first pixel row that the line at the left edge darkens; -1 for none.
int lineRow(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        if (dark(image, 0, y)) return y;
    return -1;
}

void expectUnbroken(const QImage& image, int y) {
    ASSERT_GE(y, 0);
    for (int x = 0; x < image.width(); ++x) EXPECT_TRUE(dark(image, x, y)) << "gap at x " << x;
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

TEST(BoxDrawing, AJunctionLeavesOutTheArmsThatMeetNoLine) {
    BoxArms cross, line, vertical;
    ASSERT_TRUE(boxArms(U'┼', cross));
    ASSERT_TRUE(boxArms(U'─', line));
    ASSERT_TRUE(boxArms(U'│', vertical));
    // Under a header rule, over a row that spans the column: drawn as "┴".
    const BoxArms overSpan = joinedArms(cross, {vertical, BoxArms{}, line, line});
    EXPECT_EQ(overSpan.up, 1);
    EXPECT_EQ(overSpan.down, 0);
    EXPECT_EQ(overSpan.left, 1);
    EXPECT_EQ(overSpan.right, 1);
    // Inside the table it stays a cross.
    const BoxArms inside = joinedArms(cross, {vertical, vertical, line, line});
    EXPECT_EQ(inside.down, 1);
    // A line keeps its arms whatever lies beside it.
    EXPECT_EQ(joinedArms(line, {}).left, 1);
    EXPECT_EQ(joinedArms(line, {}).right, 1);
}

TEST(BoxDrawing, AHorizontalLineRunsUnbrokenThroughCrossingsAndTees) {
    const QImage row = drawRow(U"─┼─┬─┴─", 1.0);
    expectUnbroken(row, lineRow(row));
    // The cross reaches both edges of its cell, so the rows above and below join it.
    EXPECT_TRUE(dark(row, 24, 0));
    EXPECT_TRUE(dark(row, 24, 15));
    // No tick of the cross's glyph beside its line.
    EXPECT_FALSE(dark(row, 20, 2));
}

TEST(BoxDrawing, LinesJoinWhenScaled) {
    for (qreal scale : {1.5, 2.0}) {
        const QImage row = drawRow(U"──┼──", scale);
        expectUnbroken(row, lineRow(row));
    }
}

}  // namespace
}  // namespace hx::gui
