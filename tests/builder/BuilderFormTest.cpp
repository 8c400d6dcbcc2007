#include "BuilderFormFixture.h"

#include <schemakit/package/SchmCnst.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace schemakit;
using namespace schemakit::test;
using namespace Qt::StringLiterals;

TEST_F(BuilderFormTest, AFreshFormShowsItsTextsAndAnEmptyGrid)
{
    QStringList pages;
    for (int i = 0; i < form->pcSQL->count(); ++i)
        pages << form->pcSQL->tabText(i);
    EXPECT_EQ(pages, (QStringList{u"Columns"_s, u"Options"_s, u"SQL"_s, u"Results"_s}));
    EXPECT_EQ(form->pcSQL->currentWidget(), form->tsColumns);
    EXPECT_EQ(form->cbDistinct->text(), u"select the unique records only"_s);
    EXPECT_FALSE(form->cbDistinct->isChecked());
    QStringList values, sorts, captions;
    for (int i = 0; i < form->cbValues->count(); ++i)
        values << form->cbValues->itemText(i);
    for (int i = 0; i < form->cbSorting->count(); ++i)
        sorts << form->cbSorting->itemText(i);
    for (int row = 0; row <= grHaving; ++row)
        captions << Grid().Cells(0, row);
    EXPECT_EQ(values, (QStringList{QString(), u"Count"_s, u"Summa"_s, u"Maximum"_s, u"Minimum"_s, u"Average"_s}));
    EXPECT_EQ(sorts, (QStringList{QString(), u"Ascending"_s, u"Descending"_s}));
    EXPECT_EQ(captions,
              (QStringList{u"Field"_s, u"Table"_s, u"Calculate"_s, u"Sort"_s, u"Where"_s, u"Grouping"_s, u"Having"_s}));

    TColumnGrid* grid = form->sgColumnGrid;
    EXPECT_EQ(grid->ColCount(), 2);
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(grid->ColWidths(1), 100);
    EXPECT_EQ(grid->RowHeights(3), 19);
    EXPECT_EQ(form->ActiveEditor(), nullptr);
    EXPECT_GT(form->CheckWidth(), 0);
    EXPECT_EQ(form->GenerateSQL(), QString());
}

TEST_F(BuilderFormTest, TicksAndUnticksKeepOneColumnPerTickedRow)
{
    TSchemaItem* customer = Drop(u"customer"_s);
    ASSERT_NE(customer, nullptr);
    ASSERT_EQ(customer->GetSubItemCount(), 3);
    EXPECT_EQ(customer->GetSubItem(0)->Caption(), u"*"_s);
    EXPECT_EQ(customer->GetSubItem(2)->Caption(), u"name"_s);
    EXPECT_TRUE(customer->GetSubItem(0)->Checked());
    EXPECT_EQ(customer->GetSubItem(1)->ImageIndex(), 1);
    EXPECT_EQ(ColumnFields(), QStringList{u"*"_s});
    EXPECT_EQ(Grid().Cells(1, grTable), u"customer"_s);
    EXPECT_EQ(Grid().Cells(1, grField), HandleText(form->SubItemHandle(customer->GetSubItem(0))));

    // Ticking "name" unticks "*" first: its column is emptied inside the outer
    // call, before "name" takes the same column over.
    QStringList calls;
    const TNotifyEvent bound = customer->OnSubItemCheck;
    customer->OnSubItemCheck = [&](QObject* sender) {
        const QString caption = static_cast<TSchemaSubItem*>(sender)->Caption();
        calls << u"enter "_s + caption;
        bound(sender);
        calls << u"leave %1 %2"_s.arg(caption, ColumnFields().join(u','));
    };
    form->pcSQL->setCurrentWidget(form->tsOptions);
    Grid().SetCells(1, grSort, u"Ascending"_s);
    Row(customer, u"name"_s)->SetChecked(true);
    EXPECT_EQ(calls, (QStringList{u"enter name"_s, u"enter *"_s, u"leave * "_s, u"leave name name"_s}));
    EXPECT_EQ(form->pcSQL->currentWidget(), form->tsColumns);
    EXPECT_EQ(Grid().Cells(1, grSort), QString()); // nothing of "*" stays with "name"

    Row(customer, u"id"_s)->SetChecked(true);
    EXPECT_EQ(ColumnFields(), (QStringList{u"name"_s, u"id"_s}));

    customer->GetSubItem(0)->SetChecked(true);
    EXPECT_EQ(ColumnFields(), QStringList{u"*"_s});
    EXPECT_FALSE(Row(customer, u"id"_s)->Checked());

    customer->GetSubItem(0)->SetChecked(false);
    EXPECT_EQ(Grid().ColCount(), 2);
    EXPECT_EQ(ColumnFields(), QStringList{QString()});
}

