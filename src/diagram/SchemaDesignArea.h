#pragma once

#include <schemakit/schemakit_export.h>

#include "../package/SchemaTypes.h"

#include "../package/ControlDrag.h"
#include "../package/ImageList.h"
#include "../package/ScrollBox.h"

#include <QMenu>
#include <QPointer>
#include <QRandomGenerator>
#include <QSet>
#include <QToolBar>

#include <memory>

class QIODevice;
class QPainter;

namespace schemakit {

/// The diagram pane: a scrolling container whose ordered child list is the
/// diagram. Boxes and links are its children (links first, then boxes, each in the
/// order they were added); every lookup filters that list by kind.
class SCHEMAKIT_EXPORT TSchemaDesignArea : public TScrollBox {
    Q_OBJECT
    Q_PROPERTY(schemakit::TSchemaDataEngine* DataEngine READ DataEngine WRITE SetDataEngine)
    Q_PROPERTY(schemakit::TImageList* Images READ Images WRITE SetImages)
    Q_PROPERTY(schemakit::TImageList* StateImages READ StateImages WRITE SetStateImages)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(bool ShowItemToolbar READ ShowItemToolbar WRITE SetShowItemToolbar)
    Q_PROPERTY(schemakit::TZBSActions Actions READ Actions WRITE SetActions)
    Q_MOC_INCLUDE("schemakit/diagram/SchemaItem.h")
    Q_MOC_INCLUDE("schemakit/diagram/SchemaRelation.h")
    Q_MOC_INCLUDE("schemakit/diagram/SchemaSubItem.h")
    Q_MOC_INCLUDE("schemakit/engines/SchemaDataEngine.h")
public:
    /// An empty pane.
    explicit TSchemaDesignArea(QWidget* owner = nullptr);
    ~TSchemaDesignArea() override;

