#pragma once

#include <schemakit/schemakit_export.h>

#include <QGroupBox>

namespace schemakit {

/// A group box with the classic face the form layouts were measured for: an
/// etched frame whose top line runs through the middle of the caption, the
/// caption 8 pixels in. Qt styles that put the caption above the frame would push
/// the frame into controls placed just under the caption.
class SCHEMAKIT_EXPORT TGroupBox : public QGroupBox {
    Q_OBJECT
public:
    /// A group box without a caption.
    explicit TGroupBox(QWidget* parent = nullptr);
    /// A group box with the caption `title`.
    explicit TGroupBox(const QString& title, QWidget* parent = nullptr);
    ~TGroupBox() override;

protected:
    /// Draws the etched frame and the caption standing on the background across its top line.
    void paintEvent(QPaintEvent* event) override;
};

} // namespace schemakit
