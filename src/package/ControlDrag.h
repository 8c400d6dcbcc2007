#pragma once

#include <schemakit/schemakit_export.h>

#include <QMimeData>
#include <QPointer>
#include <QWidget>

#include <functional>

class QAbstractItemView;
class QDragMoveEvent;
class QDropEvent;

namespace schemakit {

/// Drag and drop between the controls of one process: the drag carries the
/// control it started from, as the component framework's drags do. The source
/// is held weakly, so a control freed during the drag is simply no source.
class SCHEMAKIT_EXPORT TControlMimeData : public QMimeData {
    Q_OBJECT
public:
    /// The MIME type such a drag offers (with empty data) to other applications.
    static constexpr const char* kFormat = "application/x-schemakit-control";

    /// Drag data carrying `source`.
    explicit TControlMimeData(QWidget* source);
    /// The control the drag started from, or null when it has been freed.
    QWidget* Source() const { return FSource; }

private:
    QPointer<QWidget> FSource;
};

/// The control a drag carries, or null for a drag from anywhere else.
SCHEMAKIT_EXPORT QWidget* DragSource(const QMimeData* data);

// Handlers of a drop target, as the framework names them: whether a drag from
// Source may be dropped at (X, Y) of the target's client area, and the drop.

/// Asks whether a drag from `Source` may be dropped at (X, Y) of the target's
/// client area; setting `Accept` allows it.
using TDragOverEvent =
    std::function<void(QObject* Sender, QObject* Source, int X, int Y, Qt::DropAction State, bool& Accept)>;
/// Tells that a drag from `Source` was dropped at (X, Y) of the target's client area.
using TDragDropEvent = std::function<void(QObject* Sender, QObject* Source, int X, int Y)>;

/// The drag-and-drop plumbing an item view shares: it starts a drag carrying
/// itself, asks OnDragOver while a drag moves over it and calls OnDragDrop on a
/// drop it accepted. Both handlers run under the error boundary.
class SCHEMAKIT_EXPORT TControlDragTarget {
public:
    /// Plumbing for `view`, which it enables for dragging and dropping.
    explicit TControlDragTarget(QAbstractItemView& view);

    TDragOverEvent OnDragOver; ///< Decides whether a drag may drop; without it nothing is accepted.
    TDragDropEvent OnDragDrop; ///< Raised on an accepted drop.

    /// Starts a drag carrying the view (as a link or copy); returns when it ends.
    void StartDrag();
    /// Accepts or ignores a drag moving over the view, as OnDragOver decides.
    void DragMove(QDragMoveEvent* event);
    /// Asks OnDragOver once more and, when it accepts, raises OnDragDrop.
    void Drop(QDropEvent* event);

private:
    bool Accepts(QObject* source, QPoint pos, Qt::DropAction state);

    QAbstractItemView& FView;
};

} // namespace schemakit
