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

TEST(ShapeGeometry, LabelTextPlacementAndFlags)
{
    // An empty text, and a lone "&" that would be a mnemonic, still take a line.
    EXPECT_EQ(LabelMeasuredText(QString(), true), QStringLiteral(" "));
    EXPECT_EQ(LabelMeasuredText(QString(), false), QStringLiteral(" "));
    EXPECT_EQ(LabelMeasuredText(QStringLiteral("&"), true), QStringLiteral("& "));
    EXPECT_EQ(LabelMeasuredText(QStringLiteral("&"), false), QStringLiteral("&"));
    EXPECT_EQ(LabelMeasuredText(QStringLiteral("&&"), true), QStringLiteral("&&"));

    // A line 13 high in the new label's sheet: top 2, so it ends at 15.
    const TShapeEdges sheet = ShapeOutline(skRectangle, 65, 17).TextArea;
    EXPECT_EQ(PlaceLabelText(sheet, tlTop, 17, 13), sheet);
    EXPECT_EQ(PlaceLabelText(sheet, tlCenter, 17, 13), (TShapeEdges{1, 3, 64, 16}));
    EXPECT_EQ(PlaceLabelText(sheet, tlBottom, 17, 13), (TShapeEdges{1, 4, 64, 17}));
    // Text taller than the box moves up, by a truncated half when centred.
    EXPECT_EQ(PlaceLabelText({1, 1, 65, 17}, tlCenter, 17, 20), (TShapeEdges{1, -1, 65, 19}));
    EXPECT_EQ(PlaceLabelText({1, 1, 65, 17}, tlBottom, 17, 20), (TShapeEdges{1, -3, 65, 17}));

    const int wrapped = LabelTextFlags(taCenter, true, true);
    EXPECT_EQ(wrapped, Qt::TextExpandTabs | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic | Qt::AlignHCenter);
    EXPECT_EQ(LabelTextFlags(taLeftJustify, false, false), Qt::TextExpandTabs | Qt::AlignTop | Qt::AlignLeft);
    EXPECT_EQ(LabelTextFlags(taRightJustify, false, false) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}