TEST_F(BuilderFormTest, DeletingABoxTakesItsColumnsAndOneTableChoice)
{
    TSchemaItem* first = Drop(u"customer"_s);
    TSchemaItem* orders = Drop(u"orders"_s);
    TSchemaItem* second = Drop(u"customer"_s);
    Row(first, u"name"_s)->SetChecked(true);
    Row(orders, u"total"_s)->SetChecked(true);
    Row(first, u"id"_s)->SetChecked(true);
    const qint64 staleHandle = form->SubItemHandle(Row(first, u"name"_s));
    EXPECT_EQ(ColumnFields(), (QStringList{u"*"_s, u"name"_s, u"total"_s, u"id"_s}));

    QList<TSchemaItem*> deleted;
    form->OnDeleteItem = [&](QObject* sender, TSchemaItem* item) {
        EXPECT_EQ(sender, form->SchemaDesignArea);
        deleted << item;
    };
    first->RemoveItem();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(deleted.size(), 1);
    EXPECT_EQ(ColumnFields(), (QStringList{u"*"_s, u"total"_s}));
    EXPECT_EQ(form->ColumnSubItem(1)->ItemOwner(), second);
    QStringList choices;
    for (int i = 0; i < form->cbTables->count(); ++i)
        choices << form->cbTables->itemText(i);
    EXPECT_EQ(choices, (QStringList{u"orders"_s, u"customer"_s}));

    // A handle of a row that is gone names nothing, also when written back.
    const QString total = Grid().Cells(2, grField);
    Grid().SetCells(2, grField, HandleText(staleHandle));
    EXPECT_EQ(form->ColumnSubItem(2), nullptr);
    EXPECT_FALSE(form->GenerateSQL().contains(u"name"_s));
    Grid().SetCells(2, grField, total);

    delete second;
    delete orders;
    EXPECT_EQ(Grid().ColCount(), 2);
    EXPECT_FALSE(Grid().IsColumnUsed(1));
    EXPECT_EQ(form->cbTables->count(), 0);
}

TEST_F(BuilderFormTest, BoxesMadeWhileLoadingOrWithoutAnEngineGetNoFields)
{
    form->SetInternalUpdate(true);
    TSchemaItem* loaded = form->SchemaDesignArea->AddItem(u"customer"_s, scCheckListBox);
    form->SetInternalUpdate(false);
    EXPECT_EQ(loaded->GetSubItemCount(), 0);
    EXPECT_EQ(form->cbTables->itemText(0), u"customer"_s);
    TSchemaSubItem* row = loaded->AddSubItem(u"id"_s, -1, true);
    row->SetChecked(false);
    row->SetChecked(true); // bound to the form although it was loaded
    EXPECT_EQ(ColumnFields(), QStringList{u"id"_s});

    form->SetDataEngine(nullptr);
    EXPECT_EQ(form->lbTables->Count(), 0);
    TSchemaItem* bare = AddNewItem(form->SchemaDesignArea, u"orders"_s, nullptr, 40, 50);
    ASSERT_EQ(bare->GetSubItemCount(), 1);
    EXPECT_EQ(bare->GetSubItem(0)->Caption(), u"*"_s);
    EXPECT_EQ(QPoint(bare->Left(), bare->Top()), QPoint(40, 50));
}

