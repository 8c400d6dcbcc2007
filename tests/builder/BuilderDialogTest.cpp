#include "BuilderFormFixture.h"

#include <schemakit/builder/SQLBldr.h>
#include <schemakit/package/Exceptions.h>
#include <schemakit/engines/ZBDB.h>
#include <schemakit/package/PaintBox.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitterHandle>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace schemakit;
using namespace schemakit::test;
using namespace Qt::StringLiterals;

namespace {

// The dialog on an engine with a few tables; each run's window is seen
// through the scripted modal answer.
class BuilderDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        dialogs = &InstallScriptedDialogs();
        engine = FakeEngine(tables);
        dialog.SetDataEngine(engine.get());
    }

    // Runs the dialog on Text; Inside sees the window and gives its result.
    bool Run(const QString& text, std::function<int(TfrmZBSQLBuilder&)> inside)
    {
        dialog.SetSQL(text);
        dialogs->ModalAnswers.push_back(
            [inside](QDialog& form) { return inside(static_cast<TfrmZBSQLBuilder&>(form)); });
        return dialog.Execute();
    }

    static QStringList Ticked(TSchemaItem* box)
    {
        QStringList ticked;
        for (int i = 0; i < box->GetSubItemCount(); ++i) {
            if (box->GetSubItem(i)->Checked())
                ticked << box->GetSubItem(i)->Caption();
        }
        return ticked;
    }
    static QStringList ColumnFields(TfrmZBSQLBuilder& form)
    {
        QStringList fields;
        for (int col = 1; col < form.sgColumnGrid->Model().ColCount(); ++col) {
            const TSchemaSubItem* row = form.ColumnSubItem(col);
            fields << (row ? row->Caption() : QString());
        }
        return fields;
    }

    QHash<QString, QStringList> tables{{u"customer"_s, {u"id"_s, u"name"_s, u"city"_s}},
                                       {u"a"_s, {u"x"_s, u"w"_s}},
                                       {u"b"_s, {u"y"_s}}};
    TScriptedDialogService* dialogs = nullptr;
    std::unique_ptr<TSchemaDataEngine> engine;
    TSQLBuilderDialog dialog;
};

