#pragma once

#include "ColumnGrid.h"

#include <QRect>
#include <QSize>

namespace schemakit {

// Where the column grid puts things inside a cell. A cell comes as Qt gives
// it; the arithmetic works on its edges with the right and bottom edges just
// outside the cell (x() + width(), y() + height()), which is what the offsets
// below are measured from.

inline constexpr int kColumnGridDefaultColWidth = 100;
inline constexpr int kColumnGridDefaultRowHeight = 19;

// The bounds of the in-place editor over Cell (already in the coordinates of
// the editor's parent). A drop-down or the edit box covers the cell and the
// grid lines on its right and bottom; the check box is a glyph of CheckBox
// size about the cell's centre, nudged by the grid's frame. Empty for ceNone.
QRect InplaceEditorRect(TColumnEditor Editor, const QRect& Cell, QSize CheckBox);

// The part of a cell that painting fills and writes text into: the left and
// top edges moved in by 2 pixels, the right edge by 1.
QRect CellTextRect(const QRect& Cell);

// A check-box glyph of CheckBox size centred in Rect, for the Grouping row.
QRect CheckBoxGlyphRect(const QRect& Rect, QSize CheckBox);

} // namespace schemakit
