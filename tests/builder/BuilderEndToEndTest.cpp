// The query builder the way a person uses it, on a real database: Execute opens
// the builder, and everything inside it is done with the mouse and the keyboard
// through Qt's event path. Two tables are dragged from the table list onto the
// diagram and linked by dragging a row onto a row, fields are ticked, the column
// grid gets an aggregate, a grouping and a sort, the statement is generated and
// run, and OK hands it back. The rows the Results page shows must be the rows
// the same statement gives when run directly on the same database.
//
// It runs on an SQLite file made here and on the PostgreSQL server that
// SCHEMAKIT_TEST_PG names (in a schema of its own, dropped at the end); without
// that server the PostgreSQL run is skipped, and with SCHEMAKIT_REQUIRE_PG=1 it
// fails instead, like the other PostgreSQL tests.

#include "TestSupport.h"

#include <schemakit/builder/SQLBldr.h>
#include <schemakit/engines/ZBDB.h>
#include <schemakit/package/ControlDrag.h>
#include <schemakit/package/Exceptions.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <utility>

using namespace schemakit;
using namespace schemakit::test;
using namespace Qt::StringLiterals;

namespace {

enum class Backend { Sqlite, Postgres };

void PrintTo(Backend backend, std::ostream* os)
{
    *os << (backend == Backend::Sqlite ? "Sqlite" : "Postgres");
}

// A small shop: five customers in four cities, one of them without orders, and
// eight orders.
const QStringList kShop = {
    u"CREATE TABLE customers (customer_id INTEGER PRIMARY KEY, name VARCHAR(40) NOT NULL, city VARCHAR(40))"_s,
    u"CREATE TABLE orders (order_id INTEGER PRIMARY KEY, "
    u"customer_id INTEGER NOT NULL REFERENCES customers (customer_id), amount DECIMAL(10, 2))"_s,
    u"INSERT INTO customers VALUES (1, 'Anna', 'Berlin'), (2, 'Ben', 'London'), (3, 'Clara', 'Berlin'), "
    u"(4, 'Dora', 'Paris'), (5, 'Emil', 'Madrid')"_s,
    u"INSERT INTO orders VALUES (10, 1, 25.50), (11, 1, 8.00), (12, 2, 99.90), (13, 2, 12.00), "
    u"(14, 2, 40.00), (15, 2, 5.25), (16, 3, 17.00), (17, 4, 60.00)"_s,
};

void RunOn(TSchemaBDEDataEngine& engine, const QStringList& statements)
{
    QSqlQuery query(engine.Database());
    for (const QString& statement : statements) {
        if (!query.exec(statement))
            throw Exception(statement + u": "_s + query.lastError().text());
    }
}

// The shop on one backend, gone again with this object. Name() is what an
// engine's DatabaseName is set to; Unavailable() says why there is none.
class TShopDatabase {
public:
    explicit TShopDatabase(Backend backend)
    {
        try {
            if (backend == Backend::Sqlite)
                MakeSqlite();
            else
                MakePostgres();
        } catch (const Exception& e) {
            FUnavailable = FUnavailable.isEmpty() ? e.Message() : FUnavailable + e.Message();
            FName.clear();
        }
    }
    ~TShopDatabase()
    {
        if (!FServer || FSchema.isEmpty())
            return;
        QSqlQuery query(FServer->Database());
        query.exec(u"SET client_min_messages TO warning"_s);
        query.exec(u"DROP SCHEMA %1 CASCADE"_s.arg(FSchema));
    }
    TShopDatabase(const TShopDatabase&) = delete;
    TShopDatabase& operator=(const TShopDatabase&) = delete;

