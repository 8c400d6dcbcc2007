#pragma once

#include <schemakit/schemakit_export.h>

#include "../package/SchemaTypes.h"

#include "../package/BoxWindow.h"
#include "../package/Font.h"
#include "../package/OwnerDrawList.h"

#include <QIcon>
#include <QPointer>

#include <memory>

class QKeyEvent;
class QMenu;
class QTreeWidgetItem;

namespace schemakit {

class TScrollBox;
class TCheckListBox;
class TTreeView;
class TSchemaText;
class TSchemaIcon;

/// One box of the diagram (in a database diagram, one table): a small framed
/// window filled by an inner control that shows and stores the box's rows.
///
/// Keyboard, while the box (for the list kinds, its list) has the focus:
///
/// ~~~{.unparsed}
///   Tab, Shift+Tab          the next or previous box of the pane, in the order
///                           the boxes were added, wrapping round
///   Ctrl+Tab, Ctrl+Shift+Tab  out of the pane, on along the window's tab order
///   Ctrl+arrow              moves the box by 1 pixel, as dragging its caption
///                           would (its links follow)
///   Ctrl+Shift+arrow        moves it by 10 pixels
///   Menu, Shift+F10         opens the box's popup menu
/// ~~~
///
/// Other keys go to the list as before: arrows move the current row, Space
/// ticks a row of a check list.
///
/// Accessibility: the box's accessible name is its caption and its description
/// names its kind and row count ("Table, 5 fields"). The rows are the items of
/// the list; those of a check list are checkable and report their mark.
class SCHEMAKIT_EXPORT TSchemaItem : public TBoxWindow {
    Q_OBJECT
    Q_PROPERTY(QWidget* ItemControl READ ItemControl)
    Q_PROPERTY(QIcon Icon READ Icon WRITE SetIcon)
    Q_PROPERTY(schemakit::TFont Font READ Font WRITE SetFont)
    Q_PROPERTY(schemakit::TSchemaControlType SchemaControlType READ SchemaControlType)
    Q_PROPERTY(int Rank READ Rank)
    Q_MOC_INCLUDE("schemakit/diagram/SchemaSubItem.h")
public:
    /// A box of kind `kind`.
    /// `owner` is the pane the box belongs to and raises its events through; the
    /// box is freed with it. A new box is invisible and off the pane until it is
    /// given a parent and activated (the pane's AddItem does both).
    explicit TSchemaItem(TSchemaDesignArea* owner, TSchemaControlType kind = scListBox);
    ~TSchemaItem() override;

    /// The pane the box belongs to, or null once it is gone.
    TSchemaDesignArea* Designer() const;
    /// The kind of the box, fixed when it was made.
    TSchemaControlType SchemaControlType() const noexcept { return FSchemaControlType; }
    /// The inner control: a list, check list or tree for the list kinds, a text or
    /// a picture for the shape kinds. It fills the client area.
    QWidget* ItemControl() const noexcept { return FItemControl; }
    TCustomListBox* ListControl() const;     ///< list kinds 0 and 1, else null
    TCheckListBox* CheckListControl() const; ///< scCheckListBox, else null
    TTreeView* TreeControl() const;          ///< scTreeView, else null
    TSchemaText* TextControl() const;        ///< scText, else null
    TSchemaIcon* IconControl() const;        ///< scIcon, else null

    /// The parent container; only a scroll box (in use, the pane) is accepted.
    TScrollBox* Parent() const;
    /// Puts the box into a scroll box, or takes it off with null. Anything else
    /// raises an error and leaves the box where it was.
    void SetParent(QWidget* parent);

    /// Sets the caption; a text box shows it as its text too.
    void SetCaption(const QString& caption) override;
    /// Sets the colour; the inner control (but an icon) takes it as its background.
    void SetColor(TColor color) override;
    ///@{
    /// The box's font.
    /// For every kind but the icon, the font is the inner control's (so it is what
    /// the rows are drawn with); the icon box uses its own.
    TFont Font() const;
    void SetFont(const TFont& font);
    ///@}

