#pragma once

#include "SchemaTypes.h"

#include "../package/ImageList.h"
#include "../package/ScrollBox.h"

#include <QPointer>

class QPainter;

namespace schemakit {

// The diagram pane: a scrolling container whose ordered child list is the
// diagram. Boxes and links are its children (links first, then boxes, each in the
// order they were added); every lookup filters that list by kind.
class TSchemaDesignArea : public TScrollBox {
    Q_OBJECT
public:
    explicit TSchemaDesignArea(QWidget* owner = nullptr);
    ~TSchemaDesignArea() override;

    // --- properties ---
    // Not owned, and kept until set again (also when the engine goes away).
    TSchemaDataEngine* DataEngine() const noexcept { return FDataEngine; }
    void SetDataEngine(TSchemaDataEngine* engine) { FDataEngine = engine; }
    // Images handed to tree boxes when they are made, and drawn by list rows.
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* images);
    TImageList* StateImages() const { return FStateImages; }
    void SetStateImages(TImageList* images);
    // Read-only panes open no menus on boxes or links and refuse row linking.
    bool ReadOnly() const noexcept { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    bool ShowItemToolbar() const noexcept { return FShowItemToolbar; }
    void SetShowItemToolbar(bool value);
    // Read by each box and link once, when it is made.
    TZBSActions Actions() const noexcept { return FActions; }
    void SetActions(TZBSActions value) { FActions = value; }

    TSchemaSubItemEvent OnAddSubItem;
    TSchemaItemEvent OnAddItem;
    TSchemaItemEvent OnDeleteItem;
    TSchemaRelationEvent OnAddRelation;
    TSchemaRelationEvent OnDeleteRelation;
    TSchemaCloseEvent OnClose; // carried only; nothing raises it

    // --- boxes ---
    // Makes a box of the given kind at the top-left corner and raises OnAddItem.
    // Any error on the way, the handler's included, frees the half-made box and
    // gives null.
    TSchemaItem* AddItem(const QString& caption, TSchemaControlType controlType);
    // As AddItem, storing `object` in the box's Data before OnAddItem.
    TSchemaItem* AddItemObject(const QString& caption, TSchemaControlType controlType, void* object);
    // Position of the box in the whole child list, -1 when it is not on the pane.
    int GetItemIndex(const TSchemaItem* item) const;
    // The last-added box whose caption matches (ASCII letters without case).
    TSchemaItem* FindItem(const QString& itemName) const;
    int GetItemCount() const;
    TSchemaItem* GetItem(int index) const;
    int GetRelationCount() const;
    TSchemaRelation* GetRelation(int index) const;
    // Frees every box and link (boxes first); other children stay.
    void ClearAll();

    // --- links ---
    // Whether a link other than `relation` has (item, subItem) as one of its ends.
    bool FindOtherRelation(const TSchemaRelation* relation, const TSchemaItem* item,
                           const TSchemaSubItem* subItem) const;
    // Frees every link of `item` (only those ending on `subItem` when it is given),
    // raising OnDeleteRelation for each, clearing the bold mark of rows left
    // without links, then re-routes the item's remaining links.
    void DeleteRelationsForItem(TSchemaItem* item, TSchemaSubItem* subItem);

    // --- routing entry points: keep links on their rows ---
    virtual void ReboundRelations();
    virtual void ReboundRelationsForItem(TSchemaItem* item, bool isDrag);
    virtual void ReboundRelation(TSchemaRelation* relation, bool isDrag);

    // --- menu commands; Sender is the chosen entry, whose owner is acted on ---
    void ChangeItemFont(QObject* sender);
    void ChangeBackground(QObject* sender);

    // Draws the diagram as the pane shows it.
    void DrawCanvas(QPainter& canvas);

    // The drawing lock: a flag, not a counter. Locking is granted to one window
    // at a time; a refused request leaves the pane unlocked, silently.
    void BeginUpdate();
    void EndUpdate();
    bool IsLocked() const noexcept { return FIsLocked; }

protected:
    void Scrolled() override;

private:
    TSchemaItem* NewItem(const QString& caption, TSchemaControlType controlType, void* object, bool setObject);
    void FreeChildrenFromEnd(bool (*take)(QObject*));
    void UnmarkRowIfUnlinked(const TSchemaRelation* relation, TSchemaItem* item, TSchemaSubItem* subItem);

    bool FReadOnly = false;
    TSchemaDataEngine* FDataEngine = nullptr;
    QPointer<TImageList> FImages;
    QPointer<TImageList> FStateImages;
    bool FShowItemToolbar = false;
    TZBSActions FActions{saDeleteItem, saDeleteReleation, saEditRelation};
    bool FIsLocked = false;
};

} // namespace schemakit
