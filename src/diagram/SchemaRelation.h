#pragma once

#include "SchemaTypes.h"

#include "../package/Color.h"

#include <QObject>
#include <QPointer>

namespace schemakit {

// A link between a row of one box (the parent end) and a row of another box, or
// of the same box (the child end). It is a windowless element of the pane, drawn
// by the pane beneath the boxes. It refers to its boxes and rows and owns none.
class TSchemaRelation : public QObject {
    Q_OBJECT
public:
    explicit TSchemaRelation(TSchemaDesignArea* owner = nullptr);
    ~TSchemaRelation() override;

    TSchemaDesignArea* Designer() const;

    TSchemaItem* ParentItem() const noexcept { return FParentItem; }
    TSchemaItem* ChildItem() const noexcept { return FChildItem; }
    TSchemaSubItem* ParentSubItem() const noexcept { return FParentSubItem; }
    TSchemaSubItem* ChildSubItem() const noexcept { return FChildSubItem; }
    void SetParentItem(TSchemaItem* value) { FParentItem = value; }
    void SetChildItem(TSchemaItem* value) { FChildItem = value; }
    void SetParentSubItem(TSchemaSubItem* value) { FParentSubItem = value; }
    void SetChildSubItem(TSchemaSubItem* value) { FChildSubItem = value; }

    TColor Color() const noexcept { return FColor; }
    void SetColor(TColor value) { FColor = value; }

private:
    QPointer<TSchemaDesignArea> FDesigner;
    TSchemaItem* FParentItem = nullptr;
    TSchemaItem* FChildItem = nullptr;
    TSchemaSubItem* FParentSubItem = nullptr;
    TSchemaSubItem* FChildSubItem = nullptr;
    TColor FColor = clBlack;
};

} // namespace schemakit