    const QString& Name() const noexcept { return FName; }
    const QString& Unavailable() const noexcept { return FUnavailable; }

private:
    void MakeSqlite()
    {
        // The engine opens existing files only; an empty file is an empty database.
        FName = FDir.filePath(u"shop.sqlite"_s);
        QFile file(FName);
        if (!file.open(QIODevice::WriteOnly))
            throw Exception(u"cannot make "_s + FName);
        file.close();
        TSchemaBDEDataEngine writer;
        writer.SetDatabaseName(FName);
        RunOn(writer, kShop);
    }
    void MakePostgres()
    {
        const QString server = qEnvironmentVariable("SCHEMAKIT_TEST_PG");
        if (server.isEmpty()) {
            FUnavailable = u"SCHEMAKIT_TEST_PG is not set; run the tests under scripts/with-postgres "
                           u"to include the PostgreSQL ones"_s;
            return;
        }
        FUnavailable = u"the PostgreSQL server of SCHEMAKIT_TEST_PG cannot be used: "_s;
        FServer = std::make_unique<TSchemaBDEDataEngine>();
        FServer->SetDatabaseName(server);
        const QString schema =
            u"builder_e2e_%1_%2"_s.arg(QCoreApplication::applicationPid()).arg(QDateTime::currentMSecsSinceEpoch());
        RunOn(*FServer, {u"CREATE SCHEMA %1"_s.arg(schema)});
        FSchema = schema;
        // The builder's engine sees the schema through its search_path alone,
        // the way an application picks a schema.
        const QString option = u"-csearch_path="_s + schema;
        if (server.trimmed().startsWith(u"postgres"_s, Qt::CaseInsensitive))
            FName = server + (server.contains(u'?') ? u'&' : u'?') + u"options="_s +
                    QString::fromLatin1(QUrl::toPercentEncoding(option));
        else
            FName = server + u" options='"_s + option + u'\'';
        TSchemaBDEDataEngine writer;
        writer.SetDatabaseName(FName);
        RunOn(writer, kShop);
        FUnavailable.clear();
    }

