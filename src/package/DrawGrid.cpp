#include "DrawGrid.h"

#include "ErrorBoundary.h"
#include "Raise.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace schemakit {

namespace {

// How close to a column's border the mouse must be to size the column, and how
// far a pressed header cell must travel before it is being moved.
constexpr int kSizingTolerance = 3;
constexpr int kMoveThreshold = 4;
constexpr int kMinColWidth = 8;

} // namespace

TDrawGrid::TDrawGrid(QWidget* parent) : QAbstractScrollArea(parent)
{
    FLayout.Cols.Sizes = {FDefaultColWidth, FDefaultColWidth};
    FLayout.Rows.Sizes = {FDefaultRowHeight, FDefaultRowHeight};
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Base);
    horizontalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setSingleStep(1);
    UpdateScrollBars();
}

TDrawGrid::~TDrawGrid() = default;

void TDrawGrid::SetColCount(int Value)
{
    Value = std::max(Value, FixedCols() + 1);
    FLayout.Cols.Sizes.resize(Value, FDefaultColWidth);
    if (FCol >= Value)
        FCol = Value - 1;
    Relayout();
}

void TDrawGrid::SetRowCount(int Value)
{
    Value = std::max(Value, FixedRows() + 1);
    FLayout.Rows.Sizes.resize(Value, FDefaultRowHeight);
    if (FRow >= Value)
        FRow = Value - 1;
    Relayout();
}

void TDrawGrid::SetDefaultColWidth(int Value)
{
    FDefaultColWidth = std::max(Value, 0);
    std::fill(FLayout.Cols.Sizes.begin(), FLayout.Cols.Sizes.end(), FDefaultColWidth);
    Relayout();
}

void TDrawGrid::SetDefaultRowHeight(int Value)
{
    FDefaultRowHeight = std::max(Value, 0);
    std::fill(FLayout.Rows.Sizes.begin(), FLayout.Rows.Sizes.end(), FDefaultRowHeight);
    Relayout();
}

void TDrawGrid::SetColWidths(int Index, int Value)
{
    SetCellSize(FLayout.Cols, Index, Value);
}

void TDrawGrid::SetRowHeights(int Index, int Value)
{
    SetCellSize(FLayout.Rows, Index, Value);
}

void TDrawGrid::SetCellSize(TGridAxis& Axis, int Index, int Value)
{
    if (Index < 0 || Index >= Axis.Count())
        return;
    Axis.Sizes[Index] = std::max(Value, 0);
    Relayout();
}

void TDrawGrid::Relayout()
{
    UpdateScrollBars();
    viewport()->update();
    LayoutChanged();
}

void TDrawGrid::InsertColumn(int Index)
{
    Index = std::clamp(Index, FixedCols(), ColCount());
    FLayout.Cols.Sizes.insert(Index, FDefaultColWidth);
    if (FCol >= Index && FCol + 1 < ColCount())
        ++FCol;
    Relayout();
}

void TDrawGrid::DeleteColumn(int Index)
{
    if (Index < FixedCols() || Index >= ColCount() || ColCount() <= FixedCols() + 1)
        return;
    FLayout.Cols.Sizes.removeAt(Index);
    if (FCol > Index || FCol >= ColCount())
        FCol = std::max(FixedCols(), FCol - 1);
    Relayout();
}

void TDrawGrid::MoveColumn(int FromIndex, int ToIndex)
{
    const int n = ColCount();
    if (FromIndex < FixedCols() || FromIndex >= n || ToIndex < FixedCols() || ToIndex >= n || FromIndex == ToIndex)
        return;
    FLayout.Cols.Sizes.move(FromIndex, ToIndex);
    // The current cell follows the column it is in.
    if (FCol == FromIndex)
        FCol = ToIndex;
    else if (FromIndex < FCol && FCol <= ToIndex)
        --FCol;
    else if (ToIndex <= FCol && FCol < FromIndex)
        ++FCol;
    viewport()->update();
    LayoutChanged();
}

void TDrawGrid::MoveColumnData(int FromIndex, int ToIndex)
{
    MoveColumn(FromIndex, ToIndex);
}

void TDrawGrid::UserMoveColumn(int FromIndex, int ToIndex)
{
    const int n = ColCount();
    if (FromIndex < FixedCols() || FromIndex >= n || ToIndex < FixedCols() || ToIndex >= n || FromIndex == ToIndex)
        return;
    bool alive = true;
    Guarded(this, [&] {
        MoveColumnData(FromIndex, ToIndex);
        alive = Raise(this, OnColumnMoved, &TDrawGrid::columnMoved, this, FromIndex, ToIndex);
    });
    if (!alive)
        return;
    ScrollCurrentInView();
    viewport()->update();
}

bool TDrawGrid::SetCurrent(int ACol, int ARow)
{
    return MoveCurrent(ACol, ARow, false);
}

