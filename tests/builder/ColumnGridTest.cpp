#include <schemakit/builder/ColumnGrid.h>
#include <schemakit/builder/ColumnGridGeometry.h>
#include <schemakit/builder/HandleRegistry.h>
#include <schemakit/package/SchmCnst.h>

#include <QObject>
#include <QSet>

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

using namespace schemakit;
using namespace Qt::StringLiterals;

namespace {

// Boxes and rows as plain values, ticked the way the builder form ticks them:
// ticking "*" unticks the other rows of its box and ticking another row unticks
// "*", each untick reaching the grid before the tick that caused it.
struct Builder {
    struct Row {
        int Box;
        QString Caption;
        bool Checked = false;
    };

    int AddBox(const QString& caption, const QStringList& fields, bool drop = true)
    {
        Boxes << caption;
        for (const QString& field : QStringList{u"*"_s} + fields) {
            Rows.push_back(std::make_unique<Row>(Row{int(Boxes.size()) - 1, field}));
            Registry.Register(Rows.back().get());
        }
        if (drop) // a freshly dropped table selects all its fields
            Tick(int(Boxes.size()) - 1, u"*"_s, true);
        return int(Boxes.size()) - 1;
    }

    void Tick(int box, const QString& caption, bool checked)
    {
        for (const auto& row : Rows) {
            if (row->Box == box && row->Caption == caption)
                SetChecked(*row, checked);
        }
    }

    void SetChecked(Row& row, bool checked)
    {
        if (row.Checked == checked)
            return;
        row.Checked = checked;
        for (const auto& other : Rows) {
            if (checked && other->Box == row.Box && (row.Caption == u"*") != (other->Caption == u"*"))
                SetChecked(*other, false);
        }
        Grid.SubItemChecked(Registry.Handle(&row), checked, Boxes[row.Box]);
    }

    void DeleteBox(int box)
    {
        Grid.RemoveColumnsWhere([&](qint64 handle) {
            const Row* row = static_cast<Row*>(Registry.Resolve(handle));
            return row && row->Box == box;
        });
    }

    // "table.field" per data column, "" for an empty one; checks the grid's
    // invariants on the way.
    QStringList Columns() const
    {
        QStringList result;
        QSet<qint64> seen;
        for (int col = 1; col < Grid.ColCount(); ++col) {
            const qint64 handle = Grid.ColumnHandle(col);
            EXPECT_TRUE(handle != 0 || Grid.ColCount() == 2) << "an empty column beside others";
            EXPECT_FALSE(handle != 0 && seen.contains(handle)) << "two columns for one row";
            seen.insert(handle);
            const Row* row = static_cast<Row*>(Registry.Resolve(handle));
            result << (row ? Grid.Cells(col, grTable) + u'.' + row->Caption : QString());
        }
        return result;
    }

    QStringList Boxes;
    std::vector<std::unique_ptr<Row>> Rows;
    THandleRegistry Registry;
    TColumnGridModel Grid;
};

} // namespace

TEST(ColumnGridModel, StartsWithOneEmptyColumnAndTheCurrentCaptions)
{
    TColumnGridModel grid;
    EXPECT_EQ(grid.ColCount(), 2);
    EXPECT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.Cells(0, grField), u"Field"_s);
    EXPECT_EQ(grid.Cells(0, grHaving), u"Having"_s); // written while hidden
    EXPECT_FALSE(grid.IsColumnUsed(1));

    SetResourceStringTable({{strWhereName.Id(), u"Wo"_s}});
    EXPECT_EQ(TColumnGridModel().Cells(0, grWhere), u"Wo"_s);
    ResetResourceStringTable();
}

TEST(ColumnGridSync, TicksFollowTheBuilderFormsOrder)
{
    Builder b;
    const int customer = b.AddBox(u"customer"_s, {u"id"_s, u"name"_s});
    EXPECT_EQ(b.Columns(), QStringList{u"customer.*"_s});

    // "*" leaves first, so "name" takes over the kept empty column.
    b.Tick(customer, u"name"_s, true);
    EXPECT_EQ(b.Columns(), QStringList{u"customer.name"_s});

    b.Tick(customer, u"id"_s, true);
    EXPECT_EQ(b.Columns(), (QStringList{u"customer.name"_s, u"customer.id"_s}));
    b.Tick(customer, u"id"_s, true); // no change, no second column
    EXPECT_EQ(b.Grid.ColCount(), 3);

    b.Tick(customer, u"*"_s, true);
    EXPECT_EQ(b.Columns(), QStringList{u"customer.*"_s});

    b.Tick(customer, u"*"_s, false);
    EXPECT_EQ(b.Columns(), QStringList{QString()});
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(b.Grid.Cells(1, row), QString()) << row;
}

