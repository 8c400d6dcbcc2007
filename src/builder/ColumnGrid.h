#pragma once

#include <schemakit/schemakit_export.h>

#include "SqlGeneration.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <functional>
#include <optional>

namespace schemakit {

/// The rows of the query builder's column grid. The indexes are shared with SQL
/// generation, so they never change.
enum TColumnGridRow : int {
    grField = 0,     ///< the handle of the column's row (decimal text); empty for an empty column
    grTable = 1,     ///< the caption of the row's box when the column was made; display only
    grCalculate = 2, ///< empty or an aggregate's display text
    grSort = 3,      ///< empty, "Ascending" or "Descending"
    grWhere = 4,     ///< free filter text
    grGrouping = 5,  ///< "1" grouped, "0" ungrouped, empty when never set
    grHaving = 6,    ///< free group-filter text; on screen only while RowCount() is 7
};

inline constexpr int kColumnGridRowCount = 7;        ///< rows every column keeps
inline constexpr int kColumnGridVisibleRowCount = 6; ///< RowCount() while Having is hidden

/// Which in-place editor a cell opens; Where and Having share one edit box.
enum TColumnEditor {
    ceNone,    ///< no editor
    ceTables,  ///< the drop-down of the Table row
    ceValues,  ///< the drop-down of the Calculate row (aggregates)
    ceSorting, ///< the drop-down of the Sort row
    ceWhere,   ///< the edit box of the Where and Having rows
    ceGroupBy  ///< the check box of the Grouping row
};

/// What a tick or an untick did to the grid.
enum TColumnChange {
    ccNone,   ///< nothing changed
    ccAdded,  ///< the row got a column
    ccRemoved ///< the row lost its column
};

/// The caption of a row in column 0, read from the resource table now.
SCHEMAKIT_EXPORT QString ColumnGridRowCaption(int Row);
///@{
/// The choices of the Calculate and Sort editors, each list led by the empty entry.
SCHEMAKIT_EXPORT QStringList CalculateChoices();
SCHEMAKIT_EXPORT QStringList SortChoices();
///@}

/// The result of committing a drop-down choice.
struct SCHEMAKIT_EXPORT TChoiceCommit {
    QString Text;         ///< the cell's text afterwards; the drop-down shows it again
    bool Refused = false; ///< whether the choice was refused
    QString Warning;      ///< when refused: the message to show the user
};

/// The column grid of the query builder as a table of cell texts: column 0
/// holds the row captions, every further column one row (field) of a box on the
/// pane, named by its handle in row 0. The order of the data columns is the
/// order of the fields in the statement.
///
/// The grid primitives (SetCells, InsertColumn, MoveColumn) do what a string
/// grid does; the column operations below them keep the grid's invariants:
/// at least one data column, at most one column per row, and an empty data
/// column only when it is the only one.
class SCHEMAKIT_EXPORT TColumnGridModel {
public:
    /// Two columns and six rows, the captions written.
    TColumnGridModel();

    /// The number of columns, column 0 of the captions included.
    int ColCount() const { return int(FColumns.size()); }
    /// The number of rows shown:
    /// 6, or 7 while the Having row is shown. Hiding the row keeps its texts.
    int RowCount() const { return FHavingShown ? kColumnGridRowCount : kColumnGridVisibleRowCount; }
    ///@{
    /// Whether the Having row is shown.
    bool HavingShown() const { return FHavingShown; }
    void SetHavingShown(bool Value) { FHavingShown = Value; }
    ///@}

    ///@{
    /// The text of a cell.
    /// Rows 0 to 6 of every column hold text whether shown or not; a cell outside
    /// the grid reads as empty and ignores writes.
    QString Cells(int Col, int Row) const;
    void SetCells(int Col, int Row, const QString& Text);
    ///@}
    /// Writes the current texts of the row captions into column 0.
    void WriteRowCaptions();

