#include <schemakit/package/GridGeometry.h>

#include <gtest/gtest.h>

using namespace schemakit;

namespace {

// Column 0 fixed (60 wide), then four columns of 100, 50, 100 and 30; one
// pixel of grid line after each.
TGridAxis Columns()
{
    TGridAxis axis;
    axis.Sizes = {60, 100, 50, 100, 30};
    return axis;
}

} // namespace

TEST(GridGeometry, CellsFollowTheFixedCellsAndTheFirstScrolledOne)
{
    TGridAxis axis = Columns();
    EXPECT_EQ(axis.Start(0), 0);
    EXPECT_EQ(axis.Start(1), 61);
    EXPECT_EQ(axis.Start(3), 61 + 101 + 51);
    EXPECT_EQ(axis.Start(5), -1);

    axis.First = 3;
    EXPECT_EQ(axis.Start(0), 0);
    EXPECT_EQ(axis.Start(1), -1); // scrolled out
    EXPECT_EQ(axis.Start(3), 61);
    EXPECT_EQ(axis.IndexAt(60), 0); // the line belongs to the cell before it
    EXPECT_EQ(axis.IndexAt(61), 3);
    EXPECT_EQ(axis.IndexAt(61 + 101 + 31), -1); // past the last cell
    EXPECT_EQ(axis.IndexAt(-1), -1);

    // Borders are grabbed a few pixels either side, the fixed one included.
    EXPECT_EQ(axis.BorderAt(62, 3), 0);
    EXPECT_EQ(axis.BorderAt(61 + 100 + 2, 3), 3);
    EXPECT_EQ(axis.BorderAt(61 + 50, 3), -1);

    TGridLayout layout{Columns(), {}};
    layout.Rows.Sizes = {19, 19, 19};
    EXPECT_EQ(layout.CellRect(2, 1), QRect(162, 20, 50, 19));
    EXPECT_EQ(layout.CellAt(QPoint(170, 45)), QPoint(2, 2));
    EXPECT_TRUE(layout.CellRect(9, 1).isEmpty());
}

TEST(GridGeometry, ScrollingStopsWhenTheLastCellIsShownWhole)
{
    TGridAxis axis = Columns();
    // Everything fits: nothing to scroll.
    EXPECT_EQ(axis.MaxFirst(1000), 1);
    // 61 fixed + 101 + 31 = 193: the last two columns fit from column 3 on.
    EXPECT_EQ(axis.MaxFirst(193), 3);
    EXPECT_EQ(axis.MaxFirst(192), 4);
    // A view narrower than the last cell still reaches it.
    EXPECT_EQ(axis.MaxFirst(70), 4);
    axis.First = 9;
    axis.ClampFirst(193);
    EXPECT_EQ(axis.First, 3);

    // Bringing a cell into view scrolls as little as needed.
    axis.First = 1;
    axis.ScrollInView(3, 250);
    EXPECT_EQ(axis.First, 2);
    EXPECT_EQ(axis.LastVisible(250), 4);
    axis.ScrollInView(1, 250);
    EXPECT_EQ(axis.First, 1);
    axis.ScrollInView(0, 250); // a fixed cell is always shown
    EXPECT_EQ(axis.First, 1);
}
