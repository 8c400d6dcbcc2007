#pragma once

#include "ColumnGrid.h"

#include "../package/DrawGrid.h"

namespace schemakit {

// The query builder's column grid on screen: a draw grid over a column-grid
// model. The model holds the texts and its rules; the widget keeps its column
// widths with the model's columns, and a column the user drags to another
// place moves in the model, since the statement lists fields in the order the
// person sees.
class TColumnGrid : public TDrawGrid {
    Q_OBJECT
public:
    explicit TColumnGrid(QWidget* parent = nullptr);
    ~TColumnGrid() override;

    TColumnGridModel& Model() noexcept { return FModel; }
    const TColumnGridModel& Model() const noexcept { return FModel; }

    QString Cells(int ACol, int ARow) const { return FModel.Cells(ACol, ARow); }
    void SetCells(int ACol, int ARow, const QString& Text);
    // 7 shows the Having row, anything else hides it (6); no text is lost.
    void SetRowCount(int Value);
    // Takes over the model's row count after the model changed it.
    void SyncRowCount();

protected:
    void MoveColumnData(int FromIndex, int ToIndex) override;

private:
    TColumnGridModel FModel;
};

} // namespace schemakit
