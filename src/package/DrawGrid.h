#pragma once

#include <schemakit/schemakit_export.h>

#include "GridGeometry.h"
#include "Set.h"

#include <QAbstractScrollArea>

#include <functional>

class QPainter;

namespace schemakit {

/// A state a grid cell is drawn in.
enum TGridDrawStateMember : quint8 {
    gdSelected = 0, ///< the current cell
    gdFocused = 1,  ///< the current cell while the grid has the focus
    gdFixed = 2     ///< a cell of the fixed column or row
};
/// The states a grid cell is drawn in.
using TGridDrawState = TSet<TGridDrawStateMember>;

/// A grid of cells that holds no data: the owner paints every cell through
/// OnDrawCell. One leading column and one leading row are fixed (they stay when
/// the rest scrolls, and they are where the user grabs a column: drag its right
/// border to size it, drag the header cell of a scrolled column to move it).
/// The current cell is always a scrolled one; arrows, Home, End, Page Up and
/// Page Down move it, Enter and F2 ask the owner to edit it (OnEditCell).
///
/// Cell rectangles are in the viewport's coordinates.
class SCHEMAKIT_EXPORT TDrawGrid : public QAbstractScrollArea {
    Q_OBJECT
    Q_MOC_INCLUDE(<QPainter>)
public:
    /// Asks whether a cell may become current; clearing `CanSelect` refuses it.
    using TSelectCellEvent = std::function<void(QObject* Sender, int ACol, int ARow, bool& CanSelect)>;
    /// Draws a cell into `Rect` of `Canvas`.
    using TDrawCellEvent = std::function<void(QObject* Sender, int ACol, int ARow, const QRect& Rect,
                                              TGridDrawState State, QPainter& Canvas)>;
    /// Tells that a column moved from one index to another.
    using TMovedEvent = std::function<void(QObject* Sender, int FromIndex, int ToIndex)>;
    /// An event about one cell.
    using TCellEvent = std::function<void(QObject* Sender, int ACol, int ARow)>;

    /// A grid with one fixed column and row and the default cell sizes.
    explicit TDrawGrid(QWidget* parent = nullptr);
    ~TDrawGrid() override;

    ///@{
    /// The number of columns and rows, fixed ones included.
    int ColCount() const { return FLayout.Cols.Count(); }
    int RowCount() const { return FLayout.Rows.Count(); }
    ///@}
    ///@{
    /// Sets the number of columns or rows; at least one scrolled one stays.
    /// New columns and rows take the default sizes; cutting keeps the others'.
    void SetColCount(int Value);
    void SetRowCount(int Value);
    ///@}
    ///@{
    /// The number of fixed leading columns and rows.
    int FixedCols() const { return FLayout.Cols.Fixed; }
    int FixedRows() const { return FLayout.Rows.Fixed; }
    ///@}

    ///@{
    /// The width new columns get; setting it gives every column that width.
    int DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(int Value);
    ///@}
    ///@{
    /// The height new rows get; setting it gives every row that height.
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int Value);
    ///@}
    ///@{
    /// The width of column `Index`, in pixels; an index out of range is ignored.
    int ColWidths(int Index) const { return FLayout.Cols.Size(Index); }
    void SetColWidths(int Index, int Value);
    ///@}
    ///@{
    /// The height of row `Index`, in pixels; an index out of range is ignored.
    int RowHeights(int Index) const { return FLayout.Rows.Size(Index); }
    void SetRowHeights(int Index, int Value);
    ///@}
    /// The width of the lines between cells.
    int GridLineWidth() const { return FLayout.Cols.LineWidth; }

    // Column bookkeeping for owners that insert, delete and move columns of
    // their data: the sizes go along.

    /// Inserts a scrolled column of the default width before `Index`; the sizes go along.
    void InsertColumn(int Index);
    /// Deletes scrolled column `Index` (never the last one); the sizes go along.
    void DeleteColumn(int Index);
    /// Moves a scrolled column from one index to another; sizes and the current cell go along.
    void MoveColumn(int FromIndex, int ToIndex);

