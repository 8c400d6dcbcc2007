#include "GroupBox.h"

#include <qdrawutil.h>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

namespace schemakit {

TGroupBox::TGroupBox(QWidget* parent) : QGroupBox(parent)
{
}

TGroupBox::TGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent)
{
}

TGroupBox::~TGroupBox() = default;

void TGroupBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int textHeight = metrics.height();
    qDrawShadeRect(&painter, rect().adjusted(0, textHeight / 2 - 1, 0, 0), palette(), true, 1, 0);
    const QString text = title();
    if (text.isEmpty())
        return;
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic;
    const QRect textRect = metrics.boundingRect(QRect(8, 0, width() - 16, textHeight), flags, text);
    // The caption stands on the background, cutting the frame's top line.
    painter.fillRect(textRect, palette().window());
    style()->drawItemText(&painter, textRect, flags, palette(), isEnabled(), text, QPalette::WindowText);
}

} // namespace schemakit
