#pragma once

// What a routed link draws inside its rectangle, and where it answers clicks.
// All points are in the link's client coordinates; every number of the link's
// drawing is here.

#include <QPoint>
#include <QRect>

#include <array>
#include <optional>
#include <span>

namespace schemakit::RelationGeometry {

using Quad = std::array<QPoint, 4>;

// End marks are circles of this diameter, given by their bounding box's corner.
inline constexpr int kMarkSize = 7;
// Links between close boxes turn in a loop from this width on; narrower ones are
// drawn as a bracket instead.
inline constexpr int kMinLoopWidth = 28;
// Half the thickness of the hit band given to links whose own band is flat.
inline constexpr int kHitHalfThickness = 3;

// The drawings, in the order they are tried.
enum class LinkCase {
    None, // a link between two boxes that was never routed: draws nothing
    Self,
    StraightDown,
    RightLoopTopStart,
    RightLoopBottomStart,
    NarrowBracket,
    StraightUp,
};

struct Layout {
    LinkCase kind = LinkCase::None;
    Quad line{};       // L0..L3, drawn as one polyline
    QPoint openMark;   // corner of the ring's box, at the end nearer the left (top for self and bracket)
    QPoint filledMark; // corner of the dot's box, at the other end
    Quad band{};       // R0..R3 around the middle segment L1-L2
};

// lnkX and lnkY are the routing's codes; width and height the link's size.
LinkCase ChooseCase(int lnkX, int lnkY, bool selfLink, int width);
Layout LayoutFor(int lnkX, int lnkY, bool selfLink, int width, int height);

// The box an end mark is drawn in: (x, y) to (x + kMarkSize, y + kMarkSize), the far
// edges excluded as for any rectangle.
QRect MarkRect(QPoint corner);

// Twice the polygon's signed area (shoelace); positive when it runs clockwise on
// screen, where y grows downwards.
qint64 DoubleSignedArea(std::span<const QPoint> polygon);

// The polygon a link answers clicks in. A band of zero area could never be hit (a
// self link or bracket whose rows stand level, or a straight band whose middle
// segment runs along the band's slant), so such a link gets a band
// kHitHalfThickness wide on each side of its middle segment, reaching as far past
// both ends. Every other band is used as drawn. Empty for LinkCase::None: the
// link keeps the region it has.
std::optional<Quad> HitBand(const Layout& layout);

// The region a link answers in before it is first painted: 15 by 15 at the origin.
Quad InitialHitBand();

// Whether p lies inside the polygon under the odd-even rule. Left and top edges
// belong to the inside, right and bottom ones to the outside, so rectangles
// behave as half-open pixel ranges.
bool ContainsOddEven(std::span<const QPoint> polygon, QPoint p);

} // namespace schemakit::RelationGeometry
