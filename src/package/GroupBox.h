#pragma once

#include <QGroupBox>

namespace schemakit {

// A group box with the classic face the form layouts were measured for: an
// etched frame whose top line runs through the middle of the caption, the
// caption 8 pixels in. Qt styles that put the caption above the frame would push
// the frame into controls placed just under the caption.
class TGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TGroupBox(QWidget* parent = nullptr);
    explicit TGroupBox(const QString& title, QWidget* parent = nullptr);
    ~TGroupBox() override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace schemakit