TEST_F(BuilderFormTest, TheTableListIsSortedWideEnoughAndFollowsTheEngine)
{
    tables.insert(u"Zebra_and_a_rather_long_table_name"_s, {});
    tables.insert(u"address"_s, {});
    form->SetDataEngine(nullptr);
    form->SetDataEngine(engine.get());
    QStringList shown;
    for (int i = 0; i < form->lbTables->Count(); ++i)
        shown << form->lbTables->Strings(i);
    EXPECT_EQ(shown, (QStringList{u"address"_s, u"customer"_s, u"orders"_s, u"Zebra_and_a_rather_long_table_name"_s}));
    EXPECT_EQ(form->lbTables->ScrollWidth(), form->lbTables->TextWidth(u"Zebra_and_a_rather_long_table_name"_s) + 19);

    // A drop only takes drags from the table list; a drop on a box lands at
    // the same place of the pane.
    bool accept = true;
    form->SchemaDesignAreaDragOver(form->SchemaDesignArea, form->sgColumnGrid, 0, 0, Qt::CopyAction, accept);
    EXPECT_FALSE(accept);
    form->SchemaDesignAreaDragOver(form->SchemaDesignArea, form->lbTables, 0, 0, Qt::CopyAction, accept);
    EXPECT_TRUE(accept);
    TSchemaItem* customer = Drop(u"customer"_s, 30, 20);
    form->lbTables->SetItemIndex(form->lbTables->Count() - 1);
    form->SchemaDesignAreaDragDrop(customer, form->lbTables, 5, 7);
    EXPECT_EQ(form->SchemaDesignArea->GetItem(1)->Caption(), u"Zebra_and_a_rather_long_table_name"_s);
    EXPECT_EQ(form->SchemaDesignArea->GetItem(1)->Left(), 35);
    EXPECT_EQ(form->SchemaDesignArea->GetItem(1)->Top(), 27);

    // The engine going away leaves nothing that reaches for it.
    engine.reset();
    EXPECT_EQ(form->DataEngine(), nullptr);
    EXPECT_EQ(form->SchemaDesignArea->DataEngine(), nullptr);
    EXPECT_EQ(form->lbTables->Count(), 0);
    EXPECT_EQ(Drop(u"orders"_s), nullptr);
}

TEST_F(BuilderFormTest, SelectingACellPlacesAndLoadsItsEditor)
{
    TSchemaItem* customer = Drop(u"customer"_s);
    Row(customer, u"name"_s)->SetChecked(true);
    Grid().SetCells(1, grSort, u"Descending"_s);
    Grid().SetCells(1, grWhere, u"name <> ''"_s);
    TColumnGrid* grid = form->sgColumnGrid;
    const QPoint offset = grid->pos();

    ASSERT_TRUE(grid->SetCurrent(1, grSort));
    EXPECT_EQ(form->ActiveEditor(), form->cbSorting);
    EXPECT_EQ(form->cbSorting->currentText(), u"Descending"_s);
    const QRect cell = grid->CellRect(1, grSort).translated(offset);
    EXPECT_EQ(form->cbSorting->geometry(), QRect(cell.x() + 1, cell.y() + 1, cell.width() + 1, cell.height() + 1));

    grid->SetCurrent(1, grGrouping);
    EXPECT_EQ(form->ActiveEditor(), form->cbGroupBy);
    const QRect group = grid->CellRect(1, grGrouping).translated(offset);
    EXPECT_EQ(form->cbGroupBy->geometry().topLeft(),
              QPoint((group.left() + group.left() + group.width() - form->CheckWidth()) / 2 + 3,
                     (group.top() + group.top() + group.height() - form->CheckHeight()) / 2 + 3));

    grid->SetCurrent(1, grWhere);
    EXPECT_EQ(form->ActiveEditor(), form->edWhere);
    EXPECT_EQ(form->edWhere->text(), u"name <> ''"_s);

    // A cell text no choice matches opens the drop-down with nothing chosen.
    Grid().SetCells(1, grCalculate, u"Median"_s);
    grid->SetCurrent(1, grCalculate);
    EXPECT_EQ(form->cbValues->currentIndex(), -1);

    // No editor in the empty column, column 0 or row 0.
    bool can = false;
    form->sgColumnGridSelectCell(grid, 2, grWhere, can);
    EXPECT_TRUE(can);
    EXPECT_EQ(form->ActiveEditor(), nullptr);
    form->sgColumnGridSelectCell(grid, 0, grWhere, can);
    form->sgColumnGridSelectCell(grid, 1, grField, can);
    EXPECT_EQ(form->ActiveEditor(), nullptr);
}

