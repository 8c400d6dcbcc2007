#pragma once

#include <schemakit/schemakit_export.h>

#include "ColumnGrid.h"

#include "../package/DrawGrid.h"

namespace schemakit {

/// The query builder's column grid on screen: a draw grid over a column-grid
/// model. The model holds the texts and its rules; the widget keeps its column
/// widths with the model's columns, and a column the user drags to another
/// place moves in the model, since the statement lists fields in the order the
/// person sees.
class SCHEMAKIT_EXPORT TColumnGrid : public TDrawGrid {
    Q_OBJECT
public:
    /// A grid over an empty model, with the builder's cell sizes.
    explicit TColumnGrid(QWidget* parent = nullptr);
    ~TColumnGrid() override;

    ///@{
    /// The model behind the grid: its texts and rules.
    TColumnGridModel& Model() noexcept { return FModel; }
    const TColumnGridModel& Model() const noexcept { return FModel; }
    ///@}

    ///@{
    /// The text of a cell, kept in the model; setting it repaints the cell.
    QString Cells(int ACol, int ARow) const { return FModel.Cells(ACol, ARow); }
    void SetCells(int ACol, int ARow, const QString& Text);
    ///@}
    /// Shows or hides the Having row.
    /// 7 shows the Having row, anything else hides it (6); no text is lost.
    void SetRowCount(int Value);
    /// Takes over the model's row count after the model changed it.
    void SyncRowCount();

protected:
    /// Moves the column in the model, which moves the widths along.
    void MoveColumnData(int FromIndex, int ToIndex) override;

private:
    TColumnGridModel FModel;
};

} // namespace schemakit
