#include "SchemaRelation.h"

#include "DiagramAccessibility.h"
#include "RelationDialog.h"
#include "SchemaDesignArea.h"
#include "SchemaItem.h"
#include "SchemaSubItem.h"

#include "../package/ErrorBoundary.h"
#include "../package/SchmCnst.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QPolygon>

namespace schemakit {

// The ends are held weakly: a freed box or row reads as null here.
TSchemaItem* TSchemaRelation::ParentItem() const noexcept { return FParentItem; }
TSchemaItem* TSchemaRelation::ChildItem() const noexcept { return FChildItem; }
TSchemaSubItem* TSchemaRelation::ParentSubItem() const noexcept { return FParentSubItem; }
TSchemaSubItem* TSchemaRelation::ChildSubItem() const noexcept { return FChildSubItem; }
void TSchemaRelation::SetParentSubItem(TSchemaSubItem* value) { FParentSubItem = value; }
void TSchemaRelation::SetChildSubItem(TSchemaSubItem* value) { FChildSubItem = value; }

using namespace RelationGeometry;

TSchemaRelation::TSchemaRelation(TSchemaDesignArea* owner) : QObject(owner), FDesigner(owner), FRgn(InitialHitBand())
{
    BuildMenu();
}

TSchemaRelation::~TSchemaRelation()
{
    NotifyAccessibility(this, QAccessible::ObjectDestroyed);
    // Off the boxes' link lists and the pane's child list first, so that nothing
    // the menu's end raises finds the link half gone.
    Reattach(FParentItem, nullptr);
    Reattach(FChildItem, nullptr);
    if (FDesigner) {
        Invalidate();
        FDesigner->RemoveControl(this);
    }
}

TSchemaDesignArea* TSchemaRelation::Designer() const
{
    return FDesigner;
}

// --- menu ----------------------------------------------------------------------------

QAction* TSchemaRelation::AddEntry(const QString& name, const QString& caption, bool enabled)
{
    auto* entry = new QAction(caption, this); // owned by the link: commands find it there
    entry->setObjectName(name);
    entry->setEnabled(enabled);
    FPopMenu->addAction(entry);
    return entry;
}

void TSchemaRelation::BuildMenu()
{
    FPopMenu = std::make_unique<QMenu>();
    FPopMenu->setObjectName(QStringLiteral("mnu"));
    const TZBSActions actions = FDesigner ? FDesigner->Actions() : TZBSActions{};
    FNameEntry = AddEntry(QStringLiteral("mnuRelationName"), QString(), false);
    FPopMenu->addSeparator();
    QAction* options = AddEntry(QStringLiteral("mnuOptions"), sEditRelation.Text(), actions.Contains(saEditRelation));
    QAction* remove =
        AddEntry(QStringLiteral("mnuDeleteRelation"), sDeleteRelation.Text(), actions.Contains(saDeleteReleation));
    FPopMenu->addSeparator();
    QAction* color = AddEntry(QStringLiteral("mnuColorRelation"), sChangeBackground.Text(), true);

    // The commands run once the menu has finished with the chosen entry: deleting
    // the link frees the menu, which must not happen inside its own signal.
    connect(
        options, &QAction::triggered, this, [this, options] { Guarded(nullptr, [&] { EditRelation(options); }); },
        Qt::QueuedConnection);
    connect(
        remove, &QAction::triggered, this,
        [this, remove] {
            if (TSchemaDesignArea* pane = FDesigner)
                Guarded(pane, [&] { pane->DeleteRelation(remove); });
        },
        Qt::QueuedConnection);
    connect(
        color, &QAction::triggered, this,
        [this, color] {
            if (TSchemaDesignArea* pane = FDesigner)
                Guarded(pane, [&] { pane->ChangeBackground(color); });
        },
        Qt::QueuedConnection);
    // The pressed look ends with the menu that the press opened.
    connect(FPopMenu.get(), &QMenu::aboutToHide, this, [this] { MouseUp(); });
}

QString TSchemaRelation::Name() const
{
    return FNameEntry->text();
}

void TSchemaRelation::SetName(const QString& name)
{
    if (FNameEntry->text() != name)
        FNameEntry->setText(name);
}

void TSchemaRelation::PopupAt(QPoint clientPoint)
{
    if (!FDesigner || FDesigner->ReadOnly())
        return;
    QWidget* surface = FDesigner->viewport();
    FPopMenu->popup(surface->mapToGlobal(clientPoint + FBounds.topLeft()));
}

void TSchemaRelation::ButtonPressed(QPoint clientPoint)
{
    if (!HitTest(clientPoint))
        return;
    PopupAt(clientPoint);
    MouseDown();
}

void TSchemaRelation::EditRelation(QObject*)
{
    auto caption = [](const QObject* o) -> QString {
        if (const auto* box = qobject_cast<const TSchemaItem*>(o))
            return box->Caption();
        if (const auto* row = qobject_cast<const TSchemaSubItem*>(o))
            return row->Caption();
        return {};
    };
    TSDRelationOperator op = FJoinOperator;
    TSDRelationJoin join = FJoinType;
    if (EditRelationValues(caption(FParentItem), caption(FParentSubItem), caption(FChildItem), caption(FChildSubItem),
                           op, join)) {
        FJoinOperator = op;
        FJoinType = join;
    }
}

// --- ends -----------------------------------------------------------------------------

void TSchemaRelation::Reattach(QPointer<TSchemaItem>& end, TSchemaItem* value)
{
    TSchemaItem* old = end;
    if (old == value)
        return;
    end = value;
    // A box lists each of its links once, also a link from the box to itself.
    if (old && old != FParentItem && old != FChildItem)
        old->ForgetRelation(this);
    if (value)
        value->RememberRelation(this);
}

void TSchemaRelation::ForgetEnd(const TSchemaItem* box)
{
    if (box && FParentItem == box) {
        FParentItem = nullptr;
        FParentSubItem = nullptr;
    }
    if (box && FChildItem == box) {
        FChildItem = nullptr;
        FChildSubItem = nullptr;
    }
}

void TSchemaRelation::SetParentItem(TSchemaItem* value)
{
    Reattach(FParentItem, value);
}

void TSchemaRelation::SetChildItem(TSchemaItem* value)
{
    Reattach(FChildItem, value);
}

// --- state ------------------------------------------------------------------------------

void TSchemaRelation::SetColor(TColor value)
{
    if (value == FColor)
        return;
    FColor = value;
    FMouseDown = false;
    Invalidate();
}

bool TSchemaRelation::SetLayoutCodes(int lnkX, int lnkY) noexcept
{
    const bool changed = lnkX != FLnkX || lnkY != FLnkY;
    FLnkX = lnkX;
    FLnkY = lnkY;
    return changed;
}

void TSchemaRelation::SetBounds(const QRect& bounds)
{
    if (bounds == FBounds)
        return;
    // One rectangle over both places: a link that moves a little would otherwise
    // add two overlapping rectangles, and the more a repaint region is cut up,
    // the dearer everything painted into it gets.
    const QRect both = FBounds.united(bounds);
    FBounds = bounds;
    if (FDesigner && FVisible) {
        FDesigner->viewport()->update(both);
        NotifyAccessibility(this, QAccessible::LocationChanged);
    }
}

void TSchemaRelation::SetVisible(bool value)
{
    if (value == FVisible)
        return;
    FVisible = value;
    if (FDesigner) {
        FDesigner->viewport()->update(FBounds);
        NotifyAccessibility(this, value ? QAccessible::ObjectShow : QAccessible::ObjectHide);
    }
}

void TSchemaRelation::MouseDown()
{
    if (FMouseDown)
        return;
    FMouseDown = true;
    Invalidate();
}

void TSchemaRelation::MouseUp()
{
    if (!FMouseDown)
        return;
    FMouseDown = false;
    Invalidate();
}

void TSchemaRelation::Invalidate() const
{
    if (FDesigner && FVisible)
        FDesigner->viewport()->update(FBounds);
}

// --- hit testing ------------------------------------------------------------------------

bool TSchemaRelation::HitTest(QPoint clientPoint) const
{
    return ContainsOddEven(FRgn, clientPoint);
}

TSchemaRelation* TSchemaRelation::ControlAtPos(QPoint clientPoint) const
{
    if (!FDesigner)
        return nullptr;
    const QPoint onPane = clientPoint + FBounds.topLeft();
    for (int i = FDesigner->ControlCount() - 1; i >= 0; --i) {
        auto* other = qobject_cast<TSchemaRelation*>(FDesigner->Controls(i));
        if (other && other != this && other->HitTest(onPane - other->FBounds.topLeft()))
            return other;
    }
    return nullptr;
}

// --- painting -----------------------------------------------------------------------------

void TSchemaRelation::Paint(QPainter& canvas, const QColor& background)
{
    const bool selfLink = FParentItem && FParentItem == FChildItem;
    const Layout layout = LayoutFor(FLnkX, FLnkY, selfLink, FBounds.width(), FBounds.height());
    if (layout.kind == LinkCase::None)
        return;
    const QColor line = FMouseDown ? QColor(192, 192, 192) : ColorToQColor(FColor);
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setPen(QPen(line, 1, FRelationType == rtNonIdentifying ? Qt::DotLine : Qt::SolidLine));
    canvas.setBrush(Qt::NoBrush);
    canvas.drawPolyline(layout.line.data(), int(layout.line.size()));
    // The marks are circles whose boxes run from the corner 7 pixels on; a pen
    // drawing a rectangle's outline covers one pixel more, hence the 6.
    canvas.setBrush(background);
    canvas.drawEllipse(QRect(layout.openMark, QSize(kMarkSize - 1, kMarkSize - 1)));
    canvas.setBrush(ColorToQColor(FColor));
    canvas.drawEllipse(QRect(layout.filledMark, QSize(kMarkSize - 1, kMarkSize - 1)));
    canvas.restore();
    if (const auto band = HitBand(layout))
        FRgn = *band;
}

} // namespace schemakit
