#include <schemakit/diagram/Routing.h>

#include <gtest/gtest.h>

using namespace schemakit::Routing;

namespace {

// Boxes given by left edge and width, as the pane knows them; both rows at y 50.
Route Horizontal(int parentLeft, int parentWidth, int childLeft, int childWidth)
{
    return RouteLink({.parentLeft = parentLeft,
                      .parentRight = parentLeft + parentWidth,
                      .childLeft = childLeft,
                      .childRight = childLeft + childWidth,
                      .parentRowY = 50,
                      .childRowY = 50});
}

void ExpectSpan(const Route& r, int left, int right, int code)
{
    EXPECT_EQ(r.bounds.left(), left);
    EXPECT_EQ(r.bounds.width(), right - left);
    EXPECT_EQ(r.lnkX, code);
}

} // namespace

TEST(Routing, ParentOnTheLeftNeedsMoreThanTheClearanceToCountAsApart)
{
    ExpectSpan(Horizontal(0, 100, 116, 80), 100, 116, kXParentLeft);
    ExpectSpan(Horizontal(0, 100, 115, 80), 100, 195 + kClearance, kXChildOuter);
    // The child starts further right but ends inside the parent.
    ExpectSpan(Horizontal(0, 100, 40, 30), 70, 100 + kClearance, kXParentOuter);
}

TEST(Routing, ChildOnTheLeftCountsExactlyTheClearanceAsApart)
{
    ExpectSpan(Horizontal(115, 80, 0, 100), 100, 115, kXChildLeft);
    ExpectSpan(Horizontal(114, 80, 0, 100), 100, 194 + kClearance, kXParentOuter);
    // The child starts at or left of the parent and reaches beyond its right edge.
    ExpectSpan(Horizontal(50, 50, 0, 200), 100, 200 + kClearance, kXChildOuter);
    ExpectSpan(Horizontal(50, 50, 50, 51), 100, 101 + kClearance, kXChildOuter);
}

TEST(Routing, EqualRightEdgesLoopFromTheCommonEdge)
{
    ExpectSpan(Horizontal(20, 100, 20, 100), 120, 135, kXParentOuter);
    ExpectSpan(Horizontal(20, 100, 30, 90), 120, 135, kXChildOuter);
    ExpectSpan(Horizontal(30, 90, 20, 100), 120, 135, kXParentOuter);
}

TEST(Routing, SelfLinkReachesOutFromTheRightEdgeAndLeavesTheCodeAlone)
{
    const Route r = RouteLink({.parentLeft = 40,
                               .parentRight = 190,
                               .childLeft = 40,
                               .childRight = 190,
                               .parentRowY = 90,
                               .childRowY = 60,
                               .selfLink = true});
    EXPECT_EQ(r.bounds, QRect(190, 53, 15, 44));
    EXPECT_FALSE(r.lnkX.has_value());
    EXPECT_EQ(r.lnkY, kYChildNotLower);
}

TEST(Routing, RowsGiveTheVerticalSpanAndCode)
{
    Ends ends{.parentLeft = 0, .parentRight = 100, .childLeft = 300, .childRight = 400};
    ends.parentRowY = 50;
    ends.childRowY = 120;
    Route r = RouteLink(ends);
    EXPECT_EQ(r.bounds.top(), 43);
    EXPECT_EQ(r.bounds.height(), 84);
    EXPECT_EQ(r.lnkY, kYChildLower);

    std::swap(ends.parentRowY, ends.childRowY);
    r = RouteLink(ends);
    EXPECT_EQ(r.bounds.top(), 43);
    EXPECT_EQ(r.bounds.height(), 84);
    EXPECT_EQ(r.lnkY, kYChildNotLower);

    ends.childRowY = ends.parentRowY = -30; // a row scrolled out above the pane
    r = RouteLink(ends);
    EXPECT_EQ(r.bounds.top(), -37);
    EXPECT_EQ(r.bounds.height(), 14);
    EXPECT_EQ(r.lnkY, kYChildNotLower);
}

TEST(Routing, RelationNameJoinsTheBoxCaptions)
{
    EXPECT_EQ(RelationName("customer", "orders"), QString("customer :: orders"));
    EXPECT_EQ(RelationName("", ""), QString(" :: "));
}