TEST_F(BuilderFormTest, EditorsCommitIntoTheCurrentCell)
{
    TSchemaItem* customer = Drop(u"customer"_s);
    TColumnGrid* grid = form->sgColumnGrid;

    // No aggregate on "*", Count included.
    grid->SetCurrent(1, grCalculate);
    form->cbValues->setCurrentIndex(form->cbValues->findText(u"Count"_s));
    form->cbInplaceChange(form->cbValues);
    EXPECT_EQ(dialogs->Messages, QStringList{u"You can not apply this aggregative function to *."_s});
    EXPECT_EQ(dialogs->Requests.last().Kind, u"warning"_s);
    EXPECT_EQ(Grid().Cells(1, grCalculate), QString());
    EXPECT_EQ(form->cbValues->currentIndex(), 0);
    EXPECT_EQ(form->ActiveEditor(), nullptr);

    Row(customer, u"id"_s)->SetChecked(true);
    Row(customer, u"name"_s)->SetChecked(true);
    grid->SetCurrent(1, grCalculate);
    form->cbValues->setCurrentIndex(form->cbValues->findText(u"Count"_s));
    form->cbInplaceChange(form->cbValues);
    EXPECT_EQ(Grid().Cells(1, grCalculate), u"Count"_s);
    grid->SetCurrent(1, grCalculate);
    form->cbValues->setCurrentIndex(0);
    form->cbInplaceChange(form->cbValues);
    EXPECT_EQ(Grid().Cells(1, grCalculate), QString());
    EXPECT_EQ(dialogs->Messages.size(), 1);
    grid->SetCurrent(2, grSort);
    form->cbSorting->setCurrentIndex(2);
    form->cbInplaceChange(form->cbSorting);
    EXPECT_EQ(Grid().Cells(2, grSort), u"Descending"_s);
    grid->SetCurrent(2, grSort);
    form->cbSorting->setCurrentIndex(0);
    form->cbInplaceChange(form->cbSorting);
    EXPECT_EQ(Grid().Cells(2, grSort), QString());

    // Grouping shows the Having row; unticking it in any column hides it.
    grid->SetCurrent(1, grGrouping);
    form->cbGroupBy->setChecked(true);
    form->cbInplaceChange(form->cbGroupBy);
    grid->SetCurrent(2, grGrouping);
    form->cbGroupBy->setChecked(true);
    form->cbInplaceChange(form->cbGroupBy);
    EXPECT_EQ(grid->RowCount(), 7);
    grid->SetCurrent(2, grHaving);
    EXPECT_EQ(form->ActiveEditor(), form->edWhere);
    form->edWhere->setText(u"COUNT(*) > 1"_s);
    form->cbInplaceChange(form->edWhere);
    EXPECT_EQ(Grid().Cells(2, grHaving), u"COUNT(*) > 1"_s);
    grid->SetCurrent(2, grGrouping);
    form->cbGroupBy->setChecked(false);
    form->cbInplaceChange(form->cbGroupBy);
    EXPECT_EQ(grid->RowCount(), 6);
    EXPECT_EQ(Grid().Cells(1, grGrouping), u"1"_s);
    EXPECT_EQ(Grid().Cells(2, grGrouping), u"0"_s);

    // The Table choice only changes what the column shows.
    const QString handle = Grid().Cells(1, grField);
    grid->SetCurrent(1, grTable);
    form->cbTables->setCurrentIndex(0);
    form->cbInplaceChange(form->cbTables);
    EXPECT_EQ(Grid().Cells(1, grField), handle);
}