    /// Inserts an empty data column at Col (1 to ColCount()); returns whether it did.
    bool InsertColumn(int Col);
    /// Deletes data column Col, unless it is the only one; returns whether it did.
    bool DeleteColumn(int Col);
    /// Moves data column From to position To, both data columns, the way a
    /// user drags a column: its cells go with it. Returns whether both were data columns.
    bool MoveColumn(int From, int To);
    /// Empties all seven rows of a column, the hidden Having row too.
    void ClearColumn(int Col);

    /// Whether data column Col stands for a row (its handle cell is not empty).
    bool IsColumnUsed(int Col) const;
    /// The handle of the row data column Col stands for, or 0.
    qint64 ColumnHandle(int Col) const;
    /// The column holding Handle, scanning from the last data column to the
    /// first, or -1; never a column for handle 0.
    int FindColumn(qint64 Handle) const;

    /// Gives a row its column: an empty last column is taken over, otherwise a
    /// column is appended; the handle goes into row 0, the table caption into
    /// row 1. A row that has a column keeps it unchanged. Returns the column
    /// (-1 for handle 0).
    int AddColumnFor(qint64 Handle, const QString& TableCaption);
    /// Empties column Col and deletes it unless it is the only data column;
    /// returns whether Col was a data column.
    bool RemoveColumnAt(int Col);
    /// Removes the column of the row `Handle`, as RemoveColumnAt; returns whether it had one.
    bool RemoveColumnFor(qint64 Handle);
    /// Removes every used column whose handle Belongs answers true for (the
    /// rows of a deleted box), from the last column to the first; returns how many.
    int RemoveColumnsWhere(const std::function<bool(qint64 Handle)>& Belongs);
    /// A row's check mark changed: a newly checked row without a column gets
    /// one, an unchecked row loses its column.
    TColumnChange SubItemChecked(qint64 Handle, bool Checked, const QString& TableCaption);

    /// The editor a selected cell opens: none in column 0, row 0, an empty
    /// column or below the Having row.
    TColumnEditor EditorForCell(int Col, int Row) const;
    /// Commits a drop-down (rows 1 to 3). An aggregate on the column of "*"
    /// (FieldCaption) is refused and leaves the Calculate cell empty.
    TChoiceCommit CommitChoice(int Col, int Row, const QString& Choice, QStringView FieldCaption);
    /// Commits the Grouping check box of a column: "1" shows the Having row,
    /// "0" hides it whatever the other columns hold.
    void CommitGrouping(int Col, bool Checked);
    /// Commits the edit box (the Where or the Having row).
    void CommitText(int Col, int Row, const QString& Text);
    /// The Grouping check box is ticked exactly when its cell is "1".
    bool IsGrouped(int Col) const;

    // Told after every change of the columns' number or order, so that a view
    // keeps its column widths with the right columns.

    /// Told after a column was inserted at Col, so that a view keeps its widths in step.
    std::function<void(int Col)> OnColumnInserted;
    /// Told after column Col was deleted, so that a view keeps its widths in step.
    std::function<void(int Col)> OnColumnDeleted;
    /// Told after a column moved, so that a view keeps its widths in step.
    std::function<void(int From, int To)> OnColumnMoved;

private:
    using TColumn = std::array<QString, kColumnGridRowCount>;

    bool IsDataColumn(int Col) const { return Col >= 1 && Col < ColCount(); }

    QList<TColumn> FColumns;
    bool FHavingShown = false;
};

/// The field of a column's handle, or nothing when the handle names no row.
using TColumnFieldResolver = std::function<std::optional<TSQLField>(qint64 Handle)>;

/// The used columns in grid order with their option cells, as SQL generation
/// takes them. A column whose handle resolves to no field is left out.
SCHEMAKIT_EXPORT QList<TSQLColumn> UsedSQLColumns(const TColumnGridModel& Grid, const TColumnFieldResolver& Resolve);

} // namespace schemakit
