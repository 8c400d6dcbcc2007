#pragma once

#include <QMimeData>
#include <QPointer>

#include <functional>

class QAbstractItemView;
class QDragMoveEvent;
class QDropEvent;
class QWidget;

namespace schemakit {

// Drag and drop between the controls of one process: the drag carries the
// control it started from, as the component framework's drags do. The source
// is held weakly, so a control freed during the drag is simply no source.
class TControlMimeData : public QMimeData {
    Q_OBJECT
public:
    static constexpr const char* kFormat = "application/x-schemakit-control";

    explicit TControlMimeData(QWidget* source);
    QWidget* Source() const { return FSource; }

private:
    QPointer<QWidget> FSource;
};

// The control a drag carries, or null for a drag from anywhere else.
QWidget* DragSource(const QMimeData* data);

// Handlers of a drop target, as the framework names them: whether a drag from
// Source may be dropped at (X, Y) of the target's client area, and the drop.
using TDragOverEvent =
    std::function<void(QObject* Sender, QObject* Source, int X, int Y, Qt::DropAction State, bool& Accept)>;
using TDragDropEvent = std::function<void(QObject* Sender, QObject* Source, int X, int Y)>;

// The drag-and-drop plumbing an item view shares: it starts a drag carrying
// itself, asks OnDragOver while a drag moves over it and calls OnDragDrop on a
// drop it accepted. Both handlers run under the error boundary.
class TControlDragTarget {
public:
    explicit TControlDragTarget(QAbstractItemView& view);

    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;

    void StartDrag();
    void DragMove(QDragMoveEvent* event);
    void Drop(QDropEvent* event);

private:
    bool Accepts(QObject* source, QPoint pos, Qt::DropAction state);

    QAbstractItemView& FView;
};

} // namespace schemakit
