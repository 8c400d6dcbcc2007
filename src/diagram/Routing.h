#pragma once

// Where a link lies on the pane: its rectangle between the two boxes' edges and
// the two rows, and the layout codes its painting picks a drawing from. Every
// number of that routing is here.

#include <QRect>
#include <QString>

#include <optional>

namespace schemakit::Routing {

// Minimum gap between two boxes that still counts as "side by side", and how far
// a loop reaches out beyond the outer right edge.
inline constexpr int kClearance = 15;
// Space above the upper row and below the lower row, so that the line's ends,
// drawn this far inside the rectangle, stand level with the rows.
inline constexpr int kRowMargin = 7;

// Horizontal layout codes (the link's FLnkX). 0 means "never routed".
inline constexpr int kXUnrouted = 0;
inline constexpr int kXParentLeft = 1;  // parent left of the child, more than kClearance apart
inline constexpr int kXChildOuter = 2;  // close or overlapping, the child's right edge is the outer one
inline constexpr int kXParentOuter = 3; // close or overlapping, the parent's right edge is the outer one
inline constexpr int kXChildLeft = 4;   // child left of the parent, at least kClearance apart

// Vertical layout codes (the link's FLnkY).
inline constexpr int kYChildLower = 1;
inline constexpr int kYChildNotLower = 2; // same height or higher

// The inputs, in the pane's client coordinates: each box's left and right edge
// (Left and Left + Width) and each row's attachment y.
struct Ends {
    int parentLeft = 0;
    int parentRight = 0;
    int childLeft = 0;
    int childRight = 0;
    int parentRowY = 0;
    int childRowY = 0;
    bool selfLink = false; // the parent box is the child box
};

struct Route {
    QRect bounds; // the link's new left, top, width and height
    // Empty for a self link: its drawing does not depend on the code, so the
    // link keeps whatever it had.
    std::optional<int> lnkX;
    int lnkY = 0;
};

Route RouteLink(const Ends& ends);

// Caption of the link menu's name entry.
QString RelationName(const QString& parentCaption, const QString& childCaption);

} // namespace schemakit::Routing
