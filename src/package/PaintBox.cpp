#include "PaintBox.h"

#include "ErrorBoundary.h"

#include <QMouseEvent>
#include <QPainter>

namespace schemakit {

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent)
{
}

void TPaintBox::paintEvent(QPaintEvent*)
{
    if (!OnPaint)
        return;
    QPainter canvas(this);
    Guarded(this, [&] { OnPaint(this, canvas); });
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (!OnMouseUp)
        return;
    const QPoint at = event->position().toPoint();
    Guarded(this, [&] { OnMouseUp(this, event->button(), event->modifiers(), at.x(), at.y()); });
}

} // namespace schemakit
