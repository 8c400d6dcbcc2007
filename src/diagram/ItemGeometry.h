#pragma once

// The arithmetic of a box: where links attach to its rows and how big it is made
// to fit its content. Every number of that geometry is here.

#include <QList>

namespace schemakit::ItemGeometry {

inline constexpr int kMinListContentWidth = 110; // a list box is never narrower
inline constexpr int kBorderAllowance = 5;       // added to both sizes when Border
inline constexpr int kClientHeightPadding = 4;
inline constexpr int kListWidthPadding = 20; // frame, scroll gap and text indent
inline constexpr int kCaptionAllowance = 34; // close glyph and caption margins
inline constexpr int kTreeLineHeight = 16;
inline constexpr int kRowMiddle = 9; // attachment below a tree line's or shape's top

// Attachment y of list row `row` in the box's client coordinates: the middle of the
// row's line as the list is scrolled now, plus one. Rows scrolled out above give
// values above the list; nothing is clamped here.
int ListRowY(int row, int topIndex, int itemHeight, int controlTop);

// The line of a tree at which row `row` attaches. `shownFromTop` holds the absolute
// indexes of the nodes the tree shows (all ancestors expanded), in order, starting
// at its top node. A row inside a collapsed node gets the line of the last shown
// node before it; a row scrolled out above the top gets the first line.
int TreeRowLine(const QList<int>& shownFromTop, int row);
int TreeRowY(int line, int controlTop);
int ShapeRowY(int controlTop);

// Rows far below the visible part attach at the bottom edge of the inner control.
int ClampRowY(int y, int controlTop, int controlHeight);

// Client height for a content of the given height.
int ClientHeightFor(int contentHeight, bool border);

// Outer width of a list kind box whose widest entry measures `widestText`; the
// check-box allowance G is added for every list kind.
int ListOuterWidth(int widestText, bool border, int checkGlyph);
// Outer width of a shape kind box whose content is `contentWidth` wide.
int ShapeOuterWidth(int contentWidth, bool border);

// Widens `width` so that a caption measuring `captionWidth` fits beside the close
// glyph; otherwise returns it unchanged.
int FitCaptionWidth(int width, int captionWidth);

} // namespace schemakit::ItemGeometry