bool TDrawGrid::MoveCurrent(int ACol, int ARow, bool byKey)
{
    if (ACol < FixedCols() || ACol >= ColCount() || ARow < FixedRows() || ARow >= RowCount())
        return false;
    // The cell is shown first, so that whatever the owner puts over it on
    // selection lands where the cell is.
    MakeVisible(ACol, ARow);
    bool canSelect = true;
    FSelectingByKey = byKey;
    bool alive = true;
    const bool ran = Guarded(
        this, [&] { alive = Raise(this, OnSelectCell, &TDrawGrid::selectingCell, this, ACol, ARow, canSelect); });
    if (!alive)
        return false;
    FSelectingByKey = false;
    if (!ran || !canSelect)
        return false;
    FCol = ACol;
    FRow = ARow;
    ScrollCurrentInView();
    viewport()->update();
    return true;
}

void TDrawGrid::SetCurrentQuietly(int ACol, int ARow)
{
    if (ACol < FixedCols() || ACol >= ColCount() || ARow < FixedRows() || ARow >= RowCount())
        return;
    FCol = ACol;
    FRow = ARow;
    viewport()->update();
}

void TDrawGrid::ScrollCurrentInView()
{
    MakeVisible(FCol, FRow);
}

void TDrawGrid::MakeVisible(int ACol, int ARow)
{
    const int oldLeft = LeftCol();
    const int oldTop = TopRow();
    FLayout.Cols.ScrollInView(ACol, viewport()->width());
    FLayout.Rows.ScrollInView(ARow, viewport()->height());
    if (oldLeft != LeftCol() || oldTop != TopRow()) {
        UpdateScrollBars();
        TopLeftMoved();
    }
}

void TDrawGrid::SetLeftCol(int Value)
{
    SetFirst(FLayout.Cols, Value);
}

void TDrawGrid::SetFirst(TGridAxis& Axis, int Value)
{
    const int old = Axis.First;
    Axis.First = Value;
    Axis.ClampFirst(&Axis == &FLayout.Cols ? viewport()->width() : viewport()->height());
    if (Axis.First == old)
        return;
    UpdateScrollBars();
    TopLeftMoved();
}

void TDrawGrid::TopLeftMoved()
{
    viewport()->update();
    bool alive = true;
    Guarded(this, [&] { alive = Raise(this, OnTopLeftChanged, &TDrawGrid::topLeftChanged, this); });
    if (alive)
        LayoutChanged();
}

void TDrawGrid::LayoutChanged()
{
    Guarded(this, [this] { Raise(this, OnLayoutChanged, &TDrawGrid::layoutChanged, this); });
}

void TDrawGrid::UpdateScrollBars()
{
    // The bars count scrolled cells, not pixels, as the grid scrolls a whole
    // cell at a time.
    FSyncingScrollBars = true;
    const int oldLeft = LeftCol();
    const int oldTop = TopRow();
    FLayout.Cols.ClampFirst(viewport()->width());
    FLayout.Rows.ClampFirst(viewport()->height());
    const bool moved = oldLeft != LeftCol() || oldTop != TopRow();
    horizontalScrollBar()->setRange(0, FLayout.Cols.MaxFirst(viewport()->width()) - FixedCols());
    horizontalScrollBar()->setPageStep(1);
    horizontalScrollBar()->setValue(LeftCol() - FixedCols());
    verticalScrollBar()->setRange(0, FLayout.Rows.MaxFirst(viewport()->height()) - FixedRows());
    verticalScrollBar()->setPageStep(1);
    verticalScrollBar()->setValue(TopRow() - FixedRows());
    FSyncingScrollBars = false;
    if (moved)
        TopLeftMoved();
}

void TDrawGrid::scrollContentsBy(int, int)
{
    if (FSyncingScrollBars)
        return;
    FLayout.Cols.First = FixedCols() + horizontalScrollBar()->value();
    FLayout.Rows.First = FixedRows() + verticalScrollBar()->value();
    TopLeftMoved();
}

void TDrawGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void TDrawGrid::PaintCells(QPainter& Canvas, const QRect& Area)
{
    const QPalette& pal = palette();
    const int line = GridLineWidth();
    const int lastCol = FLayout.Cols.LastVisible(Area.right() + 1);
    const int lastRow = FLayout.Rows.LastVisible(Area.bottom() + 1);
    for (int row = 0; row <= lastRow; ++row) {
        for (int col = 0; col <= lastCol; ++col) {
            const QRect cell = CellRect(col, row);
            if (cell.isEmpty() || !cell.intersects(Area))
                continue;
            TGridDrawState state;
            const bool fixed = col < FixedCols() || row < FixedRows();
            if (fixed)
                state.Include(gdFixed);
            if (col == FCol && row == FRow) {
                state.Include(gdSelected);
                if (hasFocus())
                    state.Include(gdFocused);
            }
            Canvas.save();
            Canvas.setClipRect(cell);
            Canvas.fillRect(cell, fixed ? pal.button() : pal.base());
            Canvas.setPen(pal.text().color());
            Canvas.setFont(font());
            // Painting: neither a handler nor a receiver may free the grid here.
            Guarded(this, [&] { Raise(this, OnDrawCell, &TDrawGrid::drawCell, this, col, row, cell, state, Canvas); });
            Canvas.restore();
            if (state.Contains(gdFocused)) {
                QStyleOptionFocusRect option;
                option.initFrom(this);
                option.rect = cell.adjusted(1, 1, -1, -1);
                option.backgroundColor = pal.base().color();
                style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &Canvas, this);
            }
            // The grid lines right of and below the cell.
            Canvas.fillRect(QRect(cell.right() + 1, cell.top(), line, cell.height() + line), pal.mid());
            Canvas.fillRect(QRect(cell.left(), cell.bottom() + 1, cell.width() + line, line), pal.mid());
        }
    }
    if (FDragMode == dmMoving) {
        const int x = MoveMarkerX();
        if (x >= 0)
            Canvas.fillRect(QRect(x - 1, 0, 3, viewport()->height()), pal.highlight());
    }
}

void TDrawGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    PaintCells(painter, event->rect());
}

int TDrawGrid::MoveTarget(int X) const
{
    // The column whose half the mouse is over: left of a column's middle means
    // before it, right of it means after it.
    int target = FDragIndex;
    for (int col = FixedCols(); col < ColCount(); ++col) {
        const QRect cell = CellRect(col, 0);
        if (cell.isEmpty())
            continue;
        if (X < cell.left())
            break;
        if (X <= cell.right() + GridLineWidth())
            return col;
        target = col;
    }
    if (X < FLayout.Cols.Start(LeftCol()))
        return LeftCol();
    return target;
}

int TDrawGrid::MoveMarkerX() const
{
    if (FMoveTo < 0 || FMoveTo == FDragIndex)
        return -1;
    const QRect cell = CellRect(FMoveTo, 0);
    if (cell.isEmpty())
        return -1;
    return FMoveTo > FDragIndex ? cell.right() + 1 : cell.left() - 1;
}

void TDrawGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    const QPoint cell = MouseToCell(pos);
    if (cell.y() >= 0 && cell.y() < FixedRows()) {
        const int border = FLayout.Cols.BorderAt(pos.x(), kSizingTolerance);
        if (border >= 0) {
            FDragMode = dmSizing;
            FDragIndex = border;
            FDragOrigin = pos.x();
            FDragSizeStart = ColWidths(border);
            return;
        }
        if (cell.x() >= FixedCols()) {
            FDragMode = dmMovePending;
            FDragIndex = cell.x();
            FDragOrigin = pos.x();
            return;
        }
        return;
    }
    if (cell.x() >= FixedCols() && cell.y() >= FixedRows())
        MoveCurrent(cell.x(), cell.y(), false);
}

void TDrawGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    switch (FDragMode) {
    case dmSizing: SetColWidths(FDragIndex, std::max(kMinColWidth, FDragSizeStart + pos.x() - FDragOrigin)); return;
    case dmMovePending:
        if (std::abs(pos.x() - FDragOrigin) < kMoveThreshold)
            return;
        FDragMode = dmMoving;
        viewport()->setCursor(Qt::ClosedHandCursor);
        [[fallthrough]];
    case dmMoving:
        FMoveTo = MoveTarget(pos.x());
        viewport()->update();
        return;
    case dmNone: break;
    }
    const QPoint cell = MouseToCell(pos);
    const bool onBorder =
        cell.y() >= 0 && cell.y() < FixedRows() && FLayout.Cols.BorderAt(pos.x(), kSizingTolerance) >= 0;
    if (onBorder)
        viewport()->setCursor(Qt::SplitHCursor);
    else
        viewport()->unsetCursor();
}

void TDrawGrid::mouseReleaseEvent(QMouseEvent* event)
{
    const TGridDragMode mode = std::exchange(FDragMode, dmNone);
    viewport()->unsetCursor();
    if (mode == dmMoving) {
        const int from = FDragIndex;
        const int to = MoveTarget(event->position().toPoint().x());
        FMoveTo = -1;
        viewport()->update();
        UserMoveColumn(from, to);
    }
    FDragIndex = -1;
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void TDrawGrid::keyPressEvent(QKeyEvent* event)
{
    int col = FCol;
    int row = FRow;
    if (event->modifiers() & Qt::ControlModifier) {
        if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
            UserMoveColumn(FCol, FCol + (event->key() == Qt::Key_Left ? -1 : 1));
            return;
        }
    }
    switch (event->key()) {
    case Qt::Key_Left: --col; break;
    case Qt::Key_Right: ++col; break;
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_Home: col = FixedCols(); break;
    case Qt::Key_End: col = ColCount() - 1; break;
    case Qt::Key_PageUp: row = FixedRows(); break;
    case Qt::Key_PageDown: row = RowCount() - 1; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        Guarded(this, [this] { Raise(this, OnEditCell, &TDrawGrid::editCellRequested, this, FCol, FRow); });
        return;
    default: QAbstractScrollArea::keyPressEvent(event); return;
    }
    col = std::clamp(col, FixedCols(), ColCount() - 1);
    row = std::clamp(row, FixedRows(), RowCount() - 1);
    if (col != FCol || row != FRow)
        MoveCurrent(col, row, true);
}

void TDrawGrid::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void TDrawGrid::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

} // namespace schemakit