    QTemporaryDir FDir;
    QString FName;
    QString FUnavailable;
    QString FSchema;
    std::unique_ptr<TSchemaBDEDataEngine> FServer;
};

// --- the person's hands -----------------------------------------------------

// Presses the left button on a point of a list's client area and moves the
// mouse away with it held, as a person starts dragging an entry. The list
// starts the drag itself; the drag it made is returned (Qt frees it once
// events are next processed).
QDrag* StartDrag(TCustomListBox& list, QPoint at)
{
    // An earlier drag of the list must not be taken for this one.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QWidget* view = list.viewport();
    QTest::mousePress(view, Qt::LeftButton, {}, at);
    // The first move arms the drag, one beyond the drag distance starts it.
    QTest::mouseMove(view, at + QPoint(2, 0));
    QTest::mouseMove(view, at + QPoint(2 + 2 * QApplication::startDragDistance(), 0));
    const QList<QDrag*> drags = list.findChildren<QDrag*>(Qt::FindDirectChildrenOnly);
    return drags.isEmpty() ? nullptr : drags.last();
}

// Ends a drag started by StartDrag over a point of `window` (in the window's
// coordinates) and tells whether the widget there took the drop.
//
// A platform's drag loop carries a drag to the widget under the mouse: it
// sends the enter, move and drop events while the person moves and lets go.
// The offscreen platform has no such loop (its drag returns at once, doing
// nothing), so those events are sent here, to the widget under the point that
// takes drops, which is where Qt's window routes them.
bool DropAt(QWidget& window, QPoint at, TCustomListBox& source, QPoint pressedAt, const QMimeData* data)
{
    QWidget* target = window.childAt(at);
    while (target && !target->acceptDrops())
        target = target->parentWidget();
    bool accepted = false;
    if (target) {
        const QPoint local = target->mapFrom(&window, at);
        const Qt::DropActions actions = Qt::LinkAction | Qt::CopyAction;
        QDragEnterEvent enter(local, actions, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDragMoveEvent move(local, actions, data, Qt::LeftButton, Qt::NoModifier);
        if (enter.isAccepted())
            QCoreApplication::sendEvent(target, &move);
        QDropEvent drop(QPointF(local), actions, data, Qt::LeftButton, Qt::NoModifier);
        if (move.isAccepted()) {
            QCoreApplication::sendEvent(target, &drop);
            accepted = drop.isAccepted();
        }
    }
    // The drag loop keeps the release to itself and hands it to the window the
    // drag came from when it ends; the button is let go there.
    QTest::mouseRelease(source.viewport(), Qt::LeftButton, {}, pressedAt);
    return accepted;
}

// A point of a row of a box, in its list's client coordinates: on the row's
// check box, or on its caption.
QPoint RowPoint(const TSchemaItem& box, const QString& field, bool onCheck)
{
    const TCheckListBox* list = box.CheckListControl();
    const QRect rect = list->ItemRect(box.GetIndexBySubItem(box.GetSubItemByName(field)));
    const int x =
        onCheck ? rect.left() + list->CheckWidth() / 2 : (rect.left() + list->CheckWidth() + rect.right()) / 2;
    return {x, rect.center().y()};
}

void ClickCell(TColumnGrid& grid, int col, int row)
{
    const QRect cell = grid.CellRect(col, row);
    ASSERT_FALSE(cell.isEmpty()) << "cell " << col << ", " << row << " is out of sight";
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
}

// Opens a drop-down with the mouse and picks `choice` in its list with the
// arrow keys and Enter.
void Choose(QComboBox& combo, const QString& choice)
{
    QTest::mouseClick(&combo, Qt::LeftButton);
    QAbstractItemView* list = combo.view();
    ASSERT_TRUE(list->isVisible()) << "the list of " << combo.objectName().toStdString() << " did not open";
    const int wanted = combo.findText(choice);
    ASSERT_GE(wanted, 0) << choice.toStdString() << " is not a choice";
    for (int step = 0; step < combo.count() && list->currentIndex().row() != wanted; ++step)
        QTest::keyClick(list, list->currentIndex().row() < wanted ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(list->currentIndex().row(), wanted);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
}

// The grid column of a row, or -1.
int ColumnOf(const TfrmZBSQLBuilder& form, const TSchemaSubItem* row)
{
    for (int col = 1; col < form.sgColumnGrid->ColCount(); ++col) {
        if (form.ColumnSubItem(col) == row)
            return col;
    }
    return -1;
}

QString CellText(const QVariant& value)
{
    return value.isNull() ? u"<null>"_s : value.toString();
}

// --- the test ---------------------------------------------------------------

class BuilderEndToEndTest : public testing::TestWithParam<Backend> {
protected:
    void SetUp() override
    {
        dialogs = &InstallScriptedDialogs();
        shop = std::make_unique<TShopDatabase>(GetParam());
        if (shop->Unavailable().isEmpty())
            return;
        if (GetParam() == Backend::Sqlite || qEnvironmentVariable("SCHEMAKIT_REQUIRE_PG") == u"1"_s)
            FAIL() << shop->Unavailable().toStdString();
        GTEST_SKIP() << shop->Unavailable().toStdString();
    }

    // Steps 1 and 2: both tables onto the diagram, then the link.
    void DragTablesAndLink(TfrmZBSQLBuilder& form)
    {
        TSchemaDesignArea* pane = form.SchemaDesignArea;
        TCustomListBox* tables = form.lbTables;
        const struct {
            QString Table;
            QPoint At; // in the pane's client area
        } drops[] = {{u"customers"_s, {20, 20}}, {u"orders"_s, {260, 30}}};
        for (const auto& [table, at] : drops) {
            int index = -1;
            for (int i = 0; i < tables->Count(); ++i) {
                if (tables->Strings(i) == table)
                    index = i;
            }
            ASSERT_GE(index, 0) << table.toStdString() << " is not in the table list";
            const QPoint pressed = tables->ItemRect(index).center();
            QDrag* drag = StartDrag(*tables, pressed);
            ASSERT_NE(drag, nullptr) << "dragging " << table.toStdString() << " started no drag";
            EXPECT_EQ(DragSource(drag->mimeData()), tables);
            const int before = pane->GetItemCount();
            EXPECT_TRUE(DropAt(form, pane->viewport()->mapTo(&form, at), *tables, pressed, drag->mimeData()));
            ASSERT_EQ(pane->GetItemCount(), before + 1) << table.toStdString() << " made no box";
            const TSchemaItem* box = pane->GetItem(before);
            EXPECT_EQ(box->Caption(), table);
            EXPECT_EQ(QPoint(box->Left(), box->Top()), at);
        }
        TSchemaItem* customers = pane->FindItem(u"customers"_s);
        TSchemaItem* orders = pane->FindItem(u"orders"_s);
        QStringList fields;
        for (int i = 0; i < orders->GetSubItemCount(); ++i)
            fields << orders->GetSubItem(i)->Caption();
        EXPECT_EQ(fields, (QStringList{u"*"_s, u"order_id"_s, u"customer_id"_s, u"amount"_s}));
        EXPECT_TRUE(customers->GetSubItem(0)->Checked());
        EXPECT_TRUE(orders->GetSubItem(0)->Checked());

        // orders.customer_id dragged onto customers.customer_id.
        TCheckListBox* from = orders->CheckListControl();
        TCheckListBox* onto = customers->CheckListControl();
        const QPoint pressed = RowPoint(*orders, u"customer_id"_s, false);
        QDrag* drag = StartDrag(*from, pressed);
        ASSERT_NE(drag, nullptr) << "dragging a row started no drag";
        EXPECT_EQ(DragSource(drag->mimeData()), from);
        const QPoint target = onto->viewport()->mapTo(&form, RowPoint(*customers, u"customer_id"_s, false));
        EXPECT_TRUE(DropAt(form, target, *from, pressed, drag->mimeData()));
        ASSERT_EQ(pane->GetRelationCount(), 1);
        const TSchemaRelation* link = pane->GetRelation(0);
        EXPECT_EQ(link->ParentItem(), orders);
        EXPECT_EQ(link->ParentSubItem(), orders->GetSubItemByName(u"customer_id"_s));
        EXPECT_EQ(link->ChildItem(), customers);
        EXPECT_EQ(link->ChildSubItem(), customers->GetSubItemByName(u"customer_id"_s));
        EXPECT_EQ(link->JoinType(), rjInner);
    }

    // Step 3: customers.city and orders.order_id ticked by their check boxes.
    void TickFields(TfrmZBSQLBuilder& form)
    {
        using TField = std::pair<QString, QString>;
        for (const auto& [table, field] : {TField{u"customers"_s, u"city"_s}, TField{u"orders"_s, u"order_id"_s}}) {
            TSchemaItem* box = form.SchemaDesignArea->FindItem(table);
            QTest::mouseClick(box->CheckListControl()->viewport(), Qt::LeftButton, {}, RowPoint(*box, field, true));
            EXPECT_TRUE(box->GetSubItemByName(field)->Checked()) << table.toStdString() << "." << field.toStdString();
            EXPECT_FALSE(box->GetSubItem(0)->Checked()) << "a ticked field leaves * ticked in " << table.toStdString();
        }
        QStringList columns;
        for (int col = 1; col < form.sgColumnGrid->ColCount(); ++col) {
            const TSchemaSubItem* row = form.ColumnSubItem(col);
            columns << (row ? row->ItemOwner()->Caption() + u'.' + row->Caption() : QString());
        }
        columns.removeAll(QString());
        EXPECT_EQ(columns, (QStringList{u"customers.city"_s, u"orders.order_id"_s}));
    }

    // Step 4: Count of order_id, grouped and sorted by city.
    void SetUpColumns(TfrmZBSQLBuilder& form)
    {
        TColumnGrid& grid = *form.sgColumnGrid;
        const int city = ColumnOf(form, form.SchemaDesignArea->FindItem(u"customers"_s)->GetSubItemByName(u"city"_s));
        const int id = ColumnOf(form, form.SchemaDesignArea->FindItem(u"orders"_s)->GetSubItemByName(u"order_id"_s));
        ASSERT_GT(city, 0);
        ASSERT_GT(id, 0);

        ClickCell(grid, id, grCalculate);
        ASSERT_EQ(form.ActiveEditor(), form.cbValues);
        Choose(*form.cbValues, u"Count"_s);
        EXPECT_EQ(grid.Cells(id, grCalculate), u"Count"_s);
        EXPECT_EQ(form.ActiveEditor(), nullptr);

        ClickCell(grid, city, grGrouping);
        ASSERT_EQ(form.ActiveEditor(), form.cbGroupBy);
        QTest::mouseClick(form.cbGroupBy, Qt::LeftButton);
        EXPECT_TRUE(form.cbGroupBy->isChecked());
        QTest::keyClick(form.cbGroupBy, Qt::Key_Return);
        EXPECT_EQ(grid.Cells(city, grGrouping), u"1"_s);
        EXPECT_EQ(form.ActiveEditor(), nullptr);

        ClickCell(grid, city, grSort);
        ASSERT_EQ(form.ActiveEditor(), form.cbSorting);
        Choose(*form.cbSorting, u"Ascending"_s);
        EXPECT_EQ(grid.Cells(city, grSort), u"Ascending"_s);
        EXPECT_EQ(form.ActiveEditor(), nullptr);
    }

    // Step 5: the statement on the SQL page.
    void GenerateStatement(TfrmZBSQLBuilder& form)
    {
        QTest::mouseClick(form.btnGenSQL, Qt::LeftButton);
        ASSERT_EQ(form.pcSQL->currentWidget(), form.tsSQL);
        sql = form.SQLText();
        EXPECT_EQ(sql, u"SELECT  customers.city, COUNT(orders.order_id) \r\n"
                       u"FROM customers INNER JOIN orders ON (orders.customer_id = customers.customer_id) \r\n"
                       u"GROUP BY customers.city \r\n"
                       u"ORDER BY customers.city ASC\r\n"_s);
        EXPECT_EQ(form.SQLMemo->toPlainText(), QString(sql).replace(u"\r\n"_s, u"\n"_s));
    }

    // Step 6: the rows on the Results page, against the statement run directly.
    void ExecuteStatement(TfrmZBSQLBuilder& form)
    {
        QTest::mouseClick(form.btnExecSQL, Qt::LeftButton);
        ASSERT_EQ(form.pcSQL->currentWidget(), form.tsResults);
        EXPECT_TRUE(form.DBGrid1->isVisible());
        const QAbstractItemModel* shown = form.DBGrid1->model();
        ASSERT_NE(shown, nullptr) << "the Results page shows no rows";
        QList<QStringList> rows;
        QStringList headers;
        for (int c = 0; c < shown->columnCount(); ++c)
            headers << shown->headerData(c, Qt::Horizontal).toString();
        for (int r = 0; r < shown->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < shown->columnCount(); ++c)
                cells << CellText(shown->index(r, c).data());
            rows << cells;
        }

        TSchemaBDEDataEngine direct;
        direct.SetDatabaseName(shop->Name());
        QSqlQuery query(direct.Database());
        ASSERT_TRUE(query.exec(sql)) << query.lastError().text().toStdString();
        QStringList expectedHeaders;
        for (int c = 0; c < query.record().count(); ++c)
            expectedHeaders << query.record().fieldName(c);
        QList<QStringList> expected;
        while (query.next()) {
            QStringList cells;
            for (int c = 0; c < query.record().count(); ++c)
                cells << CellText(query.value(c));
            expected << cells;
        }
        EXPECT_EQ(headers, expectedHeaders);
        EXPECT_EQ(rows, expected);
        // And what the shop holds: Madrid's customer has no orders.
        EXPECT_EQ(rows, (QList<QStringList>{{u"Berlin"_s, u"3"_s}, {u"London"_s, u"4"_s}, {u"Paris"_s, u"1"_s}}));
        EXPECT_EQ(form.lblResultRows->text(), u"%1 rows"_s.arg(expected.size()));
    }

    // The person's whole visit inside the builder, ending with OK.
    void Play(TfrmZBSQLBuilder& form)
    {
        // The scripted service runs the answer without showing the window.
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        ASSERT_EQ(form.DataEngine(), engine.get());
        for (auto step : {&BuilderEndToEndTest::DragTablesAndLink, &BuilderEndToEndTest::TickFields,
                          &BuilderEndToEndTest::SetUpColumns, &BuilderEndToEndTest::GenerateStatement,
                          &BuilderEndToEndTest::ExecuteStatement}) {
            (this->*step)(form);
            if (HasFatalFailure())
                return;
        }
        // Step 7: OK.
        QTest::mouseClick(form.btnOK, Qt::LeftButton);
        EXPECT_EQ(form.result(), int(QDialog::Accepted));
        EXPECT_FALSE(form.isVisible());
    }

    TScriptedDialogService* dialogs = nullptr;
    std::unique_ptr<TShopDatabase> shop;
    std::unique_ptr<TSchemaBDEDataEngine> engine;
    QString sql; // the SQL page's text
};

TEST_P(BuilderEndToEndTest, APersonBuildsAGroupedJoinRunsItAndAcceptsIt)
{
    engine = std::make_unique<TSchemaBDEDataEngine>();
    engine->SetDatabaseName(shop->Name());
    engine->SetSQLSubType(stAnsi);
    TSQLBuilderDialog dialog;
    dialog.SetDataEngine(engine.get());
    dialog.SetSQL(QString());

    bool played = false;
    dialogs->ModalAnswers.push_back([&](QDialog& window) {
        auto* form = qobject_cast<TfrmZBSQLBuilder*>(&window);
        if (!form) {
            ADD_FAILURE() << "the modal window is not the builder";
            return int(QDialog::Rejected);
        }
        EXPECT_EQ(form, dialog.Form());
        Play(*form);
        played = !HasFatalFailure();
        return played ? form->result() : int(QDialog::Rejected);
    });
    const bool accepted = dialog.Execute();
    ASSERT_TRUE(played);
    EXPECT_TRUE(accepted);
    EXPECT_EQ(dialog.SQL(), sql);
    EXPECT_EQ(dialog.Form(), nullptr);
    // Nothing went wrong out of sight: no message, no other dialog.
    EXPECT_EQ(dialogs->Messages, QStringList());
    ASSERT_EQ(dialogs->Requests.size(), 1);
    EXPECT_EQ(dialogs->Requests[0].Kind, u"modal"_s);
    EXPECT_EQ(dialogs->Requests[0].Text, u"frmZBSQLBuilder"_s);
}

INSTANTIATE_TEST_SUITE_P(Backends, BuilderEndToEndTest, testing::Values(Backend::Sqlite, Backend::Postgres),
                         [](const testing::TestParamInfo<Backend>& info) {
                             return info.param == Backend::Sqlite ? "Sqlite" : "Postgres";
                         });

} // namespace