    ///@{
    /// The box's icon (also the widget's window icon).
    const QIcon& Icon() const noexcept { return FIcon; }
    void SetIcon(const QIcon& icon);
    ///@}

    ///@{
    /// A free slot for the caller; never owned or used by the library.
    void* Data() const noexcept { return FData; }
    void SetData(void* value) { FData = value; }
    ///@}

    ///@{
    /// Row count plus ten times the links on the box (a link from the box counts
    /// two, a link to it one).
    int Rank() const { return GetRank(); }
    int GetRank() const;
    ///@}

    // --- rows ---
    /// Adds a row; for a tree, as the last child of the node with absolute index
    /// `parentItem`, or as a top-level node when that is negative or not below the
    /// node count. A shape box that holds its row already returns null.
    TSchemaSubItem* AddSubItem(const QString& itemName, int parentItem, bool checked);
    /// Adds a row as AddSubItem does, with `object` in its Data slot.
    TSchemaSubItem* AddSubItemObject(const QString& itemName, int parentItem, bool checked, void* object);
    /// The number of rows (a shape box has 0 or 1).
    int GetSubItemCount() const;
    /// Row `index` (0-based, depth-first for trees), or null out of range. A shape
    /// box ignores the index and returns its row.
    TSchemaSubItem* GetSubItem(int index) const;
    /// The first row whose caption matches (ASCII letters compared without case).
    TSchemaSubItem* GetSubItemByName(const QString& subName) const;
    /// The index of a row of this box, or -1.
    int GetIndexBySubItem(const TSchemaSubItem* subItem) const;
    /// Frees the row and removes its entry (a tree node goes with its children).
    /// Links ending on the row are the caller's to remove first.
    void DeleteSubItem(int index);
    /// The current row, -1 when none.
    int GetItemIndex() const;
    /// The text the inner control shows for row `index`; empty out of range.
    QString GetItemName(int index) const;
    /// Marks a row as linked (bold); the caller refreshes the inner control.
    void SelectItemBold(TSchemaSubItem* subItem, bool isBold);

    // --- geometry ---
    /// Vertical pane coordinate at which links attach to row `fldN`.
    int GetRowY(int fldN) const;
    /// Fits the height to the rows (a tree is expanded fully first) or to the shape.
    void RecalculateHeight();
    /// Fits the width to the widest row or the shape, and to the caption when it is shown.
    void RecalculateWidth();
    /// Places the box at (x, y), gives it the bold 8-point font, fits its width and
    /// shows it. The name is not used.
    bool Activate(const QString& itemName, int x, int y);

    /// Owner drawing of a list row; `Canvas` carries the list's font and colours (or
    /// the selection colours).
    void CustomListDrawItem(QWidget* control, int index, const QRect& rect, TOwnerDrawState state, QPainter& canvas);
    /// A tree node was expanded or collapsed: the box's links are re-routed.
    void RelationUpdating(QObject* sender, QTreeWidgetItem* node);
    /// Deletes the box: its links first, then the box itself. Nothing may touch the
    /// box afterwards.
    void RemoveItem(QObject* sender = nullptr);

    // --- commands of the popup menu (list kinds); Sender is the chosen entry ---
    /// The box's popup menu, null for shape kinds. Its entries are owned by the box.
    QMenu* PopMenu() const noexcept { return FPopMenu.get(); }
    ///@{
    /// Checks (or unchecks) every row in row order; OnSubItemCheck is raised for
    /// each row whose mark changes.
    void _SelectAll(QObject* sender = nullptr);
    void _UnSelectAll(QObject* sender = nullptr);
    ///@}
    /// Deletes every link of the box.
    void RemoveRelations(QObject* sender = nullptr);
    /// Opens the popup menu at a point of the screen; nothing on a read-only pane
    /// or for a shape kind.
    void PopupMenuAt(QPoint globalPos);