    ///@{
    /// The current cell.
    int Col() const { return FCol; }
    int Row() const { return FRow; }
    ///@}
    /// Makes a cell current when OnSelectCell allows it; returns whether it did.
    bool SetCurrent(int ACol, int ARow);
    ///@{
    /// Makes another column or row current, as SetCurrent does.
    void SetCol(int Value) { SetCurrent(Value, FRow); }
    void SetRow(int Value) { SetCurrent(FCol, Value); }
    ///@}
    /// Makes a cell current without asking OnSelectCell, for an owner that has
    /// done what a selection does itself.
    void SetCurrentQuietly(int ACol, int ARow);
    /// Scrolls so that a cell is shown (whole when it fits).
    void MakeVisible(int ACol, int ARow);
    ///@{
    /// The first scrolled column and row shown.
    int LeftCol() const { return FLayout.Cols.First; }
    int TopRow() const { return FLayout.Rows.First; }
    ///@}
    /// Scrolls so that column `Value` is the first scrolled one shown, as far as the columns allow.
    void SetLeftCol(int Value);

    /// The rectangle of a cell in the viewport; empty when it is not shown.
    QRect CellRect(int ACol, int ARow) const { return FLayout.CellRect(ACol, ARow); }
    /// The cell under a point of the viewport as (column, row), -1 where none.
    QPoint MouseToCell(QPoint Pos) const { return FLayout.CellAt(Pos); }
    /// The sizes and scroll positions of columns and rows.
    const TGridLayout& Layout() const { return FLayout; }

    /// True while the current cell moves because of a key (not a click): owners
    /// that open an editor on every selection can wait for Enter then.
    bool SelectingByKey() const { return FSelectingByKey; }

    /// Moves a column the way the user does by dragging its header (or with
    /// Ctrl+Left and Ctrl+Right on the current cell): the data goes through
    /// MoveColumnData, then OnColumnMoved is raised.
    void UserMoveColumn(int FromIndex, int ToIndex);

    /// Paints every cell into the painter, as the viewport shows them.
    void PaintCells(QPainter& Canvas, const QRect& Area);

    /// Before a cell becomes current: may refuse it.
    TSelectCellEvent OnSelectCell;
    /// Draws each cell over the grid's own background and lines.
    TDrawCellEvent OnDrawCell;
    /// After the user dragged a column to another place, with its old and new index.
    TMovedEvent OnColumnMoved;
    /// Enter or F2 on the current cell.
    TCellEvent OnEditCell;
    /// After the first scrolled column or row shown changed.
    std::function<void(QObject* Sender)> OnTopLeftChanged;
    /// After anything that moves cells on screen: scrolling, sizing, inserting,
    /// deleting or moving a column, changing the row count. Owners keep what
    /// they show over a cell in place here.
    std::function<void(QObject* Sender)> OnLayoutChanged;

signals:
    // The events above as signals, each emitted after its handler (see Raise).
    // A receiver connected directly may refuse the cell through canSelect, and
    // may paint over the cell with canvas, which is good only while the signal
    // is emitted.

    /// OnSelectCell as a signal, emitted after the handler; a receiver connected
    /// directly may refuse the cell through `canSelect`.
    void selectingCell(int col, int row, bool* canSelect);
    /// OnDrawCell as a signal, emitted after the handler; `canvas` is good only
    /// while the signal is emitted.
    void drawCell(int col, int row, const QRect& rect, schemakit::TGridDrawState state, QPainter* canvas);
    /// OnColumnMoved as a signal, emitted after the handler.
    void columnMoved(int fromIndex, int toIndex);
    /// OnEditCell as a signal, emitted after the handler.
    void editCellRequested(int col, int row);
    /// OnTopLeftChanged as a signal, emitted after the handler.
    void topLeftChanged();
    /// OnLayoutChanged as a signal, emitted after the handler.
    void layoutChanged();

protected:
    /// Moves the owner's data of a column the user moved; by default only the
    /// column sizes.
    virtual void MoveColumnData(int FromIndex, int ToIndex);

    /// Paints the cells the event asks for (PaintCells).
    void paintEvent(QPaintEvent* event) override;
    /// A press on a header border starts sizing that column, on a header cell moving it, on a cell selecting it.
    void mousePressEvent(QMouseEvent* event) override;
    /// Sizes or moves the grabbed column, or shows the sizing cursor over a header border.
    void mouseMoveEvent(QMouseEvent* event) override;
    /// Ends sizing or moving a column; a moved column lands through UserMoveColumn.
    void mouseReleaseEvent(QMouseEvent* event) override;
    /// Moves the current cell with the arrows, Home, End and the page keys, moves
    /// its column with Ctrl+Left and Ctrl+Right, and raises OnEditCell on Enter and F2.
    void keyPressEvent(QKeyEvent* event) override;
    /// Fits the scroll range to the new size.
    void resizeEvent(QResizeEvent* event) override;
    /// Follows the scroll bars, which count whole cells.
    void scrollContentsBy(int dx, int dy) override;
    ///@{
    /// Repaints, as the current cell is drawn differently with the focus.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    ///@}

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