TEST_F(BuilderDialogTest, TheStatementBecomesBoxesInOneRowWithItsFieldsTicked)
{
    bool ran = Run(u"SELECT name, city FROM customer"_s, [&](TfrmZBSQLBuilder& form) {
        EXPECT_EQ(dialog.DesignArea(), form.SchemaDesignArea);
        EXPECT_EQ(form.windowTitle(), u"Vuvuredi Software: Visual SQLBuilder"_s);
        EXPECT_EQ(form.SQLText(), u"SELECT name, city FROM customer"_s);
        EXPECT_EQ(form.SchemaDesignArea->GetItemCount(), 1);
        TSchemaItem* box = form.SchemaDesignArea->GetItem(0);
        EXPECT_EQ(box->Caption(), u"customer"_s);
        EXPECT_EQ(box->pos(), QPoint(20, 20));
        EXPECT_EQ(Ticked(box), (QStringList{u"name"_s, u"city"_s}));
        EXPECT_EQ(ColumnFields(form), (QStringList{u"name"_s, u"city"_s}));
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(ran);
    EXPECT_EQ(dialog.DesignArea(), nullptr);
    EXPECT_EQ(dialog.Form(), nullptr);

    Run(u"SELECT * FROM customer"_s, [&](TfrmZBSQLBuilder& form) {
        EXPECT_EQ(Ticked(form.SchemaDesignArea->GetItem(0)), QStringList{u"*"_s});
        EXPECT_EQ(ColumnFields(form), QStringList{u"*"_s});
        return int(QDialog::Rejected);
    });

    // Qualified fields tick in their own box, unqualified ones (a function's
    // argument too) in the first box; function names, keywords and unknown
    // qualifiers tick nothing, and a second run starts afresh.
    dialog.SetCaption(u"Pick"_s);
    Run(u"SELECT a.x, b.y, c.w, COUNT(w) FROM a, b"_s, [&](TfrmZBSQLBuilder& form) {
        EXPECT_EQ(form.windowTitle(), u"Pick"_s);
        TSchemaItem* a = form.SchemaDesignArea->GetItem(0);
        TSchemaItem* b = form.SchemaDesignArea->GetItem(1);
        EXPECT_EQ(form.SchemaDesignArea->GetItemCount(), 2);
        EXPECT_EQ(a->pos(), QPoint(20, 20));
        EXPECT_EQ(b->pos(), QPoint(20 + a->width() + 20, 20));
        EXPECT_EQ(Ticked(a), (QStringList{u"x"_s, u"w"_s}));
        EXPECT_EQ(Ticked(b), QStringList{u"y"_s});
        return int(QDialog::Rejected);
    });
}

TEST_F(BuilderDialogTest, OKReturnsTheSQLPageTextAndCancelKeepsTheCallersText)
{
    // Nothing to parse: an empty pane, and OK at once gives an empty text.
    dialog.SetSQL(u"SELECT 1"_s);
    EXPECT_TRUE(Run(QString(), [](TfrmZBSQLBuilder& form) {
        EXPECT_EQ(form.SchemaDesignArea->GetItemCount(), 0);
        form.btnOK->click();
        return form.result();
    }));
    EXPECT_EQ(dialog.SQL(), QString());

    // OK itself does not generate: the given text comes back, exactly.
    EXPECT_TRUE(Run(u"SELECT name\r\nFROM customer"_s, [](TfrmZBSQLBuilder& form) {
        form.btnOK->click();
        return form.result();
    }));
    EXPECT_EQ(dialog.SQL(), u"SELECT name\r\nFROM customer"_s);

    // Generating replaces it.
    EXPECT_TRUE(Run(u"SELECT name FROM customer"_s, [](TfrmZBSQLBuilder& form) {
        form.btnGenSQL->click();
        EXPECT_EQ(form.pcSQL->currentWidget(), form.tsSQL);
        form.btnOK->click();
        return form.result();
    }));
    EXPECT_TRUE(dialog.SQL().contains(u"customer.name"_s)) << dialog.SQL().toStdString();

    QString text = u"SELECT * FROM customer"_s;
    dialogs->ModalAnswers.push_back([](QDialog& form) {
        static_cast<TfrmZBSQLBuilder&>(form).btnCancel->click();
        return form.result();
    });
    EXPECT_FALSE(SQLBuilder(text, engine.get()));
    EXPECT_EQ(text, u"SELECT * FROM customer"_s);
    dialogs->ModalAnswers.push_back([](QDialog& form) {
        static_cast<TfrmZBSQLBuilder&>(form).btnGenSQL->click();
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(SQLBuilder(text, engine.get()));
    const QString generated = text;
    EXPECT_TRUE(generated.contains(u"customer.*"_s)) << generated.toStdString();

    // An error inside the run still frees the window and leaves the text.
    dialogs->ModalAnswers.push_back([](QDialog&) -> int { throw Exception(u"lost"_s); });
    EXPECT_THROW(SQLBuilder(text, engine.get()), Exception);
    EXPECT_EQ(text, generated);
}

TEST_F(BuilderDialogTest, EveryBoxOfARunIsAnnouncedAndTheEngineIsForgottenWhenFreed)
{
    QStringList heard;
    dialog.OnAddItem = [&](QObject* sender, TSchemaItem* box) {
        EXPECT_EQ(sender, dialog.DesignArea());
        heard << u"add "_s + box->Caption();
    };
    dialog.OnDeleteItem = [&](QObject*, TSchemaItem* box) { heard << u"delete "_s + box->Caption(); };
    Run(u"SELECT a.x FROM a, b"_s, [&](TfrmZBSQLBuilder&) {
        heard << u"shown"_s;
        return int(QDialog::Rejected);
    });
    ASSERT_EQ(heard.size(), 5);
    EXPECT_EQ(heard.mid(0, 3), (QStringList{u"add a"_s, u"add b"_s, u"shown"_s}));
    QStringList deleted = heard.mid(3);
    deleted.sort();
    EXPECT_EQ(deleted, (QStringList{u"delete a"_s, u"delete b"_s}));

    engine.reset();
    EXPECT_EQ(dialog.DataEngine(), nullptr);
    // A run without an engine still opens: boxes without fields.
    Run(u"SELECT x FROM a"_s, [](TfrmZBSQLBuilder& form) {
        EXPECT_EQ(form.DataEngine(), nullptr);
        EXPECT_EQ(form.lbTables->Count(), 0);
        return int(QDialog::Rejected);
    });
}

TEST_F(BuilderDialogTest, ADialogFreedDuringItsRunIsNotWrittenTo)
{
    auto* doomed = new TSQLBuilderDialog;
    doomed->SetSQL(u"SELECT * FROM customer"_s);
    dialogs->ModalAnswers.push_back([doomed](QDialog&) {
        delete doomed;
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(doomed->Execute());
}

// --- the frame ---

// An engine whose statements are answered with a model of one column that
// shows the statement, so that a test sees what was executed.
class BuilderFrameTest : public BuilderFormTest {
protected:
    void SetUp() override
    {
        BuilderFormTest::SetUp();
        engine->OnExecSQL = [this](QObject*, const QString& text) -> QAbstractItemModel* {
            executed << text;
            if (text.contains(u"broken"_s))
                throw Exception(u"no such table: broken"_s);
            auto* rows = new QStandardItemModel(1, 1, engine.get());
            rows->setItem(0, 0, new QStandardItem(text));
            return rows;
        };
    }
    QStringList executed;
};

TEST_F(BuilderFrameTest, TheToolbarHasItsButtonsHintsAndFileFilter)
{
    const QList<std::tuple<QToolButton*, int, QString>> buttons{
        {form->btnNew, 8, u"New SQL"_s},
        {form->btnOpen, 33, u"Open SQL from file"_s},
        {form->btnSave, 58, u"Save a current SQl into file"_s},
        {form->btnShowGrid, 96, u"Show grid with columns"_s},
        {form->btnShowTables, 121, u"Show list of tables"_s},
        {form->btnGenSQL, 158, u"Generate SQL-statement"_s},
        {form->btnExecSQL, 183, u"Execute SQL and show results"_s}};
    for (const auto& [button, left, hint] : buttons) {
        EXPECT_EQ(button->geometry(), QRect(left, 3, 25, 25)) << hint.toStdString();
        EXPECT_EQ(button->toolTip(), hint);
        EXPECT_FALSE(button->icon().isNull()) << hint.toStdString();
    }
    EXPECT_TRUE(form->btnShowGrid->isChecked());
    EXPECT_TRUE(form->btnShowTables->isChecked());
    EXPECT_EQ(form->OpenDialog.Filter, u"Schema files (*.sch);;All files (*)"_s);
    EXPECT_EQ(form->SaveDialog.DefaultExt, u"sch"_s);
    EXPECT_EQ(form->pnlToolbar->height(), 31);
    EXPECT_EQ(form->pbTableGrabber->height(), 10);

    // OK and Cancel keep to the right edge whatever the width.
    for (int width : {654, 900, 500}) {
        form->resize(width, 453);
        QCoreApplication::processEvents();
        const int right = form->pnlToolbar->width();
        EXPECT_EQ(form->btnCancel->geometry(), QRect(right - 75 - 10, 3, 75, 25)) << width;
        EXPECT_EQ(form->btnOK->geometry(), QRect(right - 75 - 10 - 5 - 75, 3, 75, 25)) << width;
    }
}

TEST_F(BuilderFrameTest, TogglesAndTheGripShowAndHideTheGridAndTheTableList)
{
    QTest::mouseClick(form->btnShowGrid, Qt::LeftButton);
    EXPECT_FALSE(form->btnShowGrid->isChecked());
    EXPECT_FALSE(form->pcSQL->isVisible());
    EXPECT_FALSE(form->SplitterGrid->isVisible());
    QTest::mouseClick(form->btnShowGrid, Qt::LeftButton);
    EXPECT_TRUE(form->pcSQL->isVisible());
    EXPECT_TRUE(form->SplitterGrid->isVisible());

    TPaintBox* grip = form->pbTableGrabber;
    const int w = grip->width();
    QTest::mouseClick(grip, Qt::LeftButton, {}, QPoint(w - 14, 5)); // just left of the glyph
    EXPECT_TRUE(form->pnlTables->isVisible());
    EXPECT_TRUE(form->btnShowTables->isChecked());
    QTest::mouseClick(grip, Qt::LeftButton, {}, QPoint(w - 6, 5));
    EXPECT_FALSE(form->pnlTables->isVisible());
    EXPECT_FALSE(form->SplitterTables->isVisible());
    EXPECT_FALSE(form->btnShowTables->isChecked());
    QTest::mouseClick(form->btnShowTables, Qt::LeftButton);
    EXPECT_TRUE(form->pnlTables->isVisible());
    EXPECT_TRUE(form->SplitterTables->isVisible());

    // The grip: a close glyph at the right, raised bars to its left.
    const QImage picture = grip->grab().toImage();
    const QPalette& palette = grip->palette();
    EXPECT_EQ(picture.pixel(2, 3), palette.color(QPalette::Light).rgb());
    EXPECT_EQ(picture.pixel(2, 5), palette.color(QPalette::Dark).rgb());
    EXPECT_EQ(picture.pixel(w - 14, 7), palette.color(QPalette::Dark).rgb());
    EXPECT_EQ(picture.pixel(w - 11, 1), palette.color(QPalette::Light).rgb());
}

TEST_F(BuilderFrameTest, PagesGenerateAndExecuteTheSQLPageText)
{
    // Generating an empty diagram gives an empty text; executing then
    // generates again and hands the empty text on.
    QTest::mouseClick(form->btnGenSQL, Qt::LeftButton);
    EXPECT_EQ(form->pcSQL->currentWidget(), form->tsSQL);
    EXPECT_EQ(form->SQLMemo->toPlainText(), QString());
    QTest::mouseClick(form->btnExecSQL, Qt::LeftButton);
    EXPECT_EQ(form->pcSQL->currentWidget(), form->tsResults);
    EXPECT_EQ(executed, QStringList{QString()});

    // The given text runs while the SQL page has not been visited since.
    form->SetSQLText(u"SELECT * FROM t"_s);
    form->pcSQL->setCurrentWidget(form->tsColumns);
    Drop(u"customer"_s);
    QTest::mouseClick(form->btnExecSQL, Qt::LeftButton);
    EXPECT_EQ(executed.last(), u"SELECT * FROM t"_s);
    EXPECT_EQ(form->DBGrid1->model()->index(0, 0).data().toString(), u"SELECT * FROM t"_s);
    EXPECT_EQ(form->lblResultRows->text(), u"1 row"_s);

    // New clears the diagram and its columns, not the text.
    QTest::mouseClick(form->btnNew, Qt::LeftButton);
    EXPECT_EQ(form->SchemaDesignArea->GetItemCount(), 0);
    EXPECT_EQ(ColumnFields(), QStringList{QString()});
    EXPECT_EQ(form->SQLText(), u"SELECT * FROM t"_s);

    // An error is reported; the rows shown before stay.
    form->SetSQLText(u"SELECT * FROM broken"_s);
    QTest::mouseClick(form->btnExecSQL, Qt::LeftButton);
    EXPECT_EQ(dialogs->Messages, QStringList{u"no such table: broken"_s});
    EXPECT_EQ(form->DBGrid1->model()->index(0, 0).data().toString(), u"SELECT * FROM t"_s);
    EXPECT_EQ(executed.size(), 3);

    // Switching pages by hand follows the same rule, once per switch.
    form->SetSQLText(u"SELECT 2"_s);
    form->pcSQL->setCurrentWidget(form->tsOptions);
    form->pcSQL->setCurrentWidget(form->tsResults);
    EXPECT_EQ(executed.size(), 4);

    // Without an engine nothing runs and no rows are shown; the count of
    // the rows that went with it goes too.
    engine.reset();
    EXPECT_EQ(form->lblResultRows->text(), QString());
    form->pcSQL->setCurrentWidget(form->tsColumns);
    QTest::mouseClick(form->btnExecSQL, Qt::LeftButton);
    EXPECT_EQ(form->DBGrid1->model(), nullptr);
    EXPECT_EQ(dialogs->Messages.size(), 1);
}

TEST_F(BuilderFrameTest, ASavedDiagramComesBackWithTicksAndLinksButAnEmptyGrid)
{
    TSchemaItem* customer = Drop(u"customer"_s);
    TSchemaItem* orders = Drop(u"orders"_s, 200, 10);
    Row(customer, u"name"_s)->SetChecked(true);
    Row(orders, u"total"_s)->SetChecked(true);
    form->SchemaDesignArea->AddRelation(customer, orders, Row(customer, u"id"_s), Row(orders, u"cust_id"_s));
    form->sgColumnGrid->Model().SetCells(1, grSort, u"Ascending"_s);

    QTemporaryDir dir;
    const QString file = dir.filePath(u"diagram"_s);
    dialogs->FileAnswers.push_back(file);
    QTest::mouseClick(form->btnSave, Qt::LeftButton);
    ASSERT_EQ(dialogs->Requests.size(), 1);
    EXPECT_EQ(dialogs->Requests[0].Text, u"Schema files (*.sch);;All files (*)"_s);
    EXPECT_TRUE(QFile::exists(file + u".sch"_s));

    QTest::mouseClick(form->btnNew, Qt::LeftButton);
    tables.clear(); // the engine is not asked while a file is read
    dialogs->FileAnswers.push_back(file + u".sch"_s);
    QTest::mouseClick(form->btnOpen, Qt::LeftButton);
    EXPECT_FALSE(form->InternalUpdate());
    ASSERT_EQ(form->SchemaDesignArea->GetItemCount(), 2);
    EXPECT_EQ(form->SchemaDesignArea->GetRelationCount(), 1);
    TSchemaItem* back = form->SchemaDesignArea->FindItem(u"customer"_s);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetSubItemCount(), 3);
    EXPECT_EQ(ColumnFields(), (QStringList{u"name"_s, u"total"_s}));
    for (int row = grCalculate; row <= grHaving; ++row)
        EXPECT_EQ(Grid().Cells(1, row), QString()) << row;

    // A file that cannot be read is reported, and the flag still clears.
    dialogs->FileAnswers.push_back(dir.filePath(u"missing.sch"_s));
    QTest::mouseClick(form->btnOpen, Qt::LeftButton);
    EXPECT_EQ(dialogs->Messages.size(), 1);
    EXPECT_FALSE(form->InternalUpdate());
}

TEST_F(BuilderFrameTest, DoubleClickingATableDropsItNearTheCorner)
{
    form->lbTables->SetItemIndex(1);
    QListWidgetItem* entry = form->lbTables->item(1);
    const QPoint at = form->lbTables->visualItemRect(entry).center();
    QTest::mouseDClick(form->lbTables->viewport(), Qt::LeftButton, {}, at);
    ASSERT_EQ(form->SchemaDesignArea->GetItemCount(), 1);
    EXPECT_EQ(form->SchemaDesignArea->GetItem(0)->Caption(), u"orders"_s);
    EXPECT_EQ(form->SchemaDesignArea->GetItem(0)->pos(), QPoint(10, 10));
}

} // namespace

namespace {

TEST(BuilderResults, RowsAreFetchedAsThePersonScrolls)
{
    InstallScriptedDialogs();
    QTemporaryDir dir;
    const QString file = dir.filePath(u"rows.db"_s);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"fill-rows"_s);
        db.setDatabaseName(file);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(u"CREATE TABLE numbers (n INTEGER)"_s));
        ASSERT_TRUE(q.exec(u"WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c WHERE n < 1000) "
                           "INSERT INTO numbers SELECT n FROM c"_s));
        db.close();
    }
    QSqlDatabase::removeDatabase(u"fill-rows"_s);

    TSchemaBDEDataEngine engine;
    engine.SetDatabaseName(file);
    TfrmZBSQLBuilder form;
    form.SetDataEngine(&engine);
    form.resize(654, 453);
    form.show();
    form.SetSQLText(u"SELECT n FROM numbers ORDER BY n"_s);
    QTest::mouseClick(form.btnExecSQL, Qt::LeftButton);
    QAbstractItemModel* rows = form.DBGrid1->model();
    ASSERT_NE(rows, nullptr);
    // Only a first batch is read; the rest comes as the view reaches it.
    EXPECT_LT(rows->rowCount(), 1000);
    EXPECT_TRUE(rows->canFetchMore({}));
    EXPECT_TRUE(form.lblResultRows->text().contains(u"so far"_s)) << form.lblResultRows->text().toStdString();
    for (int i = 0; i < 20 && rows->canFetchMore({}); ++i) {
        form.DBGrid1->scrollToBottom();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(rows->rowCount(), 1000);
    EXPECT_EQ(form.lblResultRows->text(), QLocale().toString(1000) + u" rows"_s);
    EXPECT_EQ(rows->index(999, 0).data().toInt(), 1000);
}

} // namespace