TEST_F(BuilderFormTest, TheGridIsWorkedWithTheKeyboard)
{
    TSchemaItem* customer = Drop(u"customer"_s);
    Row(customer, u"id"_s)->SetChecked(true);
    Row(customer, u"name"_s)->SetChecked(true);
    TColumnGrid* grid = form->sgColumnGrid;
    grid->SetCurrent(1, grTable);
    grid->setFocus();

    // Arrows walk the cells and open nothing.
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(QPoint(grid->Col(), grid->Row()), QPoint(2, grWhere));
    EXPECT_EQ(form->ActiveEditor(), nullptr);

    // F2 opens the editor, Escape closes it and keeps the cell.
    QTest::keyClick(grid, Qt::Key_F2);
    ASSERT_EQ(form->ActiveEditor(), form->edWhere);
    QTest::keyClicks(form->edWhere, u"gone"_s);
    QTest::keyClick(form->edWhere, Qt::Key_Escape);
    EXPECT_EQ(form->ActiveEditor(), nullptr);
    EXPECT_EQ(Grid().Cells(2, grWhere), QString());

    // Enter opens it, Enter commits it.
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClicks(form->edWhere, u"name LIKE 'A%'"_s);
    QTest::keyClick(form->edWhere, Qt::Key_Return);
    EXPECT_EQ(Grid().Cells(2, grWhere), u"name LIKE 'A%'"_s);
    EXPECT_EQ(form->ActiveEditor(), nullptr);

    // The Grouping box: Space ticks it, Enter commits it.
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Return);
    ASSERT_EQ(form->ActiveEditor(), form->cbGroupBy);
    QTest::keyClick(form->cbGroupBy, Qt::Key_Space);
    QTest::keyClick(form->cbGroupBy, Qt::Key_Return);
    EXPECT_EQ(Grid().Cells(2, grGrouping), u"1"_s);
    EXPECT_EQ(grid->RowCount(), 7);

    // Ctrl+Left moves the current column, and the statement follows.
    QTest::keyClick(grid, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(ColumnFields(), (QStringList{u"name"_s, u"id"_s}));
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_TRUE(form->GenerateSQL().startsWith(u"SELECT  customer.name, customer.id"_s));
}

TEST_F(BuilderFormTest, NothingTypedOrChosenIsLostAndTheFocusStaysUseful)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    TSchemaItem* orders = Drop(u"orders"_s);
    Row(orders, u"id"_s)->SetChecked(true);
    Row(orders, u"cust_id"_s)->SetChecked(true);
    Row(orders, u"total"_s)->SetChecked(true);
    TColumnGrid* grid = form->sgColumnGrid;
    form->resize(250, 453);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

    // Scrolling moves an open editor with its cell, and a cell scrolled out of
    // sight keeps what was typed.
    grid->SetCurrent(2, grWhere);
    ASSERT_EQ(form->ActiveEditor(), form->edWhere);
    form->edWhere->setText(u"cust_id > 3"_s);
    grid->SetLeftCol(2);
    EXPECT_EQ(form->edWhere->geometry().left(), grid->CellRect(2, grWhere).left() + grid->pos().x() + 1);
    grid->SetLeftCol(3);
    EXPECT_EQ(form->ActiveEditor(), nullptr);
    EXPECT_EQ(Grid().Cells(2, grWhere), u"cust_id > 3"_s);
    grid->SetLeftCol(1);

    // Enter on a drop-down that shows no choice keeps the cell.
    Grid().SetCells(1, grTable, u"renamed"_s);
    grid->SetCurrent(1, grTable);
    QTest::keyClick(form->cbTables, Qt::Key_Return);
    EXPECT_EQ(Grid().Cells(1, grTable), u"renamed"_s);

    // Leaving the edit box for another control commits it and leaves the focus there.
    grid->SetCurrent(1, grWhere);
    form->edWhere->setText(u"id < 10"_s);
    form->lbTables->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(Grid().Cells(1, grWhere), u"id < 10"_s);
    EXPECT_TRUE(form->lbTables->hasFocus());

    // Ticking "*" unticks three rows, each re-placing the editors; the focus
    // does not wander off to the buttons.
    orders->GetSubItem(0)->SetChecked(true);
    EXPECT_FALSE(form->btnOK->hasFocus());
    EXPECT_FALSE(form->btnCancel->hasFocus());

    // A row deleted from its box takes its column along.
    Row(orders, u"total"_s)->SetChecked(true);
    ASSERT_EQ(ColumnFields(), QStringList{u"total"_s});
    Row(orders, u"id"_s)->SetChecked(true);
    orders->DeleteSubItem(orders->GetIndexBySubItem(Row(orders, u"total"_s)));
    EXPECT_EQ(ColumnFields(), QStringList{u"id"_s});
}

