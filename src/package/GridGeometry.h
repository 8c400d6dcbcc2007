#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

namespace schemakit {

// One direction of a grid: the sizes of its cells, how many leading cells are
// fixed (never scrolled), and the first scrolled cell shown after them. Every
// cell is followed by a grid line of LineWidth pixels.
struct TGridAxis {
    QList<int> Sizes;
    int Fixed = 1;
    int First = 1; // the first non-fixed cell shown; Fixed when nothing is scrolled
    int LineWidth = 1;

    int Count() const { return int(Sizes.size()); }
    int Size(int Index) const { return Index >= 0 && Index < Count() ? Sizes.at(Index) : 0; }
    // Where a shown cell starts, or -1 for a cell scrolled out of view (or
    // outside the grid). Cells are laid out without limit: a cell beyond the
    // visible extent still has a start.
    int Start(int Index) const;
    // The cell under a pixel position, or -1 (on nothing, or past the last cell).
    // A grid line belongs to the cell before it.
    int IndexAt(int Pos) const;
    // The cell whose trailing grid line lies within Tolerance pixels of Pos, or
    // -1; the fixed cells count, which is how a user resizes a column from the
    // header row.
    int BorderAt(int Pos, int Tolerance) const;
    // The largest First that still shows the last cell whole in Extent pixels
    // (Fixed when everything fits).
    int MaxFirst(int Extent) const;
    // The last cell that is at least partly inside Extent pixels, or -1.
    int LastVisible(int Extent) const;
    // Keeps First within Fixed .. MaxFirst(Extent), and makes cell Index shown
    // whole when it can (a cell wider than the view is shown from its start).
    void ScrollInView(int Index, int Extent);
    void ClampFirst(int Extent);
};

// Both directions together: cell rectangles and hit testing of a grid whose
// cells are separated by grid lines.
struct TGridLayout {
    TGridAxis Cols;
    TGridAxis Rows;

    // The cell's rectangle without its grid lines; empty for a cell that is
    // scrolled out of view or outside the grid.
    QRect CellRect(int Col, int Row) const;
    // The cell under a point as (column, row); -1 in a direction where the point
    // is on no cell.
    QPoint CellAt(QPoint Pos) const;
};

} // namespace schemakit
