#include "ControlDrag.h"

#include "ErrorBoundary.h"

#include <QAbstractItemView>
#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>

namespace schemakit {

TControlMimeData::TControlMimeData(QWidget* source) : FSource(source)
{
    // The format is what other applications see; the control itself never
    // leaves the process.
    setData(QString::fromLatin1(kFormat), QByteArray());
}

QWidget* DragSource(const QMimeData* data)
{
    const auto* ours = qobject_cast<const TControlMimeData*>(data);
    return ours ? ours->Source() : nullptr;
}

TControlDragTarget::TControlDragTarget(QAbstractItemView& view) : FView(view)
{
    FView.setDragEnabled(true);
    FView.setAcceptDrops(true);
    FView.viewport()->setAcceptDrops(true);
    FView.setDragDropMode(QAbstractItemView::DragDrop);
    FView.setDropIndicatorShown(false);
}

void TControlDragTarget::StartDrag()
{
    auto* drag = new QDrag(&FView);
    drag->setMimeData(new TControlMimeData(&FView));
    drag->exec(Qt::LinkAction | Qt::CopyAction, Qt::LinkAction);
}

bool TControlDragTarget::Accepts(QObject* source, QPoint pos, Qt::DropAction state)
{
    bool accept = false;
    if (source && OnDragOver)
        Guarded(&FView, [&] { OnDragOver(&FView, source, pos.x(), pos.y(), state, accept); });
    return accept;
}

void TControlDragTarget::DragMove(QDragMoveEvent* event)
{
    if (Accepts(DragSource(event->mimeData()), event->position().toPoint(), event->dropAction())) {
        event->setDropAction(Qt::LinkAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TControlDragTarget::Drop(QDropEvent* event)
{
    QWidget* source = DragSource(event->mimeData());
    const QPoint pos = event->position().toPoint();
    if (!Accepts(source, pos, event->dropAction())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::LinkAction);
    event->accept();
    if (OnDragDrop)
        Guarded(&FView, [&] { OnDragDrop(&FView, source, pos.x(), pos.y()); });
}

} // namespace schemakit
