#pragma once

#include "TestSupport.h"

#include <schemakit/builder/SQLBldr.h>

#include <QHash>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

namespace schemakit::test {

// An engine that lists the tables of Tables (read at each call, so a test may
// change them) and their fields.
inline std::unique_ptr<TSchemaDataEngine> FakeEngine(const QHash<QString, QStringList>& Tables)
{
    auto engine = std::make_unique<TSchemaDataEngine>();
    engine->OnGetItemList = [&Tables](QObject*, TStringList& list) {
        for (const QString& table : Tables.keys())
            list.Add(table);
    };
    engine->OnGetSubItemList = [&Tables](QObject*, TSchemaItem* item, TStringList& list) {
        for (const QString& field : Tables.value(item->Caption()))
            list.Add(field);
    };
    return engine;
}

// A builder form on an engine that knows a few tables, shown on the offscreen
// platform.
class BuilderFormTest : public testing::Test {
protected:
    void SetUp() override
    {
        dialogs = &InstallScriptedDialogs();
        engine = FakeEngine(tables);
        form = std::make_unique<TfrmZBSQLBuilder>();
        form->SetDataEngine(engine.get());
        form->show();
    }
    void TearDown() override
    {
        form.reset();
        engine.reset();
    }

    TColumnGridModel& Grid() { return form->sgColumnGrid->Model(); }

    // Drops a table from the list onto the pane, as a person drags it.
    TSchemaItem* Drop(const QString& table, int x = 10, int y = 10)
    {
        const int before = form->SchemaDesignArea->GetItemCount();
        for (int i = 0; i < form->lbTables->Count(); ++i) {
            if (form->lbTables->Strings(i) == table)
                form->lbTables->SetItemIndex(i);
        }
        form->SchemaDesignAreaDragDrop(form->SchemaDesignArea, form->lbTables, x, y);
        const int after = form->SchemaDesignArea->GetItemCount();
        return after > before ? form->SchemaDesignArea->GetItem(after - 1) : nullptr;
    }
    static TSchemaSubItem* Row(TSchemaItem* box, const QString& caption) { return box->GetSubItemByName(caption); }
    // The caption of the row a column stands for, or "" for an empty column.
    QString ColumnField(int col)
    {
        const TSchemaSubItem* row = form->ColumnSubItem(col);
        return row ? row->Caption() : QString();
    }
    QStringList ColumnFields()
    {
        QStringList fields;
        for (int col = 1; col < Grid().ColCount(); ++col)
            fields << ColumnField(col);
        return fields;
    }

    QHash<QString, QStringList> tables{
        {QStringLiteral("customer"), {QStringLiteral("id"), QStringLiteral("name")}},
        {QStringLiteral("orders"), {QStringLiteral("id"), QStringLiteral("cust_id"), QStringLiteral("total")}}};
    TScriptedDialogService* dialogs = nullptr;
    std::unique_ptr<TSchemaDataEngine> engine;
    std::unique_ptr<TfrmZBSQLBuilder> form;
};

} // namespace schemakit::test