TEST_F(BuilderFormTest, ATableThatCannotBeReadIsReportedAndLeavesTheOthersAlone)
{
    Drop(u"customer"_s);
    engine->OnGetSubItemList = [](QObject*, TSchemaItem*, TStringList&) {
        throw Exception(u"no such table: customer"_s);
    };
    EXPECT_EQ(Drop(u"customer"_s), nullptr);
    EXPECT_EQ(dialogs->Messages, QStringList{u"no such table: customer"_s});
    EXPECT_EQ(form->SchemaDesignArea->GetItemCount(), 1);
    ASSERT_EQ(form->cbTables->count(), 1);
    EXPECT_EQ(form->cbTables->itemText(0), u"customer"_s);
}

TEST_F(BuilderFormTest, DraggingAHeaderMovesTheColumnAndItsWidth)
{
    TSchemaItem* orders = Drop(u"orders"_s);
    Row(orders, u"id"_s)->SetChecked(true);
    Row(orders, u"cust_id"_s)->SetChecked(true);
    Row(orders, u"total"_s)->SetChecked(true);
    TColumnGrid* grid = form->sgColumnGrid;
    grid->resize(600, 150);
    grid->SetColWidths(1, 140);
    QList<std::pair<int, int>> moves;
    grid->OnColumnMoved = [&](QObject*, int from, int to) { moves.append({from, to}); };

    // Press on the header of "id", drag it right past the middle of "total".
    QWidget* view = grid->viewport();
    const QRect from = grid->CellRect(1, 0);
    const QRect to = grid->CellRect(3, 0);
    QTest::mousePress(view, Qt::LeftButton, {}, from.center());
    QTest::mouseMove(view, from.center() + QPoint(20, 0));
    QTest::mouseMove(view, to.center() + QPoint(10, 0));
    QTest::mouseRelease(view, Qt::LeftButton, {}, to.center() + QPoint(10, 0));
    EXPECT_EQ(moves, (QList<std::pair<int, int>>{{1, 3}}));
    EXPECT_EQ(ColumnFields(), (QStringList{u"cust_id"_s, u"total"_s, u"id"_s}));
    EXPECT_EQ(grid->ColWidths(3), 140);

    // Dragging a border in the header row sizes the column.
    const int border = grid->CellRect(1, 0).right() + 1;
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(border, 5));
    QTest::mouseMove(view, QPoint(border + 30, 5));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(border + 30, 5));
    EXPECT_EQ(grid->ColWidths(1), 130);
    EXPECT_EQ(ColumnFields(), (QStringList{u"cust_id"_s, u"total"_s, u"id"_s}));
}

