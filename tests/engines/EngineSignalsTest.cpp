// The engines' list signals: emitted after the handler while the list is being
// filled, so a receiver may add to it; and a receiver may free the engine.

#include <schemakit/diagram/SchmCntr.h>
#include <schemakit/engines/ZBDB.h>
#include <schemakit/engines/ZBDEngine.h>

#include <QPointer>

#include <gtest/gtest.h>

using namespace schemakit;

namespace {

QStringList Entries(const TStringList& list)
{
    QStringList entries;
    for (int i = 0; i < list.Count(); ++i)
        entries << list.Strings(i);
    return entries;
}

TEST(EngineSignals, ListSignalsFollowTheHandlerAndMayAddEntries)
{
    TSchemaDesignArea pane;
    TSchemaItem* box = pane.AddItem(QStringLiteral("orders"), scCheckListBox);
    for (const bool assigned : {false, true}) {
        SCOPED_TRACE(assigned ? "with handlers" : "without handlers");
        TSchemaCustomDataEngine engine;
        if (assigned) {
            engine.OnGetItemList = [](QObject*, TStringList& list) { list.Add(QStringLiteral("orders")); };
            engine.OnGetSubItemList = [](QObject*, TSchemaItem*, TStringList& list) { list.Add(QStringLiteral("id")); };
        }
        TStringList tables;
        tables.Add(QStringLiteral("stale"));
        int heard = 0;
        QObject::connect(&engine, &TSchemaDataEngine::itemListRequested, [&](TStringList* list) {
            ++heard;
            EXPECT_EQ(list, &tables);
            EXPECT_GT(list->UpdateCount(), 0); // inside the engine's one update
            list->Add(QStringLiteral("extra"));
        });
        engine.FillItemList(tables);
        EXPECT_EQ(heard, 1);
        EXPECT_EQ(Entries(tables), assigned ? QStringList({"orders", "extra"}) : QStringList({"extra"}));

        TStringList fields;
        QObject::connect(&engine, &TSchemaDataEngine::subItemListRequested, [&](TSchemaItem* item, TStringList* list) {
            ++heard;
            EXPECT_EQ(item, box);
            list->Add(QStringLiteral("note"));
        });
        engine.FillSubItemList(box, fields);
        EXPECT_EQ(heard, 2);
        EXPECT_EQ(Entries(fields), assigned ? QStringList({"id", "note"}) : QStringList({"note"}));
    }
}

// The database engine goes on to its database after the signal: not once the
// engine is gone (it has no database here, which would be an error).
TEST(EngineSignals, ReceiverMayFreeTheDatabaseEngine)
{
    TSchemaDesignArea pane;
    TSchemaItem* box = pane.AddItem(QStringLiteral("orders"), scCheckListBox);

    QPointer<TSchemaBDEDataEngine> engine = new TSchemaBDEDataEngine;
    engine->OnGetItemList = [](QObject*, TStringList& list) { list.Add(QStringLiteral("orders")); };
    QObject::connect(engine, &TSchemaDataEngine::itemListRequested, engine, [&engine] { delete engine.data(); });
    TStringList tables;
    EXPECT_NO_THROW(engine->FillItemList(tables));
    EXPECT_TRUE(engine.isNull());
    EXPECT_EQ(Entries(tables), QStringList({"orders"}));
    EXPECT_EQ(tables.UpdateCount(), 0);

    engine = new TSchemaBDEDataEngine;
    QObject::connect(engine, &TSchemaDataEngine::subItemListRequested, engine, [&engine] { delete engine.data(); });
    TStringList fields;
    EXPECT_NO_THROW(engine->FillSubItemList(box, fields));
    EXPECT_TRUE(engine.isNull());
}

} // namespace
