#include "Routing.h"

namespace schemakit::Routing {

namespace {

struct Span {
    int left;
    int right;
    std::optional<int> code;
};

// Boxes close together or overlapping both leave from their right edges and the
// line turns in the strip beyond the outer one. Equal right edges take the code
// the caller's branch prefers; both codes give the same span.
Span RightEdgeLoop(const Ends& e, bool childOuter)
{
    if (childOuter)
        return {e.parentRight, e.childRight + kClearance, kXChildOuter};
    return {e.childRight, e.parentRight + kClearance, kXParentOuter};
}

Span HorizontalSpan(const Ends& e)
{
    if (e.selfLink)
        return {e.parentRight, e.parentRight + kClearance, std::nullopt};
    if (e.childLeft > e.parentLeft) {
        // A gap of exactly kClearance is still "close" on this side...
        if (e.parentRight + kClearance < e.childLeft)
            return {e.parentRight, e.childLeft, kXParentLeft};
        return RightEdgeLoop(e, e.childRight >= e.parentRight);
    }
    // ...but already "apart" on this one. The asymmetry is long-standing and
    // existing diagrams are drawn with it, so it stays.
    if (e.childRight + kClearance > e.parentLeft)
        return RightEdgeLoop(e, e.childRight > e.parentRight);
    return {e.childRight, e.parentLeft, kXChildLeft};
}

} // namespace

Route RouteLink(const Ends& ends)
{
    const Span h = HorizontalSpan(ends);
    const bool childLower = ends.childRowY > ends.parentRowY;
    const int upper = childLower ? ends.parentRowY : ends.childRowY;
    const int lower = childLower ? ends.childRowY : ends.parentRowY;
    const int top = upper - kRowMargin;
    const int bottom = lower + kRowMargin;

    Route r;
    r.bounds = QRect(h.left, top, h.right - h.left, bottom - top);
    r.lnkX = h.code;
    r.lnkY = childLower ? kYChildLower : kYChildNotLower;
    return r;
}

QString RelationName(const QString& parentCaption, const QString& childCaption)
{
    return parentCaption + QStringLiteral(" :: ") + childCaption;
}

} // namespace schemakit::Routing
