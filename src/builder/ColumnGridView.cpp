#include "ColumnGridView.h"

#include "ColumnGridGeometry.h"

namespace schemakit {

TColumnGrid::TColumnGrid(QWidget* parent) : TDrawGrid(parent)
{
    SetDefaultColWidth(kColumnGridDefaultColWidth);
    SetDefaultRowHeight(kColumnGridDefaultRowHeight);
    TDrawGrid::SetColCount(FModel.ColCount());
    TDrawGrid::SetRowCount(FModel.RowCount());
    FModel.OnColumnInserted = [this](int col) { InsertColumn(col); };
    FModel.OnColumnDeleted = [this](int col) { DeleteColumn(col); };
    FModel.OnColumnMoved = [this](int from, int to) { MoveColumn(from, to); };
}

TColumnGrid::~TColumnGrid()
{
    FModel.OnColumnInserted = nullptr;
    FModel.OnColumnDeleted = nullptr;
    FModel.OnColumnMoved = nullptr;
}

void TColumnGrid::SetCells(int ACol, int ARow, const QString& Text)
{
    FModel.SetCells(ACol, ARow, Text);
    viewport()->update(CellRect(ACol, ARow));
}

void TColumnGrid::SetRowCount(int Value)
{
    FModel.SetHavingShown(Value == kColumnGridRowCount);
    SyncRowCount();
}

void TColumnGrid::SyncRowCount()
{
    TDrawGrid::SetRowCount(FModel.RowCount());
}

void TColumnGrid::MoveColumnData(int FromIndex, int ToIndex)
{
    // The model tells the grid through OnColumnMoved, which moves the widths.
    FModel.MoveColumn(FromIndex, ToIndex);
}

} // namespace schemakit
