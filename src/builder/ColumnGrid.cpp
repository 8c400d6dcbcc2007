#include "ColumnGrid.h"

#include "HandleRegistry.h"

#include "../package/SchmCnst.h"

namespace schemakit {

namespace {

constexpr std::array<const TResourceString*, kColumnGridRowCount> kRowCaptions{
    &strFieldName, &strTableName, &strValueName, &strSortName, &strWhereName, &strGroupName, &strHavingName};

constexpr QStringView kAllFields = u"*";

} // namespace

QString ColumnGridRowCaption(int Row)
{
    if (Row < 0 || Row >= kColumnGridRowCount)
        return {};
    return kRowCaptions[std::size_t(Row)]->Text();
}

QStringList CalculateChoices()
{
    return {QString(),          strValueCOUNT.Text(), strValueSUM.Text(),
            strValueMAX.Text(), strValueMIN.Text(),   strValueAVG.Text()};
}

QStringList SortChoices()
{
    return {QString(), strSortASC.Text(), strSortDESC.Text()};
}

TColumnGridModel::TColumnGridModel() : FColumns(2)
{
    WriteRowCaptions();
}

QString TColumnGridModel::Cells(int Col, int Row) const
{
    if (Col < 0 || Col >= ColCount() || Row < 0 || Row >= kColumnGridRowCount)
        return {};
    return FColumns.at(Col)[std::size_t(Row)];
}

void TColumnGridModel::SetCells(int Col, int Row, const QString& Text)
{
    if (Col < 0 || Col >= ColCount() || Row < 0 || Row >= kColumnGridRowCount)
        return;
    FColumns[Col][std::size_t(Row)] = Text;
}

void TColumnGridModel::WriteRowCaptions()
{
    for (int row = 0; row < kColumnGridRowCount; ++row)
        FColumns[0][std::size_t(row)] = ColumnGridRowCaption(row);
}

bool TColumnGridModel::InsertColumn(int Col)
{
    if (Col < 1 || Col > ColCount())
        return false;
    FColumns.insert(Col, TColumn{});
    if (OnColumnInserted)
        OnColumnInserted(Col);
    return true;
}

bool TColumnGridModel::DeleteColumn(int Col)
{
    if (!IsDataColumn(Col) || ColCount() <= 2)
        return false;
    FColumns.removeAt(Col);
    if (OnColumnDeleted)
        OnColumnDeleted(Col);
    return true;
}

bool TColumnGridModel::MoveColumn(int From, int To)
{
    if (!IsDataColumn(From) || !IsDataColumn(To))
        return false;
    FColumns.move(From, To);
    if (OnColumnMoved && From != To)
        OnColumnMoved(From, To);
    return true;
}

void TColumnGridModel::ClearColumn(int Col)
{
    // All seven rows: a Having text left behind while the row is hidden would
    // turn up under the next field that takes this column over.
    if (IsDataColumn(Col))
        FColumns[Col] = TColumn{};
}

bool TColumnGridModel::IsColumnUsed(int Col) const
{
    return IsDataColumn(Col) && !FColumns.at(Col)[grField].isEmpty();
}

qint64 TColumnGridModel::ColumnHandle(int Col) const
{
    return IsDataColumn(Col) ? ParseHandle(FColumns.at(Col)[grField]) : 0;
}

int TColumnGridModel::FindColumn(qint64 Handle) const
{
    if (Handle == 0)
        return -1;
    for (int col = ColCount() - 1; col >= 1; --col) {
        if (ColumnHandle(col) == Handle)
            return col;
    }
    return -1;
}

int TColumnGridModel::AddColumnFor(qint64 Handle, const QString& TableCaption)
{
    if (Handle == 0)
        return -1;
    if (const int known = FindColumn(Handle); known >= 0)
        return known;
    int col = ColCount() - 1;
    if (IsColumnUsed(col)) {
        ++col;
        InsertColumn(col);
    }
    ClearColumn(col);
    FColumns[col][grField] = HandleText(Handle);
    FColumns[col][grTable] = TableCaption;
    return col;
}

bool TColumnGridModel::RemoveColumnAt(int Col)
{
    if (!IsDataColumn(Col))
        return false;
    ClearColumn(Col);
    DeleteColumn(Col);
    return true;
}

bool TColumnGridModel::RemoveColumnFor(qint64 Handle)
{
    const int col = FindColumn(Handle);
    return col >= 0 && RemoveColumnAt(col);
}

int TColumnGridModel::RemoveColumnsWhere(const std::function<bool(qint64 Handle)>& Belongs)
{
    int removed = 0;
    for (int col = ColCount() - 1; col >= 1; --col) {
        if (IsColumnUsed(col) && Belongs(ColumnHandle(col))) {
            RemoveColumnAt(col);
            ++removed;
        }
    }
    return removed;
}

TColumnChange TColumnGridModel::SubItemChecked(qint64 Handle, bool Checked, const QString& TableCaption)
{
    const int col = FindColumn(Handle);
    if (col >= 0 && !Checked) {
        RemoveColumnAt(col);
        return ccRemoved;
    }
    if (col < 0 && Checked && AddColumnFor(Handle, TableCaption) >= 0)
        return ccAdded;
    return ccNone;
}

TColumnEditor TColumnGridModel::EditorForCell(int Col, int Row) const
{
    if (!IsColumnUsed(Col))
        return ceNone;
    switch (Row) {
    case grTable: return ceTables;
    case grCalculate: return ceValues;
    case grSort: return ceSorting;
    case grWhere:
    case grHaving: return ceWhere;
    case grGrouping: return ceGroupBy;
    default: return ceNone;
    }
}

TChoiceCommit TColumnGridModel::CommitChoice(int Col, int Row, const QString& Choice, QStringView FieldCaption)
{
    const TColumnEditor editor = EditorForCell(Col, Row);
    if (editor != ceTables && editor != ceValues && editor != ceSorting)
        return {Cells(Col, Row), false, {}};
    if (editor == ceValues && !Choice.isEmpty() && FieldCaption == kAllFields) {
        // No aggregate, "Count" included, makes sense over "*" in this form.
        SetCells(Col, Row, QString());
        return {QString(), true, zbtAggIsNotAllowed.Text()};
    }
    SetCells(Col, Row, Choice);
    return {Choice, false, {}};
}

void TColumnGridModel::CommitGrouping(int Col, bool Checked)
{
    if (!IsColumnUsed(Col))
        return;
    SetCells(Col, grGrouping, Checked ? QStringLiteral("1") : QStringLiteral("0"));
    // One Having row serves all columns, so the last commit decides.
    SetHavingShown(Checked);
}

void TColumnGridModel::CommitText(int Col, int Row, const QString& Text)
{
    if (EditorForCell(Col, Row) == ceWhere)
        SetCells(Col, Row, Text);
}

bool TColumnGridModel::IsGrouped(int Col) const
{
    return IsDataColumn(Col) && FColumns.at(Col)[grGrouping] == u"1";
}

QList<TSQLColumn> UsedSQLColumns(const TColumnGridModel& Grid, const TColumnFieldResolver& Resolve)
{
    QList<TSQLColumn> columns;
    columns.reserve(Grid.ColCount() - 1);
    for (int col = 1; col < Grid.ColCount(); ++col) {
        if (!Grid.IsColumnUsed(col))
            continue;
        const qint64 handle = Grid.ColumnHandle(col);
        std::optional<TSQLField> field = handle != 0 && Resolve ? Resolve(handle) : std::nullopt;
        if (!field)
            continue;
        TSQLColumn column;
        column.Field = std::move(*field);
        column.Calculate = Grid.Cells(col, grCalculate);
        column.Sort = Grid.Cells(col, grSort);
        column.Where = Grid.Cells(col, grWhere);
        column.Grouping = Grid.Cells(col, grGrouping);
        column.Having = Grid.Cells(col, grHaving);
        columns.append(std::move(column));
    }
    return columns;
}

} // namespace schemakit