TEST_F(BuilderFormTest, TheStatementComesFromTheDiagramGridAndOptions)
{
    TSchemaItem* orders = Drop(u"orders"_s, 10, 10);
    TSchemaItem* customer = Drop(u"customer"_s, 200, 10);
    form->SchemaDesignArea->AddRelation(orders, customer, Row(orders, u"cust_id"_s), Row(customer, u"id"_s));
    Row(customer, u"name"_s)->SetChecked(true);
    Row(orders, u"total"_s)->SetChecked(true);
    Grid().SetCells(1, grSort, u"Ascending"_s);
    Grid().SetCells(2, grCalculate, u"Summa"_s);
    Grid().SetCells(1, grGrouping, u"1"_s);
    Grid().SetCells(1, grWhere, u"name <> '#orders#'"_s);
    engine->SetSQLSubType(stAnsi);

    const QString expected = u"SELECT  customer.name, SUM(orders.total) \r\n"
                             u"FROM orders INNER JOIN customer ON (orders.cust_id = customer.id) \r\n"
                             u"WHERE  (name <> '#orders#') \r\nGROUP BY customer.name \r\n"
                             u"ORDER BY customer.name ASC\r\n"_s;
    EXPECT_EQ(form->GenerateSQL(), expected);
    EXPECT_EQ(GenerateSQL(form->SQLSnapshot()), expected);

    // The SQL page shows the statement.
    form->pcSQL->setCurrentWidget(form->tsSQL);
    EXPECT_EQ(form->SQLText(), expected);
    EXPECT_EQ(form->SQLMemo->toPlainText(), QString(expected).replace(u"\r\n"_s, u"\n"_s));

    form->OnGetTableName = [](QObject*, TSchemaItem* item, int, bool alias) {
        return alias ? item->Caption().left(1) : item->Caption() + u" "_s + item->Caption().left(1);
    };
    form->OnGetFieldName = [](QObject*, TSchemaSubItem* row) { return row->Caption().toUpper(); };
    EXPECT_EQ(form->GetTableName(orders, false), u"orders o"_s);
    EXPECT_EQ(form->GetFieldName(Row(customer, u"name"_s)), u"NAME"_s);
    EXPECT_TRUE(form->GenerateSQL().startsWith(u"SELECT  c.NAME, SUM(o.TOTAL)"_s));
}

namespace {

// A descendant that sees every macro the template is filled with.
class LoggingForm : public TfrmZBSQLBuilder {
public:
    QStringList macros;
    void ExpandSQL(QString& SQL, const QString& Macro, const QString& Value) override
    {
        macros << Macro;
        TfrmZBSQLBuilder::ExpandSQL(SQL, Macro, Value);
    }
};

} // namespace

TEST_F(BuilderFormTest, ADescendantsExpandSQLFillsTheTemplateButNotTheValues)
{
    LoggingForm logging;
    logging.SetDataEngine(engine.get());
    TSchemaItem* box = AddNewItem(logging.SchemaDesignArea, u"customer"_s, nullptr, 0, 0);
    box->GetSubItemByName(u"name"_s)->SetChecked(true);
    logging.sgColumnGrid->Model().SetCells(1, grWhere, u"name = '%[#fields#]%'"_s);
    const QString sql = logging.GenerateSQL();
    EXPECT_EQ(sql, u"SELECT  customer.name \r\nFROM customer \r\nWHERE  (name = '%[#fields#]%') \r\n"_s);
    EXPECT_TRUE(logging.macros.contains(u"#fields#"_s));
    EXPECT_TRUE(logging.macros.contains(u"#wherefilter#"_s));
    EXPECT_EQ(logging.macros.size(), 11);
}

TEST_F(BuilderFormTest, EveryBoxIsAnnouncedWhenTheFormGoes)
{
    Drop(u"customer"_s);
    Drop(u"orders"_s);
    QStringList gone;
    form->OnDeleteItem = [&](QObject*, TSchemaItem* item) { gone << item->Caption(); };
    form.reset();
    gone.sort();
    EXPECT_EQ(gone, (QStringList{u"customer"_s, u"orders"_s}));
}
