#include "DiagramAccessibility.h"

#include "SchemaDesignArea.h"
#include "SchemaItem.h"
#include "SchemaRelation.h"
#include "SchemaSubItem.h"

#include "../engines/SqlDialect.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <mutex>

namespace schemakit {

// --- texts -------------------------------------------------------------------------

QString ItemAccessibleDescription(TSchemaControlType kind, int rowCount)
{
    // The singular has a text of its own, so that English reads right without a
    // translation loaded; translations give the plural forms of the other.
    switch (kind) {
    case scListBox:
    case scCheckListBox:
        return rowCount == 1 ? TSchemaItem::tr("Table, 1 field")
                             : TSchemaItem::tr("Table, %n fields", nullptr, rowCount);
    case scTreeView:
        return rowCount == 1 ? TSchemaItem::tr("Tree, 1 node") : TSchemaItem::tr("Tree, %n nodes", nullptr, rowCount);
    case scText: return TSchemaItem::tr("Text");
    case scIcon: return TSchemaItem::tr("Picture");
    }
    return QString();
}

namespace {

QString EndText(const TSchemaItem* box, const TSchemaSubItem* row)
{
    const QString boxText = box ? box->Caption() : QString();
    const QString rowText = row ? row->Caption() : QString();
    return boxText + QLatin1Char('.') + rowText;
}

} // namespace

QString RelationAccessibleName(const TSchemaRelation& link)
{
    const auto op = std::size_t(link.JoinOperator());
    const QString opText = op < SQLOperatorTexts.size() ? SQLOperatorTexts[op].toString() : QStringLiteral("?");
    return EndText(link.ParentItem(), link.ParentSubItem()) + QLatin1Char(' ') + opText + QLatin1Char(' ') +
           EndText(link.ChildItem(), link.ChildSubItem());
}

QString RelationAccessibleDescription(const TSchemaRelation& link)
{
    switch (link.JoinType()) {
    case rjInner: return TSchemaRelation::tr("Inner join");
    case rjLeftOuter: return TSchemaRelation::tr("Left outer join");
    case rjRightOuter: return TSchemaRelation::tr("Right outer join");
    case rjFull: return TSchemaRelation::tr("Full outer join");
    }
    return QString();
}

void NotifyAccessibility(QObject* object, QAccessible::Event event)
{
    if (!object || !QAccessible::isActive())
        return;
    QAccessibleEvent e(object, event);
    QAccessible::updateAccessibility(&e);
}

namespace {

// The links of a pane are its windowless children; other windowless elements,
// should an application put any there, are not listed.
int LinkCount(const TSchemaDesignArea& pane)
{
    int n = 0;
    for (int i = 0; i < pane.WindowlessCount(); ++i)
        n += qobject_cast<TSchemaRelation*>(pane.Controls(i)) ? 1 : 0;
    return n;
}

TSchemaRelation* LinkAt(const TSchemaDesignArea& pane, int index)
{
    for (int i = 0; i < pane.WindowlessCount() && index >= 0; ++i) {
        if (auto* link = qobject_cast<TSchemaRelation*>(pane.Controls(i)); link && index-- == 0)
            return link;
    }
    return nullptr;
}

int IndexOfLink(const TSchemaDesignArea& pane, const TSchemaRelation* link)
{
    int n = 0;
    for (int i = 0; i < pane.WindowlessCount(); ++i) {
        auto* other = qobject_cast<TSchemaRelation*>(pane.Controls(i));
        if (other == link)
            return n;
        n += other ? 1 : 0;
    }
    return -1;
}

// The pane: its child widgets (the viewport with the boxes, the scroll bars) as
// Qt lists them, then its links. Nothing is kept: every question reads the
// pane's child list afresh, so a link that goes is simply no longer there.
class TDesignAreaAccessible : public QAccessibleWidget {
public:
    explicit TDesignAreaAccessible(TSchemaDesignArea* pane) : QAccessibleWidget(pane, QAccessible::Pane) {}

