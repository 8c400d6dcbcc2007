#include <schemakit/diagram/RelationGeometry.h>
#include <schemakit/diagram/Routing.h>

#include <gtest/gtest.h>

using namespace schemakit;
using namespace schemakit::RelationGeometry;

// Readable failures: QPoint lives in the global namespace, LinkCase in ours.
static void PrintTo(const QPoint& p, std::ostream* os)
{
    *os << '(' << p.x() << ", " << p.y() << ')';
}

namespace schemakit::RelationGeometry {
static void PrintTo(LinkCase c, std::ostream* os)
{
    *os << "LinkCase " << static_cast<int>(c);
}
} // namespace schemakit::RelationGeometry

namespace {

using P = QPoint;

// Routes a link between two boxes and lays it out, as the pane and the link do.
struct Routed {
    QRect bounds;
    Layout layout;
    QPoint Pane(QPoint p) const { return p + bounds.topLeft(); }
};

Routed Route(const Routing::Ends& ends)
{
    const Routing::Route r = Routing::RouteLink(ends);
    return {r.bounds, LayoutFor(r.lnkX.value_or(0), r.lnkY, ends.selfLink, r.bounds.width(), r.bounds.height())};
}

void ExpectLayout(const Layout& l, LinkCase kind, Quad line, QPoint open, QPoint filled, Quad band)
{
    EXPECT_EQ(l.kind, kind);
    EXPECT_EQ(l.line, line);
    EXPECT_EQ(l.openMark, open);
    EXPECT_EQ(l.filledMark, filled);
    EXPECT_EQ(l.band, band);
}

} // namespace

TEST(RelationGeometry, EveryCaseDrawsItsPoints)
{
    // W 60, H 40 throughout.
    ExpectLayout(LayoutFor(3, 1, true, 60, 40), LinkCase::Self, {P(0, 7), P(10, 7), P(10, 33), P(0, 33)}, P(3, 4),
                 P(3, 30), {P(15, 2), P(5, 12), P(5, 38), P(15, 28)});
    ExpectLayout(LayoutFor(1, 1, false, 60, 40), LinkCase::StraightDown, {P(0, 7), P(15, 7), P(45, 33), P(60, 33)},
                 P(3, 4), P(48, 30), {P(20, 2), P(10, 12), P(40, 38), P(50, 28)});
    ExpectLayout(LayoutFor(2, 1, false, 60, 40), LinkCase::RightLoopTopStart, {P(0, 7), P(15, 7), P(55, 33), P(45, 33)},
                 P(3, 4), P(48, 30), {P(20, 2), P(10, 12), P(50, 38), P(60, 28)});
    ExpectLayout(LayoutFor(3, 1, false, 60, 40), LinkCase::RightLoopBottomStart,
                 {P(45, 7), P(55, 7), P(15, 33), P(0, 33)}, P(3, 30), P(48, 4),
                 {P(50, 2), P(60, 12), P(20, 38), P(10, 28)});
    ExpectLayout(LayoutFor(2, 2, false, 27, 40), LinkCase::NarrowBracket, {P(0, 7), P(15, 7), P(15, 33), P(0, 33)},
                 P(3, 4), P(3, 30), {P(10, 2), P(20, 12), P(20, 38), P(10, 28)});
    ExpectLayout(LayoutFor(4, 1, false, 60, 40), LinkCase::StraightUp, {P(60, 7), P(45, 7), P(15, 33), P(0, 33)},
                 P(3, 30), P(48, 4), {P(40, 2), P(50, 12), P(20, 38), P(10, 28)});
    EXPECT_EQ(MarkRect(P(3, 4)), QRect(3, 4, kMarkSize, kMarkSize));
}

TEST(RelationGeometry, CasesAreTriedInTableOrder)
{
    // A self link wins over any code, including "never routed".
    for (int x = 0; x <= 4; ++x)
        EXPECT_EQ(ChooseCase(x, 2, true, 15), LinkCase::Self) << x;

    // Straight links ignore the width, however narrow.
    EXPECT_EQ(ChooseCase(1, 1, false, 16), LinkCase::StraightDown);
    EXPECT_EQ(ChooseCase(4, 2, false, 15), LinkCase::StraightDown);
    EXPECT_EQ(ChooseCase(4, 1, false, 15), LinkCase::StraightUp);
    EXPECT_EQ(ChooseCase(1, 2, false, 500), LinkCase::StraightUp);

    // Close boxes: 28 is the first width that loops, for every code pair.
    for (int y : {1, 2}) {
        for (int x : {2, 3}) {
            const LinkCase loop = (x == 2) == (y == 1) ? LinkCase::RightLoopTopStart : LinkCase::RightLoopBottomStart;
            EXPECT_EQ(ChooseCase(x, y, false, 28), loop) << x << y;
            EXPECT_EQ(ChooseCase(x, y, false, 27), LinkCase::NarrowBracket) << x << y;
        }
    }

    EXPECT_EQ(ChooseCase(0, 1, false, 105), LinkCase::None);
    EXPECT_EQ(ChooseCase(5, 1, false, 105), LinkCase::None);
    EXPECT_EQ(LayoutFor(0, 2, false, 105, 105).kind, LinkCase::None);
}

