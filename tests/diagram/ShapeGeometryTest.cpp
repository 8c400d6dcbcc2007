#include <schemakit/diagram/ShapeGeometry.h>

#include <gtest/gtest.h>

using namespace schemakit;

namespace {

TShapePath Path(std::initializer_list<QPoint> points)
{
    return TShapePath(points);
}

} // namespace

TEST(ShapeGeometry, TheOutlinesOfANewTextBox)
{
    const TShapeOutline sheet = ShapeOutline(skRectangle, 65, 17);
    ASSERT_EQ(sheet.Filled.size(), 2);
    EXPECT_EQ(sheet.Filled[0], Path({{55, 0}, {64, 10}, {64, 16}, {0, 16}, {0, 0}, {55, 0}}));
    EXPECT_EQ(sheet.Filled[1], Path({{55, 0}, {55, 10}, {65, 10}}));
    EXPECT_EQ(sheet.TextArea, (TShapeEdges{1, 2, 64, 17}));

    const TShapeOutline star = ShapeOutline(skStar, 65, 17);
    ASSERT_EQ(star.Open.size(), 1);
    EXPECT_EQ(star.Open[0], Path({{32, 0}, {10, 15}, {65, 6}, {0, 6}, {55, 15}, {32, 0}}));
    EXPECT_TRUE(star.Filled.isEmpty());
    EXPECT_EQ(ShapeOutline(skTriangle, 65, 17).Open.value(0), Path({{0, 16}, {32, 0}, {65, 16}, {0, 16}}));
    EXPECT_EQ(ShapeOutline(skOctogon, 65, 17).Open.value(0),
              Path({{21, 0}, {44, 0}, {64, 5}, {64, 12}, {44, 16}, {21, 16}, {0, 12}, {0, 5}, {21, 0}}));

    const TShapeOutline round = ShapeOutline(skRoundRect, 65, 17);
    EXPECT_TRUE(round.RoundRect);
    EXPECT_EQ(round.CornerSize, 10);
    EXPECT_EQ(round.Bounds, QRect(0, 0, 65, 17));
    EXPECT_TRUE(ShapeOutline(skEllipse, 65, 17).Ellipse);

    // Every kind but the sheet keeps the text off the outline by one pixel at
    // the left and the top only.
    for (TSchemaShapeKind kind : {skNone, skRoundRect, skEllipse, skStar, skTriangle, skOctogon}) {
        EXPECT_EQ(ShapeOutline(kind, 120, 40).TextArea, (TShapeEdges{1, 1, 120, 40})) << int(kind);
    }
    const TShapeOutline none = ShapeOutline(skNone, 65, 17);
    EXPECT_TRUE(none.Filled.isEmpty() && none.Open.isEmpty() && !none.RoundRect && !none.Ellipse);
}

TEST(ShapeGeometry, TextSitsAtTheTopCentreOrBottom)
{
    // A line of 13 pixels laid out from top 1 ends at 14.
    EXPECT_EQ(TextLayoutShift(tlTop, 17, 14), 0);
    EXPECT_EQ(TextLayoutShift(tlCenter, 17, 14), 1);
    EXPECT_EQ(TextLayoutShift(tlBottom, 17, 14), 3);
    // Text taller than the box moves up, truncating towards zero.
    EXPECT_EQ(TextLayoutShift(tlCenter, 17, 20), -1);
}