    int childCount() const override
    {
        const TSchemaDesignArea* pane = Pane();
        return WidgetCount() + (pane ? LinkCount(*pane) : 0);
    }

    QAccessibleInterface* child(int index) const override
    {
        const int widgets = WidgetCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        const TSchemaDesignArea* pane = Pane();
        TSchemaRelation* link = pane ? LinkAt(*pane, index - widgets) : nullptr;
        return link ? QAccessible::queryAccessibleInterface(link) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        auto* link = child ? qobject_cast<TSchemaRelation*>(child->object()) : nullptr;
        if (!link)
            return QAccessibleWidget::indexOfChild(child);
        const TSchemaDesignArea* pane = Pane();
        const int i = pane ? IndexOfLink(*pane, link) : -1;
        return i < 0 ? -1 : WidgetCount() + i;
    }

private:
    // Null once the pane's own part is gone, while its base classes still
    // free the boxes.
    TSchemaDesignArea* Pane() const { return qobject_cast<TSchemaDesignArea*>(widget()); }
    int WidgetCount() const { return QAccessibleWidget::childCount(); }
};

// One link. It looks its link up through a guarded pointer on every question
// and reports itself invalid once the link is gone; Qt frees the interface
// when the link is destroyed.
class TRelationAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit TRelationAccessible(TSchemaRelation* link) : FLink(link) {}

    bool isValid() const override { return FLink && FLink->Designer(); }
    QObject* object() const override { return FLink; }
    QWindow* window() const override
    {
        QAccessibleInterface* p = parent();
        return p ? p->window() : nullptr;
    }

    QAccessibleInterface* parent() const override
    {
        TSchemaDesignArea* pane = FLink ? FLink->Designer() : nullptr;
        return pane ? QAccessible::queryAccessibleInterface(pane) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!FLink)
            return QString();
        switch (t) {
        case QAccessible::Name: return RelationAccessibleName(*FLink);
        case QAccessible::Description: return RelationAccessibleDescription(*FLink);
        default: return QString();
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        TSchemaDesignArea* pane = FLink ? FLink->Designer() : nullptr;
        if (!pane)
            return QRect();
        const QRect& bounds = FLink->BoundsRect();
        return QRect(pane->viewport()->mapToGlobal(bounds.topLeft()), bounds.size());
    }
    QAccessible::Role role() const override { return QAccessible::Link; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        TSchemaDesignArea* pane = FLink ? FLink->Designer() : nullptr;
        if (!pane) {
            s.invalid = true;
            return s;
        }
        if (!FLink->Visible() || !pane->isVisible())
            s.invisible = true;
        else if (!pane->viewport()->rect().intersects(FLink->BoundsRect()))
            s.offscreen = true;
        s.hasPopup = true;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    // The link's popup menu, which a mouse opens on the line, is the only way
    // to edit or delete a link; a keyboard reaches it through this action.
    QStringList actionNames() const override
    {
        const TSchemaDesignArea* pane = FLink ? FLink->Designer() : nullptr;
        return pane && !pane->ReadOnly() ? QStringList{showMenuAction()} : QStringList();
    }
    void doAction(const QString& name) override
    {
        if (FLink && name == showMenuAction())
            FLink->PopupAt(QRect(QPoint(), FLink->BoundsRect().size()).center());
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TSchemaRelation> FLink;
};

QAccessibleInterface* DiagramAccessibleFactory(const QString&, QObject* object)
{
    if (auto* link = qobject_cast<TSchemaRelation*>(object))
        return new TRelationAccessible(link);
    if (auto* pane = qobject_cast<TSchemaDesignArea*>(object))
        return new TDesignAreaAccessible(pane);
    return nullptr;
}

} // namespace

void InstallDiagramAccessibility()
{
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(&DiagramAccessibleFactory); });
}

} // namespace schemakit
