#include "ScrollBox.h"

#include "ErrorBoundary.h"
#include "Raise.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScopedValueRollback>
#include <QScrollBar>

namespace schemakit {

TScrollBox::TScrollBox(QWidget* parent) : QAbstractScrollArea(parent)
{
    viewport()->setAutoFillBackground(true);
    horizontalScrollBar()->setSingleStep(8);
    verticalScrollBar()->setSingleStep(8);
    ApplyColor();
}

TScrollBox::~TScrollBox()
{
    emit destroying(this);
    // What is still listed goes with the viewport; its destruction must not
    // reach back into a scroll box that is no longer whole.
    for (QObject* c : std::as_const(FControls)) {
        disconnect(c, &QObject::destroyed, this, nullptr);
        c->removeEventFilter(this);
    }
    FControls.clear();
    FListed.clear();
    FWindowlessCount = 0;
}

QObject* TScrollBox::Controls(int index) const
{
    return index >= 0 && index < ControlCount() ? FControls[index] : nullptr;
}

int TScrollBox::IndexOfControl(const QObject* control) const
{
    // From the end: what is looked up or removed is mostly what came last.
    return int(FControls.lastIndexOf(const_cast<QObject*>(control)));
}

void TScrollBox::InsertControl(QObject* control)
{
    // A child is listed once; the set answers that without a search of the list.
    if (!control || FListed.contains(control))
        return;
    FListed.insert(control);
    connect(control, &QObject::destroyed, this, [this](QObject* gone) { Forget(gone); });
    if (control->isWidgetType()) {
        FControls.append(control);
        control->installEventFilter(this);
        ScheduleScrollRangeUpdate();
    } else {
        FControls.insert(FWindowlessCount++, control);
    }
}

void TScrollBox::RemoveControl(QObject* control)
{
    if (!control || !FListed.contains(control))
        return;
    disconnect(control, &QObject::destroyed, this, nullptr);
    control->removeEventFilter(this);
    Forget(control);
}

void TScrollBox::Forget(QObject* control)
{
    // Also reached from a child's destroyed(), when only its QObject part is
    // left: nothing here may look at it as more than a pointer.
    if (!FListed.remove(control))
        return;
    const qsizetype i = IndexOfControl(control);
    FControls.removeAt(i);
    if (i < FWindowlessCount)
        --FWindowlessCount;
    else
        ScheduleScrollRangeUpdate();
}

void TScrollBox::SetColor(TColor color)
{
    if (color == FColor)
        return;
    FColor = color;
    ApplyColor();
}

void TScrollBox::ApplyColor()
{
    // The viewport fills itself with its background role (Base for a scroll
    // area); Window is what exports and children read as the colour.
    const QColor color = ColorToQColor(FColor);
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Window, color);
    pal.setColor(viewport()->backgroundRole(), color);
    viewport()->setPalette(pal);
    viewport()->update();
}

QPoint TScrollBox::ScrollOffset() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

QRect TScrollBox::ContentRect() const
{
    QRect r;
    for (qsizetype i = FWindowlessCount; i < FControls.size(); ++i) {
        const auto* w = static_cast<const QWidget*>(FControls[i]);
        if (!w->isHidden() && !w->property(kDockedProperty).toBool())
            r |= w->geometry();
    }
    return r.translated(ScrollOffset());
}

void TScrollBox::UpdateScrollRange()
{
    FRangeUpdatePending = false;
    const QRect content = ContentRect();
    const QSize view = viewport()->size();
    const int hmax = std::max(0, content.isEmpty() ? 0 : content.right() + 1 - view.width());
    const int vmax = std::max(0, content.isEmpty() ? 0 : content.bottom() + 1 - view.height());
    horizontalScrollBar()->setPageStep(std::max(1, view.width()));
    verticalScrollBar()->setPageStep(std::max(1, view.height()));
    horizontalScrollBar()->setRange(0, hmax);
    verticalScrollBar()->setRange(0, vmax);
}

void TScrollBox::ScheduleScrollRangeUpdate()
{
    if (FRangeUpdatePending)
        return;
    FRangeUpdatePending = true;
    // One recomputation after a burst of child changes keeps adding many boxes
    // linear in their number.
    QCoreApplication::postEvent(this, new QEvent(QEvent::LayoutRequest));
}

void TScrollBox::scrollContentsBy(int dx, int dy)
{
    {
        const QScopedValueRollback scrolling(FScrolling, true);
        viewport()->scroll(dx, dy);
    }
    const QScopedValueRollback shift(FScrollShift, QPoint(dx, dy));
    Scrolled();
}

bool TScrollBox::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        if (watched->parent() == viewport())
            ScheduleScrollRangeUpdate();
        break;
    default: break;
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

bool TScrollBox::event(QEvent* event)
{
    // Our own request is answered here: passed on, it would make the scroll
    // area lay out and repaint both scroll bars after every move of a box. The
    // bars follow a change of range by themselves.
    if (event->type() == QEvent::LayoutRequest && FRangeUpdatePending) {
        UpdateScrollRange();
        return true;
    }
    return QAbstractScrollArea::event(event);
}

QMenu* TScrollBox::PopupMenu() const
{
    return FPopupMenu;
}

void TScrollBox::SetPopupMenu(QMenu* menu)
{
    FPopupMenu = menu;
}

void TScrollBox::keyPressEvent(QKeyEvent* event)
{
    int key = event->key();
    bool alive = true;
    Guarded(this, [&] { alive = Raise(this, OnKeyDown, &TScrollBox::keyDown, this, key, event->modifiers()); });
    if (!alive || key == 0)
        return;
    if (!event->text().isEmpty()) {
        QChar ch = event->text().front();
        Guarded(this, [&] { alive = Raise(this, OnKeyPress, &TScrollBox::keyPressed, this, ch); });
        if (!alive || ch.isNull())
            return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void TScrollBox::keyReleaseEvent(QKeyEvent* event)
{
    int key = event->key();
    bool alive = true;
    Guarded(this, [&] { alive = Raise(this, OnKeyUp, &TScrollBox::keyUp, this, key, event->modifiers()); });
    if (alive && key != 0)
        QAbstractScrollArea::keyReleaseEvent(event);
}

void TScrollBox::contextMenuEvent(QContextMenuEvent* event)
{
    if (FPopupMenu) {
        FPopupMenu->popup(event->globalPos());
        event->accept();
        return;
    }
    QAbstractScrollArea::contextMenuEvent(event);
}

void TScrollBox::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRange();
}

} // namespace schemakit