TEST(ColumnGridSync, DeletingABoxRemovesEachOfItsColumns)
{
    Builder b;
    const int customer = b.AddBox(u"customer"_s, {u"id"_s, u"name"_s});
    const int orders = b.AddBox(u"orders"_s, {u"id"_s});
    b.Tick(customer, u"id"_s, true);
    b.Tick(orders, u"id"_s, true);
    b.Tick(customer, u"name"_s, true);
    EXPECT_EQ(b.Columns(), (QStringList{u"customer.id"_s, u"orders.id"_s, u"customer.name"_s}));

    b.DeleteBox(customer);
    EXPECT_EQ(b.Columns(), QStringList{u"orders.id"_s});
    b.DeleteBox(orders);
    EXPECT_EQ(b.Columns(), QStringList{QString()});
}

TEST(ColumnGridSync, AHiddenHavingTextDoesNotComeBack)
{
    Builder b;
    const int customer = b.AddBox(u"customer"_s, {u"id"_s, u"city"_s}, false);
    b.Tick(customer, u"city"_s, true);
    b.Grid.CommitGrouping(1, true);
    b.Grid.CommitText(1, grHaving, u"COUNT(*) > 5"_s);
    b.Grid.CommitGrouping(1, false);
    EXPECT_EQ(b.Grid.RowCount(), 6);
    EXPECT_EQ(b.Grid.Cells(1, grHaving), u"COUNT(*) > 5"_s); // hiding keeps the text

    b.Tick(customer, u"city"_s, false);
    b.Tick(customer, u"id"_s, true);
    b.Grid.CommitGrouping(1, true);
    EXPECT_EQ(b.Grid.RowCount(), 7);
    EXPECT_EQ(b.Grid.Cells(1, grHaving), QString());
}

TEST(ColumnGridModel, ColumnsMoveWithTheirCellsAndTheGridKeepsOneDataColumn)
{
    TColumnGridModel grid;
    for (qint64 handle = 1; handle <= 3; ++handle) {
        const int col = grid.AddColumnFor(handle, u"t"_s);
        grid.SetCells(col, grWhere, u"w%1"_s.arg(handle));
    }
    EXPECT_TRUE(grid.MoveColumn(3, 1));
    EXPECT_EQ(grid.ColumnHandle(1), 3);
    EXPECT_EQ(grid.Cells(1, grWhere), u"w3"_s);
    EXPECT_EQ(grid.FindColumn(1), 2);
    EXPECT_FALSE(grid.MoveColumn(0, 2));
    EXPECT_FALSE(grid.MoveColumn(1, 4));
    EXPECT_EQ(grid.Cells(0, grWhere), u"Where"_s);

    const auto resolve = [](qint64 handle) -> std::optional<TSQLField> {
        if (handle == 2)
            return std::nullopt; // a row that is gone
        return TSQLField{7, u"f%1"_s.arg(handle), quintptr(handle)};
    };
    grid.InsertColumn(2);                 // empty: left out
    grid.SetCells(2, grField, u"junk"_s); // used, but names no row: left out
    const QList<TSQLColumn> columns = UsedSQLColumns(grid, resolve);
    ASSERT_EQ(columns.size(), 2);
    EXPECT_EQ(columns[0].Field.Caption, u"f3"_s);
    EXPECT_EQ(columns[0].Where, u"w3"_s);
    EXPECT_EQ(columns[1].Field.Caption, u"f1"_s);

    EXPECT_FALSE(grid.DeleteColumn(0));
    while (grid.DeleteColumn(1)) {
    }
    EXPECT_EQ(grid.ColCount(), 2);
    EXPECT_FALSE(grid.RemoveColumnAt(0));
}

TEST(ColumnGridHandles, OnlyRegisteredRowsResolve)
{
    for (const QString& text : {u""_s, u"abc"_s, u"0"_s, u" 5"_s, u"5 "_s, u"+5"_s, u"0x5"_s, u"1e3"_s,
                                u"99999999999999999999"_s, u"-"_s, u"--5"_s})
        EXPECT_EQ(ParseHandle(text), 0) << qPrintable(text);
    EXPECT_EQ(ParseHandle(u"9223372036854775807"), std::numeric_limits<qint64>::max());

    THandleRegistry registry;
    int a = 0;
    int b = 0;
    const qint64 ha = registry.Register(&a);
    EXPECT_NE(ha, 0);
    EXPECT_EQ(registry.Register(&a), ha);
    EXPECT_EQ(registry.Resolve(HandleText(ha)), &a);
    EXPECT_EQ(registry.Resolve(u"0"), nullptr);
    EXPECT_EQ(registry.Resolve(QString::number(-ha)), nullptr);

    // A forgotten row's handle stays dead, even when the row comes back.
    registry.Forget(&a);
    EXPECT_NE(registry.Register(&a), ha);
    EXPECT_EQ(registry.Resolve(ha), nullptr);

    // Handles are unique across registries too.
    THandleRegistry other;
    EXPECT_NE(other.Register(&b), registry.Register(&b));

    auto row = std::make_unique<QObject>();
    const qint64 tracked = registry.Track(row.get());
    EXPECT_EQ(registry.Resolve(tracked), row.get());
    row.reset();
    EXPECT_EQ(registry.Resolve(tracked), nullptr);
    EXPECT_EQ(registry.Count(), 2);
}