    // --- properties ---
    ///@{
    /// The data engine the pane's users fill boxes from.
    /// Not owned: kept until set again, and null once the engine is destroyed.
    TSchemaDataEngine* DataEngine() const noexcept;
    void SetDataEngine(TSchemaDataEngine* engine);
    ///@}
    ///@{
    /// Images handed to tree boxes when they are made, and drawn by list rows.
    /// Not owned; forgotten when freed.
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* images);
    ///@}
    ///@{
    /// The state images handed to tree boxes when they are made. Not owned;
    /// forgotten when freed.
    TImageList* StateImages() const { return FStateImages; }
    void SetStateImages(TImageList* images);
    ///@}
    ///@{
    /// Read-only panes open no menus on boxes or links and refuse row linking.
    bool ReadOnly() const noexcept { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    ///@}
    ///@{
    /// A tool bar docked at the top of the pane, with a button per kind of box
    /// and a menu of the built-in icons; each adds a new box.
    bool ShowItemToolbar() const noexcept { return FShowItemToolbar; }
    void SetShowItemToolbar(bool value);
    ///@}
    ///@{
    /// Which delete and edit entries the menus of boxes and links enable.
    /// Read by each box and link once, when it is made.
    TZBSActions Actions() const noexcept { return FActions; }
    void SetActions(TZBSActions value) { FActions = value; }
    ///@}

    TSchemaSubItemEvent OnAddSubItem;      ///< A row was added to a box.
    TSchemaItemEvent OnAddItem;            ///< A box was added (AddItem, the toolbar, loading).
    TSchemaItemEvent OnDeleteItem;         ///< A box is going, still whole.
    TSchemaRelationEvent OnAddRelation;    ///< A link was added (AddRelation, a drop, loading).
    TSchemaRelationEvent OnDeleteRelation; ///< A link is being deleted, still whole.
    TSchemaCloseEvent OnClose;             ///< carried only; nothing raises it
    // Drags from other controls of the application: whether one may be dropped
    // at (X, Y), and the drop. Sender is the control under the mouse, the pane
    // or one of its boxes, and X, Y are in that control's coordinates. Drags of
    // rows between boxes (linking) never come here.

    /// Whether a drag from another control of the application may be dropped at
    /// (X, Y). Sender is the control under the mouse, the pane or one of its
    /// boxes, and X, Y are in that control's coordinates. Drags of rows between
    /// boxes (linking) never come here.
    TDragOverEvent OnDragOver;
    /// A drag from another control was dropped at (X, Y), as for OnDragOver.
    TDragDropEvent OnDragDrop;

    // --- boxes ---
    /// Makes a box of the given kind at the top-left corner and raises OnAddItem.
    /// Any error on the way, the handler's included, frees the half-made box and
    /// gives null.
    TSchemaItem* AddItem(const QString& caption, TSchemaControlType controlType);
    /// As AddItem, storing `object` in the box's Data before OnAddItem.
    TSchemaItem* AddItemObject(const QString& caption, TSchemaControlType controlType, void* object);
    /// Position of the box in the whole child list, -1 when it is not on the pane.
    int GetItemIndex(const TSchemaItem* item) const;
    /// The last-added box whose caption matches (ASCII letters without case).
    TSchemaItem* FindItem(const QString& itemName) const;
    /// The number of boxes on the pane.
    int GetItemCount() const;
    /// Box `index` (0-based, in the order added), or null out of range.
    TSchemaItem* GetItem(int index) const;
    /// The number of links on the pane.
    int GetRelationCount() const;
    /// Link `index` (0-based, in the order added), or null out of range.
    TSchemaRelation* GetRelation(int index) const;
    /// Frees every box and link (boxes first); other children stay.
    void ClearAll();

    // --- the schema file (".sch") ---
    /// Writes the diagram at the stream's position: a "[General]" section, then
    /// each box with its rows, then the links. Link colours, the tree structure of
    /// rows, window icons, Data slots and the pane's own properties are not kept.
    void SaveToStream(QIODevice& stream) const;
    /// Writes the diagram to a file as SaveToStream does.
    /// Writes through a temporary file, so a failed save keeps the old file.
    /// Raises EFileError when the file cannot be written.
    void SaveToFile(const QString& fileName) const;
    /// Replaces the diagram by the one read from the stream's position to its end,
    /// through AddItem, AddSubItem and AddRelation (raising their events). A
    /// malformed number where one is required, or two rows linked twice, stops the
    /// load with an error; what was read before stays. Drawing is locked meanwhile.
    void LoadFromStream(QIODevice& stream);
    /// Replaces the diagram by the one in a file, as LoadFromStream does.
    /// Raises EFileError, leaving the pane as it was, when the file cannot be opened.
    void LoadFromFile(const QString& fileName);

    // --- links ---
    /// Links row `ssi1` of box `si1` (the parent end) to row `ssi2` of box `si2`
    /// (the child end): marks both rows bold, routes the link, shows it and raises
    /// OnAddRelation. Two rows already linked, either way round, raise "These
    /// items are already linked." and leave the pane as it was.
    TSchemaRelation* AddRelation(TSchemaItem* si1, TSchemaItem* si2, TSchemaSubItem* ssi1, TSchemaSubItem* ssi2);
    /// Whether another link joins the same two rows, either way round.
    bool FindRelation(const TSchemaRelation* relation) const;
    /// Whether a link other than `relation` has (item, subItem) as one of its ends.
    bool FindOtherRelation(const TSchemaRelation* relation, const TSchemaItem* item,
                           const TSchemaSubItem* subItem) const;
    /// Menu command of a link's "Delete relation": raises OnDeleteRelation, takes
    /// the link off, clears the bold marks of rows left without links, frees it.
    void DeleteRelation(QObject* sender);
    /// Frees every link of `item` (only those ending on `subItem` when it is given),
    /// raising OnDeleteRelation for each, clearing the bold mark of rows left
    /// without links, then re-routes the item's remaining links.
    void DeleteRelationsForItem(TSchemaItem* item, TSchemaSubItem* subItem);
    /// The link that claims a point of the pane's client area, the last one
    /// added first; null where only the pane is.
    TSchemaRelation* RelationAt(QPoint pos) const;

    // --- routing entry points: keep links on their rows ---
    /// Re-routes every link of the pane.
    virtual void ReboundRelations();
    /// Re-routes the links of one box; `isDrag` while the box is being moved or sized.
    virtual void ReboundRelationsForItem(TSchemaItem* item, bool isDrag);
    /// Re-routes one link onto its rows; `isDrag` while a box of it is being moved or sized.
    virtual void ReboundRelation(TSchemaRelation* relation, bool isDrag);

    // --- menu commands; Sender is the chosen entry, whose owner is acted on ---
    /// "Change font...": lets the user pick the box's font through the dialog service.
    void ChangeItemFont(QObject* sender);
    /// "Change background color...": lets the user pick the colour of the box or
    /// link through the dialog service.
    void ChangeBackground(QObject* sender);

    // The drop-target handlers; Qt's drag events and the boxes (for drags that
    // are not theirs) call them, and so may tests.

    /// Raises OnDragOver (and dragOver) with `Accept` cleared first.
    void _DragOver(QObject* Sender, QObject* Source, int X, int Y, Qt::DropAction State, bool& Accept);
    /// Raises OnDragDrop (and dragDropped).
    void _DragDrop(QObject* Sender, QObject* Source, int X, int Y);

    // --- arranging ---
    /// Ranks the boxes (rows plus 10 times their link weight) and shows every
    /// rank, highest first, in a message of its own. Moves nothing.
    void AutoArrange();
    /// Places the boxes so that none overlap and linked boxes stand together,
    /// the highest-ranked first, from the top-left corner of the diagram with
    /// Spacing pixels between them; the links follow.
    void ArrangeItems(int Spacing = 40);

    // --- the item toolbar ---
    ///@{
    /// Shows or removes the item toolbar.
    /// Both do nothing when the toolbar already is, or is not, there.
    void CreateItemToolbar();
    void DestroyItemToolbar();
    ///@}
    /// Click handler of a box button: adds a box of the kind in Sender's "Tag"
    /// property, with a pseudo-random caption and place.
    void AddNewItem(QObject* Sender);
    /// Click handler of an icon menu entry: adds an icon box of the type in
    /// Sender's "Tag" property, with a pseudo-random caption and place.
    void AddNewIcon(QObject* Sender);
    ///@{
    /// The toolbar's parts while it is shown, else null.
    QWidget* ItemToolbarBand() const { return FcbItems; }
    QToolBar* ItemToolbar() const { return FtbItems; }
    TImageList* ItemToolbarImages() const { return FtbImages.get(); }
    QMenu* IconMenu() const { return pmIconList; }
    ///@}
    /// Seeds the toolbar's generator.
    /// New boxes of the toolbar get pseudo-random captions and positions from
    /// this generator; seed it for repeatable runs.
    void SetRandomSeed(quint32 Seed) { FRandom.seed(Seed); }

    /// Draws the diagram as the pane shows it.
    void DrawCanvas(QPainter& canvas);
    /// Writes the whole diagram, over its full extent and not only the part in
    /// view, as a picture whose kind the extension names: .png, .jpg, .bmp,
    /// .svg or .pdf. Raises EFileError when the file cannot be written or the
    /// extension names no kind.
    void ExportToFile(const QString& fileName);
    /// The rectangle an export covers, in the diagram's content coordinates:
    /// from the origin to beyond the last box and link.
    QRect ExportRect() const;
    /// Paints the whole diagram with its content origin at the painter's origin.
    void PaintDiagram(QPainter& painter);

    ///@{
    /// The drawing lock: a flag, not a counter. Locking is granted to one window
    /// at a time; a refused request leaves the pane unlocked, silently.
    void BeginUpdate();
    void EndUpdate();
    bool IsLocked() const noexcept { return FIsLocked; }
    ///@}

    /// True inside ClearAll and the pane's own end: boxes going then leave their
    /// links to be freed without OnDeleteRelation.
    bool IsClearing() const noexcept { return FClearing; }
    ///@{
    /// Boxes made with the pane as owner report here, so that the pane frees
    /// them wherever they are when it goes.
    void ItemMade(TSchemaItem* item);
    void ItemGone(TSchemaItem* item);
    ///@}

    // --- keyboard focus (the keys themselves: see TSchemaItem) ---
    /// Gives the focus to the shown box after (or before) `from` in the order
    /// the boxes were added, wrapping round; to the first (or last) when `from`
    /// is null or not on the pane. Scrolls it into view. Null when no box is shown.
    TSchemaItem* FocusNextItem(TSchemaItem* from, bool forward);
    /// Hands the focus on to the widget after (or before) the pane in its
    /// window's tab order, so that a keyboard user can leave the diagram.
    void FocusOutOfPane(bool forward);

signals:
    // The events as signals, each emitted right after its handler, whether or
    // not one is assigned (see Raise). itemDeleted and relationDeleted come
    // while the box or link is still whole, just before it goes; itemDeleted
    // comes from the box's destructor, so its receivers must not free that
    // box. OnClose has no signal, as nothing raises it.

    /// OnAddSubItem as a signal, emitted right after the handler.
    void subItemAdded(schemakit::TSchemaSubItem* subItem);
    /// OnAddItem as a signal, emitted right after the handler.
    void itemAdded(schemakit::TSchemaItem* item);
    /// OnDeleteItem as a signal, emitted right after the handler while the box is
    /// still whole; it comes from the box's destructor, so receivers must not free that box.
    void itemDeleted(schemakit::TSchemaItem* item);
    /// OnAddRelation as a signal, emitted right after the handler.
    void relationAdded(schemakit::TSchemaRelation* relation);
    /// OnDeleteRelation as a signal, emitted right after the handler while the
    /// link is still whole, just before it goes.
    void relationDeleted(schemakit::TSchemaRelation* relation);
    /// OnDragOver as a signal, emitted right after the handler.
    /// `control` is the control under the mouse (the pane or one of its boxes),
    /// and x, y are in its coordinates. A receiver connected directly may
    /// accept the drag through `accept`, as a handler of OnDragOver may.
    void dragOver(QObject* control, QObject* source, int x, int y, Qt::DropAction state, bool* accept);
    /// OnDragDrop as a signal, emitted right after the handler; `control`, x and y as for dragOver.
    void dragDropped(QObject* control, QObject* source, int x, int y);

protected:
    /// Keeps the toolbar docked and re-routes every link once after a scroll.
    void Scrolled() override;
    /// Paints the links beneath the boxes.
    void paintEvent(QPaintEvent* event) override;
    /// A left or right press on a link goes to the link (its menu, its pressed look).
    void mousePressEvent(QMouseEvent* event) override;
    /// Releases a pressed link.
    void mouseReleaseEvent(QMouseEvent* event) override;
    /// Opens the pane's PopupMenu, unless the right press went to a link.
    void contextMenuEvent(QContextMenuEvent* event) override;
    ///@{
    /// Accepts a drag from another control when OnDragOver does.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    ///@}
    /// Raises OnDragDrop for an accepted drop.
    void dropEvent(QDropEvent* event) override;
    /// Tab on the pane itself enters the diagram at its first box (Shift+Tab
    /// leaves it as usual).
    bool focusNextPrevChild(bool next) override;

private:
    bool AcceptsDrag(QDropEvent* event);
    void EnsureItemVisible(const TSchemaItem* item);

    void TakeRelation(TSchemaRelation* link);
    void PaintRelations(QPainter& painter, const QRect& area);
    TSchemaItem* NewItem(const QString& caption, TSchemaControlType controlType, void* object, bool setObject);
    // Returns false when a handler or a receiver freed the pane meanwhile.
    bool FreeChildrenFromEnd(bool (*take)(QObject*));
    void UnmarkRowIfUnlinked(const TSchemaRelation* relation, TSchemaItem* item, TSchemaSubItem* subItem);

    bool FReadOnly = false;
    QPointer<TSchemaDataEngine> FDataEngine;
    QPointer<TImageList> FImages;
    QPointer<TImageList> FStateImages;
    bool FShowItemToolbar = false;
    QPointer<QWidget> FcbItems;
    QPointer<QToolBar> FtbItems;
    std::unique_ptr<TImageList> FtbImages;
    QPointer<QMenu> pmIconList;
    QRandomGenerator FRandom{QRandomGenerator::global()->generate()};
    TZBSActions FActions{saDeleteItem, saDeleteReleation, saEditRelation};
    bool FIsLocked = false;
    bool FClearing = false;
    QSet<TSchemaItem*> FItems;
    QPointer<TSchemaRelation> FPressedRelation;
    bool FRelationTookPress = false;
};

} // namespace schemakit
