#pragma once

#include <QWidget>

#include <functional>

namespace schemakit {

// A control that draws nothing of its own: OnPaint draws it, and mouse
// releases are reported in its client coordinates.
class TPaintBox : public QWidget {
    Q_OBJECT
public:
    using TPaintEvent = std::function<void(QObject* Sender, QPainter& Canvas)>;
    using TMouseEvent =
        std::function<void(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)>;

    explicit TPaintBox(QWidget* parent = nullptr);

    TPaintEvent OnPaint;
    TMouseEvent OnMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace schemakit
