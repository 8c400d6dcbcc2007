#pragma once

#include <schemakit/schemakit_export.h>

#include <QWidget>

#include <functional>

namespace schemakit {

/// A control that draws nothing of its own: OnPaint draws it, and mouse
/// releases are reported in its client coordinates.
class SCHEMAKIT_EXPORT TPaintBox : public QWidget {
    Q_OBJECT
public:
    /// An event that draws the control on `Canvas`.
    using TPaintEvent = std::function<void(QObject* Sender, QPainter& Canvas)>;
    /// An event about a mouse button, with the modifier keys and the point in client coordinates.
    using TMouseEvent =
        std::function<void(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)>;

    /// An empty control.
    explicit TPaintBox(QWidget* parent = nullptr);

    TPaintEvent OnPaint;   ///< Draws the control; without it nothing is drawn.
    TMouseEvent OnMouseUp; ///< Raised when a mouse button is released over the control.

protected:
    /// Raises OnPaint with a painter on the control (under the error boundary).
    void paintEvent(QPaintEvent* event) override;
    /// Raises OnMouseUp (under the error boundary).
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace schemakit