    // --- linking rows by drag and drop ---
    /// Whether a drag from `source` may be dropped on this box's list: the pane
    /// is not read-only and the source is the list of a list kind box. A drag
    /// from any other control goes to the pane's OnDragOver and OnDragDrop, with
    /// this box as the sender and the position in the box's coordinates.
    void _DragOver(QObject* sender, QObject* source, int x, int y, Qt::DropAction state, bool& accept);
    /// Links the source box's current row to the row at (x, y) of this box's
    /// list (the list's client coordinates).
    void _DragDrop(QObject* sender, QObject* source, int x, int y);

    /// The links that end on this box, in the order they were made (each once,
    /// a link from the box to itself too). Kept by the links themselves.
    const QList<TSchemaRelation*>& Relations() const noexcept { return FRelations; }
    /// Adds a link to Relations, once; called by the link.
    void RememberRelation(TSchemaRelation* relation);
    /// Removes a link from Relations; called by the link.
    void ForgetRelation(TSchemaRelation* relation);

    /// A row's check mark changed; Sender is the row.
    TNotifyEvent OnSubItemCheck;
    /// Never raised; a box that goes raises the pane's OnDeleteItem instead.
    TSchemaCloseEvent OnClose;

    /// Called by a row of this box when its check mark changed.
    /// Returns whether the box still exists: a receiver of subItemChecked (or
    /// the handler) may free it.
    bool SubItemCheckChanged(TSchemaSubItem* subItem);
    /// Called by a row of this box when an image index (0 image, 1 selected,
    /// 2 overlay, 3 state) changed: a tree's node takes it over and the box repaints.
    void SubItemImageChanged(TSchemaSubItem* subItem, int which, int value);

    /// As the box window's, except that a shape box is dragged from anywhere on it.
    THitArea HitTest(QPoint p) const override;

    /// True while the box's destructor runs: whoever frees boxes leaves this one
    /// to finish by itself.
    bool IsGoing() const noexcept { return FGoing; }

signals:
    /// OnSubItemCheck as a signal, emitted after the handler (see Raise): a
    /// row's check mark changed. A receiver may free the box.
    void subItemChecked(schemakit::TSchemaSubItem* subItem);

protected:
    /// Fits the inner control to the client area.
    void ClientAreaChanged() override;
    /// Re-routes the box's links (unless the pane is scrolling).
    void Moved() override;
    /// Re-routes the box's links (unless the pane is scrolling).
    void Resized() override;
    /// The close box was clicked: the box is removed (RemoveItem) once the click's handling has returned.
    void CloseRequested() override;
    /// Catches the box's keys (see the class description) before the base class handles Tab.
    bool event(QEvent* event) override;
    /// Catches the box's keys (see the class description) in the inner control.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPoint ToBox(QObject* sender, int x, int y) const;
    void CreateItemControl();
    void ApplyControlFont(const TFont& font);
    TSchemaSubItem* NewSubItem(const QString& itemName, int parentItem, bool checked, void* object, bool setObject);
    QTreeWidgetItem* NodeOf(const TSchemaSubItem* subItem) const;
    void ReboundOwnRelations(bool isDrag);
    void BuildPopupMenu();
    void SetAllChecked(bool value);
    void DropLinksOfRows(const QList<TSchemaSubItem*>& rows);
    void ParentGoing(TScrollBox* scrollBox);
    // Carries out a key of the class comment; false for any other key. With
    // `perform` false it only answers whether the key is one of them.
    bool KeyCommand(const QKeyEvent& key, bool perform);
    bool FilterKey(QEvent* event);
    void UpdateAccessibleDescription();

    QPointer<TSchemaDesignArea> FDesigner;
    TSchemaControlType FSchemaControlType;
    QWidget* FItemControl = nullptr;
    QIcon FIcon;
    void* FData = nullptr;
    QPointer<TScrollBox> FParent;
    TFont FFont;
    std::unique_ptr<QMenu> FPopMenu;
    QList<TSchemaRelation*> FRelations;
    bool FGoing = false;
    // The row NewSubItem is adding, while its check mark is set.
    const TSchemaSubItem* FRowBeingAdded = nullptr;
};

} // namespace schemakit
