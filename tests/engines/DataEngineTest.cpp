#include <schemakit/diagram/SchmCntr.h>
#include <schemakit/engines/ZBDEngine.h>

#include <QStringListModel>

#include <gtest/gtest.h>

using namespace schemakit;

namespace {

// The base engine and the event engine must behave alike.
template <typename Engine>
class DataEngineEvents : public testing::Test {
};
using EngineKinds = testing::Types<TSchemaDataEngine, TSchemaCustomDataEngine>;
TYPED_TEST_SUITE(DataEngineEvents, EngineKinds);

TStringList Filled(std::initializer_list<const char*> entries)
{
    TStringList list;
    for (const char* e : entries)
        list.Add(QString::fromLatin1(e));
    return list;
}

} // namespace

TYPED_TEST(DataEngineEvents, WithoutHandlersListsAreEmptiedAndNoResultComesBack)
{
    TypeParam engine;
    EXPECT_EQ(engine.SQLSubType(), stStandard);
    EXPECT_FALSE(engine.OnGetItemList || engine.OnGetSubItemList || engine.OnExecSQL);

    TStringList tables = Filled({"stale", "entries"});
    int changes = 0;
    tables.OnChange = [&](TStringList*) { ++changes; };
    engine.FillItemList(tables);
    EXPECT_EQ(tables.Count(), 0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(tables.UpdateCount(), 0);

    TStringList fields = Filled({"old"});
    engine.FillSubItemList(nullptr, fields);
    EXPECT_EQ(fields.Count(), 0);
    EXPECT_EQ(engine.ExecSQL(QStringLiteral("SELECT 1")), nullptr);
}

TYPED_TEST(DataEngineEvents, HandlersStartFromAnEmptyListAndTheirEntriesAndObjectsStay)
{
    TypeParam engine;
    TSchemaDesignArea pane;
    TSchemaItem* box = pane.AddItem(QStringLiteral("orders"), scCheckListBox);
    int tag = 0;

    engine.OnGetItemList = [&](QObject* sender, TStringList& list) {
        EXPECT_EQ(sender, &engine);
        EXPECT_EQ(list.Count(), 0);
        EXPECT_GT(list.UpdateCount(), 0); // filled inside one update
        list.Add(QStringLiteral("orders"));
        list.AddObject(QStringLiteral("customers"), &tag);
    };
    engine.OnGetSubItemList = [&](QObject* sender, TSchemaItem* item, TStringList& list) {
        EXPECT_EQ(sender, &engine);
        EXPECT_EQ(list.Count(), 0);
        list.AddObject(item->Caption() + QStringLiteral("_id"), &tag);
    };
    TStringList tables = Filled({"stale"});
    engine.FillItemList(tables);
    ASSERT_EQ(tables.Count(), 2);
    EXPECT_EQ(tables.Strings(1), QStringLiteral("customers"));
    EXPECT_EQ(tables.Objects(0), nullptr);
    EXPECT_EQ(tables.Objects(1), &tag);

    TStringList fields = Filled({"a", "b"});
    engine.FillSubItemList(box, fields);
    ASSERT_EQ(fields.Count(), 1);
    EXPECT_EQ(fields.Strings(0), QStringLiteral("orders_id"));
    EXPECT_EQ(fields.Objects(0), &tag);

    QStringListModel rows;
    engine.OnExecSQL = [&](QObject* sender, const QString& sql) -> QAbstractItemModel* {
        EXPECT_EQ(sender, &engine);
        EXPECT_EQ(sql, QStringLiteral("SELECT 1"));
        return &rows;
    };
    EXPECT_EQ(engine.ExecSQL(QStringLiteral("SELECT 1")), &rows);
}

TYPED_TEST(DataEngineEvents, AHandlersErrorPassesThroughAndReleasesTheList)
{
    TypeParam engine;
    engine.OnGetItemList = [](QObject*, TStringList& list) {
        list.Add(QStringLiteral("half"));
        throw EConvertError(QStringLiteral("handler failed"));
    };
    TStringList tables;
    try {
        engine.FillItemList(tables);
        FAIL() << "the handler's error was swallowed";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("handler failed"));
    }
    EXPECT_EQ(tables.UpdateCount(), 0);

    engine.OnExecSQL = [](QObject*, const QString&) -> QAbstractItemModel* { throw EAbort(); };
    EXPECT_THROW(engine.ExecSQL(QString()), EAbort);
}
