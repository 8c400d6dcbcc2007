#include "ImageList.h"

#include <QIcon>
#include <QPainter>

namespace schemakit {

TImageList::TImageList(QObject* owner, int width, int height)
    : QObject(owner), FWidth(qMax(1, width)), FHeight(qMax(1, height))
{
}

TImageList::~TImageList() = default;

void TImageList::SetSize(int width, int height)
{
    width = qMax(1, width);
    height = qMax(1, height);
    if (width == FWidth && height == FHeight)
        return;
    FWidth = width;
    FHeight = height;
    FImages.clear();
    emit Changed();
}

int TImageList::Add(const QPixmap& image)
{
    QPixmap p = image;
    if (!p.isNull() && (p.width() != FWidth || p.height() != FHeight))
        p = p.scaled(FWidth, FHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    FImages.append(p);
    emit Changed();
    return Count() - 1;
}

int TImageList::AddStrip(const QPixmap& strip)
{
    const int n = strip.width() / FWidth;
    if (n <= 0)
        return -1;
    const int first = Count();
    for (int i = 0; i < n; ++i)
        FImages.append(strip.copy(i * FWidth, 0, FWidth, qMin(FHeight, strip.height())));
    emit Changed();
    return first;
}

void TImageList::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    FImages.removeAt(index);
    emit Changed();
}

void TImageList::Clear()
{
    if (FImages.isEmpty())
        return;
    FImages.clear();
    emit Changed();
}

QPixmap TImageList::Image(int index) const
{
    return index >= 0 && index < Count() ? FImages[index] : QPixmap();
}

void TImageList::Draw(QPainter& painter, int x, int y, int index, bool enabled) const
{
    if (index < 0 || index >= Count())
        return;
    const QPixmap& p = FImages[index];
    if (enabled)
        painter.drawPixmap(x, y, p);
    else
        painter.drawPixmap(x, y, QIcon(p).pixmap(p.size(), QIcon::Disabled));
}

} // namespace schemakit
