#include "SchemaShapes.h"

#include <QPainter>

namespace schemakit {

TSchemaText::TSchemaText(QWidget* parent) : QWidget(parent)
{
    // Mouse presses reach the box, which lets a shape be dragged from anywhere.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(64, 32);
}

TSchemaText::~TSchemaText() = default;

void TSchemaText::SetText(const QString& text)
{
    if (text == FText)
        return;
    FText = text;
    update();
}

int TSchemaText::TextWidth(const QString& text) const
{
    return fontMetrics().horizontalAdvance(text);
}

void TSchemaText::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, FText);
}

TSchemaIcon::TSchemaIcon(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(32, 32);
}

TSchemaIcon::~TSchemaIcon() = default;

void TSchemaIcon::SetPicture(const QPixmap& picture)
{
    FPicture = picture;
    update();
}

void TSchemaIcon::SetIconType(TSCIconType value)
{
    if (value == FIconType)
        return;
    FIconType = value;
    update();
}

void TSchemaIcon::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!FPicture.isNull())
        p.drawPixmap(0, 0, FPicture);
}

} // namespace schemakit