TEST(ColumnGridEditors, CommitsLandInTheirCells)
{
    TColumnGridModel grid;
    const int star = grid.AddColumnFor(1, u"customer"_s);
    const int id = grid.AddColumnFor(2, u"customer"_s);

    const TChoiceCommit refused = grid.CommitChoice(star, grCalculate, u"Count"_s, u"*");
    EXPECT_TRUE(refused.Refused);
    EXPECT_EQ(refused.Warning, u"You can not apply this aggregative function to *."_s);
    EXPECT_EQ(grid.Cells(star, grCalculate), QString());
    EXPECT_FALSE(grid.CommitChoice(star, grSort, u"Ascending"_s, u"*").Refused);
    EXPECT_EQ(grid.Cells(star, grSort), u"Ascending"_s);

    EXPECT_FALSE(grid.CommitChoice(id, grCalculate, u"Count"_s, u"id").Refused);
    EXPECT_EQ(grid.Cells(id, grCalculate), u"Count"_s);
    grid.CommitChoice(id, grCalculate, QString(), u"id");
    EXPECT_EQ(grid.Cells(id, grCalculate), QString());
    grid.CommitChoice(id, grTable, u"orders"_s, u"id");
    EXPECT_EQ(grid.Cells(id, grTable), u"orders"_s);
    EXPECT_EQ(grid.ColumnHandle(id), 2);

    grid.CommitText(id, grWhere, u"id > 10"_s);
    grid.CommitText(id, grHaving, u"x"_s);
    EXPECT_EQ(grid.Cells(id, grWhere), u"id > 10"_s);
    EXPECT_EQ(grid.Cells(id, grHaving), u"x"_s);

    // One Having row for all: the last Grouping commit decides.
    grid.CommitGrouping(star, true);
    grid.CommitGrouping(id, true);
    EXPECT_EQ(grid.RowCount(), 7);
    grid.CommitGrouping(id, false);
    EXPECT_EQ(grid.RowCount(), 6);
    EXPECT_TRUE(grid.IsGrouped(star));
    EXPECT_EQ(grid.Cells(id, grGrouping), u"0"_s);
}

TEST(ColumnGridEditors, CellsOpenTheirEditorsOnlyInUsedColumns)
{
    TColumnGridModel grid;
    EXPECT_EQ(grid.EditorForCell(1, grWhere), ceNone); // the empty column
    grid.CommitText(1, grWhere, u"lost"_s);
    EXPECT_EQ(grid.Cells(1, grWhere), QString());

    grid.AddColumnFor(5, u"t"_s);
    const TColumnEditor expected[] = {ceNone, ceTables, ceValues, ceSorting, ceWhere, ceGroupBy, ceWhere, ceNone};
    for (int row = 0; row < 8; ++row)
        EXPECT_EQ(grid.EditorForCell(1, row), expected[row]) << row;
    EXPECT_EQ(grid.EditorForCell(0, grWhere), ceNone);
}

TEST(ColumnGridGeometry, EditorsCoverTheCellAndTheCheckBoxSitsInItsMiddle)
{
    const QRect cell(101, 40, 100, 19);
    const QSize check(13, 13);
    EXPECT_EQ(InplaceEditorRect(ceValues, cell, check), QRect(102, 41, 101, 20));
    // (101 + 201 - 13) / 2 + 3 and (40 + 59 - 13) / 2 + 3
    EXPECT_EQ(InplaceEditorRect(ceGroupBy, cell, check), QRect(147, 46, 13, 13));
    EXPECT_EQ(InplaceEditorRect(ceNone, cell, check), QRect());

    EXPECT_EQ(CellTextRect(cell), QRect(103, 42, 97, 17));
    EXPECT_EQ(CheckBoxGlyphRect(CellTextRect(cell), check), QRect(145, 44, 13, 13));
}
