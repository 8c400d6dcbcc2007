#include "RelationGeometry.h"

#include "Routing.h"

#include <QPointF>

#include <cmath>
#include <utility>

namespace schemakit::RelationGeometry {

using namespace Routing;

namespace {

bool Is(int lnkX, int lnkY, int x, int y)
{
    return lnkX == x && lnkY == y;
}

bool IsCloseBoxes(int lnkX)
{
    return lnkX == kXChildOuter || lnkX == kXParentOuter;
}

// The points below are the drawing as it has always looked, so they are kept as
// literal numbers rather than derived. The line's ends stand 7 pixels inside the
// top and bottom edges, level with the rows (see Routing::kRowMargin); the marks
// sit on the line near its ends; the band's corners lie 5 pixels off the middle
// segment's ends along both axes.
Layout Self(int h)
{
    return {LinkCase::Self,
            {QPoint(0, 7), QPoint(10, 7), QPoint(10, h - 7), QPoint(0, h - 7)},
            QPoint(3, 4),
            QPoint(3, h - 10),
            {QPoint(15, 2), QPoint(5, 12), QPoint(5, h - 2), QPoint(15, h - 12)}};
}

Layout StraightDown(int w, int h)
{
    return {LinkCase::StraightDown,
            {QPoint(0, 7), QPoint(15, 7), QPoint(w - 15, h - 7), QPoint(w, h - 7)},
            QPoint(3, 4),
            QPoint(w - 12, h - 10),
            {QPoint(20, 2), QPoint(10, 12), QPoint(w - 20, h - 2), QPoint(w - 10, h - 12)}};
}

Layout RightLoopTopStart(int w, int h)
{
    return {LinkCase::RightLoopTopStart,
            {QPoint(0, 7), QPoint(15, 7), QPoint(w - 5, h - 7), QPoint(w - 15, h - 7)},
            QPoint(3, 4),
            QPoint(w - 12, h - 10),
            {QPoint(20, 2), QPoint(10, 12), QPoint(w - 10, h - 2), QPoint(w, h - 12)}};
}

Layout RightLoopBottomStart(int w, int h)
{
    return {LinkCase::RightLoopBottomStart,
            {QPoint(w - 15, 7), QPoint(w - 5, 7), QPoint(15, h - 7), QPoint(0, h - 7)},
            QPoint(3, h - 10),
            QPoint(w - 12, 4),
            {QPoint(w - 10, 2), QPoint(w, 12), QPoint(20, h - 2), QPoint(10, h - 12)}};
}

Layout NarrowBracket(int w, int h)
{
    return {LinkCase::NarrowBracket,
            {QPoint(0, 7), QPoint(w - 12, 7), QPoint(w - 12, h - 7), QPoint(0, h - 7)},
            QPoint(3, 4),
            QPoint(3, h - 10),
            {QPoint(w - 17, 2), QPoint(w - 7, 12), QPoint(w - 7, h - 2), QPoint(w - 17, h - 12)}};
}

Layout StraightUp(int w, int h)
{
    return {LinkCase::StraightUp,
            {QPoint(w, 7), QPoint(w - 15, 7), QPoint(15, h - 7), QPoint(0, h - 7)},
            QPoint(3, h - 10),
            QPoint(w - 12, 4),
            {QPoint(w - 20, 2), QPoint(w - 10, 12), QPoint(20, h - 2), QPoint(10, h - 12)}};
}

// A rectangle around the segment a-b, `half` pixels to each side and past each
// end; a segment of no length gets a square.
Quad ThickSegment(QPoint a, QPoint b, int half)
{
    const QPointF d = QPointF(b - a);
    const double length = std::hypot(d.x(), d.y());
    const QPointF along = length > 0 ? d * (half / length) : QPointF(half, 0);
    // Rounding the normal as the exact perpendicular of the rounded direction keeps
    // the corners a true rectangle.
    const QPoint u = along.toPoint();
    const QPoint n(-u.y(), u.x());
    return {a - u - n, a - u + n, b + u + n, b + u - n};
}

} // namespace

LinkCase ChooseCase(int lnkX, int lnkY, bool selfLink, int width)
{
    if (selfLink)
        return LinkCase::Self;
    if (Is(lnkX, lnkY, kXParentLeft, kYChildLower) || Is(lnkX, lnkY, kXChildLeft, kYChildNotLower))
        return LinkCase::StraightDown;
    if (width >= kMinLoopWidth) {
        if (Is(lnkX, lnkY, kXChildOuter, kYChildLower) || Is(lnkX, lnkY, kXParentOuter, kYChildNotLower))
            return LinkCase::RightLoopTopStart;
        if (Is(lnkX, lnkY, kXParentOuter, kYChildLower) || Is(lnkX, lnkY, kXChildOuter, kYChildNotLower))
            return LinkCase::RightLoopBottomStart;
    } else if (IsCloseBoxes(lnkX)) {
        return LinkCase::NarrowBracket;
    }
    if (Is(lnkX, lnkY, kXChildLeft, kYChildLower) || Is(lnkX, lnkY, kXParentLeft, kYChildNotLower))
        return LinkCase::StraightUp;
    return LinkCase::None;
}

Layout LayoutFor(int lnkX, int lnkY, bool selfLink, int width, int height)
{
    switch (ChooseCase(lnkX, lnkY, selfLink, width)) {
    case LinkCase::Self: return Self(height);
    case LinkCase::StraightDown: return StraightDown(width, height);
    case LinkCase::RightLoopTopStart: return RightLoopTopStart(width, height);
    case LinkCase::RightLoopBottomStart: return RightLoopBottomStart(width, height);
    case LinkCase::NarrowBracket: return NarrowBracket(width, height);
    case LinkCase::StraightUp: return StraightUp(width, height);
    case LinkCase::None: break;
    }
    return {};
}

QRect MarkRect(QPoint corner)
{
    return QRect(corner, QSize(kMarkSize, kMarkSize));
}

qint64 DoubleSignedArea(std::span<const QPoint> polygon)
{
    qint64 sum = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const QPoint& p = polygon[i];
        const QPoint& q = polygon[(i + 1) % polygon.size()];
        sum += qint64(p.x()) * q.y() - qint64(q.x()) * p.y();
    }
    return sum;
}

std::optional<Quad> HitBand(const Layout& layout)
{
    if (layout.kind == LinkCase::None)
        return std::nullopt;
    if (DoubleSignedArea(layout.band) != 0)
        return layout.band;
    return ThickSegment(layout.line[1], layout.line[2], kHitHalfThickness);
}

Quad InitialHitBand()
{
    return {QPoint(0, 0), QPoint(15, 0), QPoint(15, 15), QPoint(0, 15)};
}

bool ContainsOddEven(std::span<const QPoint> polygon, QPoint p)
{
    // Cast a ray to the left of p and count the edges it crosses. Each edge spans
    // its y range half-open, so a vertex shared by two edges is counted once and a
    // horizontal edge, whose range is empty, never counts.
    bool inside = false;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        QPoint a = polygon[i];
        QPoint b = polygon[(i + 1) % polygon.size()];
        if (a.y() > b.y())
            std::swap(a, b);
        if (p.y() < a.y() || p.y() >= b.y())
            continue;
        // The crossing's x is at or left of p: compared in integers, as
        // (b.x - a.x) * (p.y - a.y) / (b.y - a.y) <= p.x - a.x with b.y > a.y.
        if (qint64(b.x() - a.x()) * (p.y() - a.y()) <= qint64(p.x() - a.x()) * (b.y() - a.y()))
            inside = !inside;
    }
    return inside;
}

} // namespace schemakit::RelationGeometry
