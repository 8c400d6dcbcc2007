#pragma once

#include "GridGeometry.h"
#include "Set.h"

#include <QAbstractScrollArea>

#include <functional>

class QPainter;

namespace schemakit {

enum TGridDrawStateMember : quint8 { gdSelected = 0, gdFocused = 1, gdFixed = 2 };
using TGridDrawState = TSet<TGridDrawStateMember>;

// A grid of cells that holds no data: the owner paints every cell through
// OnDrawCell. One leading column and one leading row are fixed (they stay when
// the rest scrolls, and they are where the user grabs a column: drag its right
// border to size it, drag the header cell of a scrolled column to move it).
// The current cell is always a scrolled one; arrows, Home, End, Page Up and
// Page Down move it, Enter and F2 ask the owner to edit it (OnEditCell).
//
// Cell rectangles are in the viewport's coordinates.
class TDrawGrid : public QAbstractScrollArea {
    Q_OBJECT
    Q_MOC_INCLUDE(<QPainter>)
public:
    using TSelectCellEvent = std::function<void(QObject* Sender, int ACol, int ARow, bool& CanSelect)>;
    using TDrawCellEvent = std::function<void(QObject* Sender, int ACol, int ARow, const QRect& Rect,
                                              TGridDrawState State, QPainter& Canvas)>;
    using TMovedEvent = std::function<void(QObject* Sender, int FromIndex, int ToIndex)>;
    using TCellEvent = std::function<void(QObject* Sender, int ACol, int ARow)>;

    explicit TDrawGrid(QWidget* parent = nullptr);
    ~TDrawGrid() override;

    int ColCount() const { return FLayout.Cols.Count(); }
    int RowCount() const { return FLayout.Rows.Count(); }
    // New columns and rows take the default sizes; cutting keeps the others'.
    void SetColCount(int Value);
    void SetRowCount(int Value);
    int FixedCols() const { return FLayout.Cols.Fixed; }
    int FixedRows() const { return FLayout.Rows.Fixed; }

    int DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(int Value);
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int Value);
    int ColWidths(int Index) const { return FLayout.Cols.Size(Index); }
    void SetColWidths(int Index, int Value);
    int RowHeights(int Index) const { return FLayout.Rows.Size(Index); }
    void SetRowHeights(int Index, int Value);
    int GridLineWidth() const { return FLayout.Cols.LineWidth; }

    // Column bookkeeping for owners that insert, delete and move columns of
    // their data: the sizes go along.
    void InsertColumn(int Index);
    void DeleteColumn(int Index);
    void MoveColumn(int FromIndex, int ToIndex);

    // The current cell.
    int Col() const { return FCol; }
    int Row() const { return FRow; }
    // Makes a cell current when OnSelectCell allows it; returns whether it did.
    bool SetCurrent(int ACol, int ARow);
    void SetCol(int Value) { SetCurrent(Value, FRow); }
    void SetRow(int Value) { SetCurrent(FCol, Value); }
    // Makes a cell current without asking OnSelectCell, for an owner that has
    // done what a selection does itself.
    void SetCurrentQuietly(int ACol, int ARow);
    // Scrolls so that a cell is shown (whole when it fits).
    void MakeVisible(int ACol, int ARow);
    // The first scrolled column and row shown.
    int LeftCol() const { return FLayout.Cols.First; }
    int TopRow() const { return FLayout.Rows.First; }
    void SetLeftCol(int Value);

    QRect CellRect(int ACol, int ARow) const { return FLayout.CellRect(ACol, ARow); }
    // The cell under a point of the viewport as (column, row), -1 where none.
    QPoint MouseToCell(QPoint Pos) const { return FLayout.CellAt(Pos); }
    const TGridLayout& Layout() const { return FLayout; }

    // True while the current cell moves because of a key (not a click): owners
    // that open an editor on every selection can wait for Enter then.
    bool SelectingByKey() const { return FSelectingByKey; }

    // Moves a column the way the user does by dragging its header (or with
    // Ctrl+Left and Ctrl+Right on the current cell): the data goes through
    // MoveColumnData, then OnColumnMoved is raised.
    void UserMoveColumn(int FromIndex, int ToIndex);

    // Paints every cell into the painter, as the viewport shows them.
    void PaintCells(QPainter& Canvas, const QRect& Area);

    TSelectCellEvent OnSelectCell;
    TDrawCellEvent OnDrawCell;
    // After the user dragged a column to another place, with its old and new index.
    TMovedEvent OnColumnMoved;
    // Enter or F2 on the current cell.
    TCellEvent OnEditCell;
    std::function<void(QObject* Sender)> OnTopLeftChanged;
    // After anything that moves cells on screen: scrolling, sizing, inserting,
    // deleting or moving a column, changing the row count. Owners keep what
    // they show over a cell in place here.
    std::function<void(QObject* Sender)> OnLayoutChanged;

signals:
    // The events above as signals, each emitted after its handler (see Raise).
    // A receiver connected directly may refuse the cell through canSelect, and
    // may paint over the cell with canvas, which is good only while the signal
    // is emitted.
    void selectingCell(int col, int row, bool* canSelect);
    void drawCell(int col, int row, const QRect& rect, schemakit::TGridDrawState state, QPainter* canvas);
    void columnMoved(int fromIndex, int toIndex);
    void editCellRequested(int col, int row);
    void topLeftChanged();
    void layoutChanged();

protected:
    // Moves the owner's data of a column the user moved; by default only the
    // column sizes.
    virtual void MoveColumnData(int FromIndex, int ToIndex);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    enum TGridDragMode { dmNone, dmSizing, dmMovePending, dmMoving };

    bool MoveCurrent(int ACol, int ARow, bool byKey);
    void ScrollCurrentInView();
    void UpdateScrollBars();
    void LayoutChanged();
    // After sizes or counts changed: scroll range, picture, owner.
    void Relayout();
    void SetCellSize(TGridAxis& Axis, int Index, int Value);
    void TopLeftMoved();
    void SetFirst(TGridAxis& Axis, int Value);
    int MoveTarget(int X) const;
    int MoveMarkerX() const;

    TGridLayout FLayout;
    int FDefaultColWidth = 64;
    int FDefaultRowHeight = 24;
    int FCol = 1;
    int FRow = 1;
    bool FSelectingByKey = false;
    bool FSyncingScrollBars = false;

    TGridDragMode FDragMode = dmNone;
    int FDragIndex = -1; // the column being sized or moved
    int FDragOrigin = 0; // where the press was, x
    int FDragSizeStart = 0;
    int FMoveTo = -1; // where a moved column would land
};

} // namespace schemakit
