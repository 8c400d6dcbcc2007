#include <schemakit/diagram/ItemGeometry.h>

#include <gtest/gtest.h>

using namespace schemakit::ItemGeometry;

TEST(ItemGeometry, ListRowsAttachAtTheirMiddlePlusOneAsScrolled)
{
    EXPECT_EQ(ListRowY(0, 0, 13, 0), 7);
    EXPECT_EQ(ListRowY(2, 0, 13, 0), 33);
    // Rows scrolled out above the top give values above the list, truncated
    // toward zero: (-3 * 13) / 2 = -19.
    EXPECT_EQ(ListRowY(1, 3, 13, 0), -18);
    EXPECT_EQ(ListRowY(0, 0, 13, 21), 28);
    EXPECT_EQ(ClampRowY(500, 20, 100), 120);
    EXPECT_EQ(ClampRowY(-18, 20, 100), -18);
}

TEST(ItemGeometry, TreeRowsInCollapsedNodesUseTheLastShownLine)
{
    // Nodes 0..4 with node 1 collapsed over 2 and 3: shown are 0, 1 and 4.
    const QList<int> shown{0, 1, 4};
    EXPECT_EQ(TreeRowY(TreeRowLine(shown, 3), 0), 25);
    EXPECT_EQ(TreeRowY(TreeRowLine(shown, 4), 0), 41);
    EXPECT_EQ(TreeRowY(TreeRowLine(shown, 0), 0), 9);
    // The tree is scrolled so that node 3 is its top line: row 1 takes line 0.
    EXPECT_EQ(TreeRowLine({3, 4}, 1), 0);
    EXPECT_EQ(TreeRowLine({}, 7), 0);
    EXPECT_EQ(ShapeRowY(4), 13);
}

TEST(ItemGeometry, BoxSizesFollowTheirContent)
{
    EXPECT_EQ(ClientHeightFor(5 * 13, true), 74);
    EXPECT_EQ(ClientHeightFor(3 * kTreeLineHeight, true), 57);
    EXPECT_EQ(ClientHeightFor(40, false), 44);

    const int g = 13;
    EXPECT_EQ(ListOuterWidth(80, true, g), 135 + g);
    EXPECT_EQ(ListOuterWidth(200, false, g), 220 + g);
    EXPECT_EQ(FitCaptionWidth(135 + g, 150), 184);
    EXPECT_EQ(FitCaptionWidth(300, 150), 300);
    EXPECT_EQ(ShapeOuterWidth(64, true), 69);
}
