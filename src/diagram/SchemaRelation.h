#pragma once

#include <schemakit/schemakit_export.h>

#include "RelationGeometry.h"
#include "../package/Enumerations.h"
#include "../package/SchemaTypes.h"

#include "../package/Color.h"

#include <QObject>
#include <QPointer>
#include <QRect>

#include <memory>

class QAction;
class QMenu;
class QPainter;

namespace schemakit {

/// A link between a row of one box (the parent end) and a row of another box, or
/// of the same box (the child end). It is a windowless element of the pane: it
/// has bounds in the pane's client coordinates, is painted by the pane beneath
/// the boxes and answers clicks only inside the band around its line. It refers
/// to its boxes and rows and owns none of them; when one of them goes, the link
/// sees null there (and the pane takes the link away with it).
class SCHEMAKIT_EXPORT TSchemaRelation : public QObject {
    Q_OBJECT
    Q_PROPERTY(schemakit::TSchemaItem* ParentItem READ ParentItem WRITE SetParentItem)
    Q_PROPERTY(schemakit::TSchemaItem* ChildItem READ ChildItem WRITE SetChildItem)
    Q_PROPERTY(schemakit::TSchemaSubItem* ParentSubItem READ ParentSubItem WRITE SetParentSubItem)
    Q_PROPERTY(schemakit::TSchemaSubItem* ChildSubItem READ ChildSubItem WRITE SetChildSubItem)
    Q_PROPERTY(schemakit::TSDRelationOperator JoinOperator READ JoinOperator WRITE SetJoinOperator)
    Q_PROPERTY(schemakit::TSDRelationJoin JoinType READ JoinType WRITE SetJoinType)
    Q_PROPERTY(schemakit::TSDRelationType RelationType READ RelationType WRITE SetRelationType)
    Q_PROPERTY(schemakit::TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(QMenu* PopMenu READ PopMenu)
    Q_MOC_INCLUDE(<QMenu>)
    Q_MOC_INCLUDE("schemakit/diagram/SchemaItem.h")
    Q_MOC_INCLUDE("schemakit/diagram/SchemaSubItem.h")
public:
    /// A link of the pane `owner`, its ends still empty.
    /// The owner must be the pane: the menu is built from its Actions now.
    explicit TSchemaRelation(TSchemaDesignArea* owner = nullptr);
    ~TSchemaRelation() override;

    /// The pane the link belongs to, or null once it is gone.
    TSchemaDesignArea* Designer() const;

    ///@{
    /// The link's ends: the parent and child boxes and their rows; null where
    /// none is set or it has gone. Setting a box also registers the link with it.
    TSchemaItem* ParentItem() const noexcept;
    TSchemaItem* ChildItem() const noexcept;
    TSchemaSubItem* ParentSubItem() const noexcept;
    TSchemaSubItem* ChildSubItem() const noexcept;
    void SetParentItem(TSchemaItem* value);
    void SetChildItem(TSchemaItem* value);
    ///@}
    /// Called by a box that is going: the link lets go of it and its row at once.
    void ForgetEnd(const TSchemaItem* box);
    ///@{
    /// Sets the row at one end.
    void SetParentSubItem(TSchemaSubItem* value);
    void SetChildSubItem(TSchemaSubItem* value);
    ///@}

    ///@{
    /// The comparison the link makes between its two rows.
    TSDRelationOperator JoinOperator() const noexcept { return FJoinOperator; }
    void SetJoinOperator(TSDRelationOperator value) noexcept { FJoinOperator = value; }
    ///@}
    ///@{
    /// The kind of join the link stands for.
    TSDRelationJoin JoinType() const noexcept { return FJoinType; }
    void SetJoinType(TSDRelationJoin value) noexcept { FJoinType = value; }
    ///@}
    ///@{
    /// The kind of relationship.
    /// Only rtNonIdentifying changes the drawing (dotted); setting it does not
    /// repaint.
    TSDRelationType RelationType() const noexcept { return FRelationType; }
    void SetRelationType(TSDRelationType value) noexcept { FRelationType = value; }
    ///@}

    /// The colour of the line.
    TColor Color() const noexcept { return FColor; }
    /// Sets the colour of the line.
    /// A new colour releases the pressed look and repaints the link.
    void SetColor(TColor value);

    /// The popup menu: the name entry, "Edit relation...", "Delete relation" and
    /// "Change background color...". Its entries are owned by the link.
    QMenu* PopMenu() const noexcept { return FPopMenu.get(); }
    ///@{
    /// The caption of the menu's name entry ("parent :: child" once routed).
    QString Name() const;
    void SetName(const QString& name);
    ///@}

    ///@{
    /// The layout codes the routing chose (0 until the first routing).
    int LnkX() const noexcept { return FLnkX; }
    int LnkY() const noexcept { return FLnkY; }
    ///@}
    /// Stores the layout codes the routing chose.
    /// Returns whether either code changed.
    bool SetLayoutCodes(int lnkX, int lnkY) noexcept;

    /// Bounds in the pane's client coordinates.
    const QRect& BoundsRect() const noexcept { return FBounds; }
    /// Moves the link to new bounds, repainting both places when it is shown.
    void SetBounds(const QRect& bounds);
    /// New bounds for a link whose pixels are already there (moved by a scroll).
    void MoveBoundsUnpainted(const QRect& bounds) noexcept { FBounds = bounds; }
    ///@{
    /// The bounds' edges and size, in the pane's client coordinates.
    int Left() const noexcept { return FBounds.left(); }
    int Top() const noexcept { return FBounds.top(); }
    int Width() const noexcept { return FBounds.width(); }
    int Height() const noexcept { return FBounds.height(); }
    ///@}
    ///@{
    /// Whether the pane shows the link (off for a new link until AddRelation has routed it).
    bool Visible() const noexcept { return FVisible; }
    void SetVisible(bool value);
    ///@}

    ///@{
    /// The pressed flag: set by a press on the band, cleared by the release and
    /// by a colour change; a pressed link is drawn silver.
    bool MouseIsDown() const noexcept { return FMouseDown; }
    void MouseDown();
    void MouseUp();
    ///@}

    /// The hit region in the link's client coordinates, replaced by every paint.
    const RelationGeometry::Quad& Rgn() const noexcept { return FRgn; }
    /// Whether the link claims a point of its client area.
    bool HitTest(QPoint clientPoint) const;
    /// The last other link of the pane, searched from the end of the child list,
    /// that claims `clientPoint` (given in this link's client coordinates).
    TSchemaRelation* ControlAtPos(QPoint clientPoint) const;

    /// A left or right press inside the region: the menu opens (not on a
    /// read-only pane, not off the pane), then the link is pressed.
    void ButtonPressed(QPoint clientPoint);
    /// Opens the popup menu at a point of the link's client area, unless the pane is read-only or gone.
    void PopupAt(QPoint clientPoint);

    /// Shows the relation dialog; OK stores its operator and join kind, Cancel
    /// changes nothing. Neither repaints nor raises an event.
    void EditRelation(QObject* sender = nullptr);

    /// Draws the line and its end marks in the link's client coordinates and
    /// replaces the hit region. `background` fills the open ring.
    void Paint(QPainter& canvas, const QColor& background);
    /// Asks the pane to repaint the link's rectangle.
    void Invalidate() const;

private:
    void BuildMenu();
    QAction* AddEntry(const QString& name, const QString& caption, bool enabled);
    void Reattach(QPointer<TSchemaItem>& end, TSchemaItem* value);

    QPointer<TSchemaDesignArea> FDesigner;
    QPointer<TSchemaItem> FParentItem;
    QPointer<TSchemaItem> FChildItem;
    QPointer<TSchemaSubItem> FParentSubItem;
    QPointer<TSchemaSubItem> FChildSubItem;
    TSDRelationOperator FJoinOperator = roEqual;
    TSDRelationJoin FJoinType = rjInner;
    TSDRelationType FRelationType = rtNormal;
    int FLnkX = 0;
    int FLnkY = 0;
    RelationGeometry::Quad FRgn;
    std::unique_ptr<QMenu> FPopMenu;
    QAction* FNameEntry = nullptr;
    bool FMouseDown = false;
    TColor FColor = clBlack;
    QRect FBounds{0, 0, 105, 105};
    bool FVisible = false;
};

} // namespace schemakit