TEST(RelationGeometry, LineEndsMeetTheRowsWithTheRingOnTheLeft)
{
    // Parent 0..100 with its row at 50, child 200..300.
    Routing::Ends ends{.parentLeft = 0, .parentRight = 100, .childLeft = 200, .childRight = 300, .parentRowY = 50};
    ends.childRowY = 120;
    Routed r = Route(ends);
    EXPECT_EQ(r.layout.kind, LinkCase::StraightDown);
    EXPECT_EQ(r.Pane(r.layout.line[0]), P(100, 50));
    EXPECT_EQ(r.Pane(r.layout.line[3]), P(200, 120));

    ends.childRowY = 20;
    r = Route(ends);
    EXPECT_EQ(r.layout.kind, LinkCase::StraightUp);
    EXPECT_EQ(r.Pane(r.layout.line[0]), P(200, 20));
    EXPECT_EQ(r.Pane(r.layout.line[3]), P(100, 50));
    EXPECT_EQ(r.layout.openMark, P(3, r.bounds.height() - 10)); // the parent end, at the bottom

    // Parent on the right: the ring goes to the child's end, which is now the left one.
    r = Route(
        {.parentLeft = 200, .parentRight = 300, .childLeft = 0, .childRight = 100, .parentRowY = 50, .childRowY = 20});
    EXPECT_EQ(r.layout.kind, LinkCase::StraightDown);
    EXPECT_EQ(r.Pane(r.layout.line[0]), P(100, 20));
    EXPECT_EQ(r.layout.openMark, P(3, 4));

    // A self link brackets 10 pixels out from the box's right edge.
    r = Route({.parentLeft = 0, .parentRight = 100, .parentRowY = 80, .childRowY = 30, .selfLink = true});
    EXPECT_EQ(r.Pane(r.layout.line[1]), P(110, 30));
    EXPECT_EQ(r.Pane(r.layout.line[2]), P(110, 80));
}

TEST(RelationGeometry, OverlappingBoxesLoopOnceTheirRightEdgesDifferByThirteen)
{
    Routing::Ends ends{.parentLeft = 0, .parentRight = 100, .childLeft = 20, .parentRowY = 50, .childRowY = 90};
    ends.childRight = 112;
    EXPECT_EQ(Route(ends).layout.kind, LinkCase::NarrowBracket);
    ends.childRight = 113;
    EXPECT_EQ(Route(ends).layout.kind, LinkCase::RightLoopTopStart);
    ends.childRight = 87;
    EXPECT_EQ(Route(ends).layout.kind, LinkCase::RightLoopBottomStart);
}

TEST(RelationGeometry, FlatBandsGetAMinimumThicknessAroundTheMiddleSegment)
{
    struct Flat {
        int x, y;
        bool self;
        int w, h;
    };
    // Rows level (H 14) for the self link and the bracket; straight bands whose
    // middle segment runs along the band's slant, down to a single point.
    for (const Flat& f : {Flat{0, 2, true, 15, 14}, Flat{2, 2, false, 20, 14}, Flat{1, 1, false, 30, 14},
                          Flat{1, 1, false, 16, 28}, Flat{4, 1, false, 16, 28}}) {
        SCOPED_TRACE(testing::Message() << f.x << f.y << f.self << ' ' << f.w << 'x' << f.h);
        const Layout l = LayoutFor(f.x, f.y, f.self, f.w, f.h);
        ASSERT_EQ(DoubleSignedArea(l.band), 0);
        const Quad hit = HitBand(l).value();
        EXPECT_NE(DoubleSignedArea(hit), 0);
        const QPoint a = l.line[1], b = l.line[2];
        EXPECT_TRUE(ContainsOddEven(hit, a));
        EXPECT_TRUE(ContainsOddEven(hit, b));
        EXPECT_TRUE(ContainsOddEven(hit, (a + b) / 2));
        EXPECT_FALSE(ContainsOddEven(hit, a + P(0, 8)));
        EXPECT_FALSE(ContainsOddEven(hit, b - P(0, 8)));
    }

    // Any band with area is used exactly as drawn, even one a pixel thin.
    for (const Layout& l : {LayoutFor(3, 3, true, 15, 15), LayoutFor(1, 1, false, 31, 14),
                            LayoutFor(2, 1, false, 28, 14), LayoutFor(4, 2, false, 200, 300)})
        EXPECT_EQ(HitBand(l), l.band);

    EXPECT_FALSE(HitBand(LayoutFor(0, 1, false, 105, 105)).has_value());
}

TEST(RelationGeometry, OddEvenHitTest)
{
    // The initial region is a half-open 15 by 15 square.
    const Quad initial = InitialHitBand();
    EXPECT_TRUE(ContainsOddEven(initial, P(0, 0)));
    EXPECT_TRUE(ContainsOddEven(initial, P(14, 14)));
    EXPECT_FALSE(ContainsOddEven(initial, P(15, 7)));
    EXPECT_FALSE(ContainsOddEven(initial, P(7, 15)));
    EXPECT_FALSE(ContainsOddEven(initial, P(-1, 7)));
    EXPECT_FALSE(ContainsOddEven({}, P(0, 0)));

    // A click in the link's rectangle but off the band misses.
    const Quad band = LayoutFor(1, 1, false, 200, 100).band;
    EXPECT_TRUE(ContainsOddEven(band, P(100, 50)));
    EXPECT_FALSE(ContainsOddEven(band, P(190, 10)));
    EXPECT_FALSE(ContainsOddEven(band, P(10, 90)));

    // Where a pentagram's points overlap, the centre is covered twice and so lies outside.
    const QPoint star[] = {P(50, 0), P(79, 90), P(2, 35), P(98, 35), P(21, 90)};
    EXPECT_FALSE(ContainsOddEven(star, P(50, 50)));
    EXPECT_TRUE(ContainsOddEven(star, P(50, 10)));
    EXPECT_GT(DoubleSignedArea(initial), 0);
}
