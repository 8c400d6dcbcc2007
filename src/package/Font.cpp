#include "Font.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace schemakit {

QFont TFont::ToQFont() const
{
    QFont f(Name);
    f.setPointSize(Size > 0 ? Size : 8);
    f.setBold(Style.Contains(fsBold));
    f.setItalic(Style.Contains(fsItalic));
    f.setUnderline(Style.Contains(fsUnderline));
    f.setStrikeOut(Style.Contains(fsStrikeOut));
    return f;
}

TFont TFont::FromQFont(const QFont& font, TColor color, int charset)
{
    TFont r;
    r.Name = font.family();
    r.Charset = charset;
    r.Color = color;
    if (font.pointSize() > 0) {
        r.Size = font.pointSize();
    } else {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const qreal dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
        r.Size = int(std::lround(font.pixelSize() * 72.0 / dpi));
    }
    if (font.bold())
        r.Style.Include(fsBold);
    if (font.italic())
        r.Style.Include(fsItalic);
    if (font.underline())
        r.Style.Include(fsUnderline);
    if (font.strikeOut())
        r.Style.Include(fsStrikeOut);
    return r;
}

} // namespace schemakit
