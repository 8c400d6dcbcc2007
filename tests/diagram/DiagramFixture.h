#pragma once

#include "TestSupport.h"

#include <schemakit/diagram/SchmCntr.h>

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace schemakit::test {

// A pane that records what its routing entry points are asked to do.
class RecordingPane : public TSchemaDesignArea {
public:
    using TSchemaDesignArea::TSchemaDesignArea;
    struct Call {
        TSchemaItem* Item;
        bool IsDrag;
    };
    QList<Call> itemRoutes;
    int allRoutes = 0;

    void ReboundRelationsForItem(TSchemaItem* item, bool isDrag) override
    {
        itemRoutes.append({item, isDrag});
        TSchemaDesignArea::ReboundRelationsForItem(item, isDrag);
    }
    void ReboundRelations() override
    {
        ++allRoutes;
        TSchemaDesignArea::ReboundRelations();
    }
};

class DiagramTest : public testing::Test {
protected:
    void SetUp() override
    {
        dialogs = &InstallScriptedDialogs();
        pane = std::make_unique<RecordingPane>();
        pane->resize(800, 600);
        pane->show();
    }
    void TearDown() override { pane.reset(); }

    // A link put on the pane by hand, as the linking code will.
    TSchemaRelation* Link(TSchemaItem* parent, TSchemaSubItem* parentRow, TSchemaItem* child, TSchemaSubItem* childRow)
    {
        auto* link = new TSchemaRelation(pane.get());
        link->SetParentItem(parent);
        link->SetParentSubItem(parentRow);
        link->SetChildItem(child);
        link->SetChildSubItem(childRow);
        pane->InsertControl(link);
        return link;
    }

    TScriptedDialogService* dialogs = nullptr;
    std::unique_ptr<RecordingPane> pane;
};

} // namespace schemakit::test
