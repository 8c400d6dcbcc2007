#include "TextWidthCache.h"

#include <QFontMetrics>
#include <QWidget>

#include <map>

namespace schemakit {

namespace {
// A font's map starts afresh beyond this many names rather than growing without
// bound on a schema of very many distinct names.
constexpr qsizetype kMaxWidthsPerFont = 1 << 16;

QHash<QString, int>& WidthsOf(const QFont& font)
{
    // std::map keeps its values in place, so measures may hold on to them.
    static std::map<QString, QHash<QString, int>> widthsByFont;
    return widthsByFont[font.key()];
}
} // namespace

int TTextMeasure::Width(const QWidget& widget, const QString& text)
{
    if (!FWidths)
        FWidths = &WidthsOf(widget.font());
    auto it = FWidths->constFind(text);
    if (it != FWidths->constEnd())
        return *it;
    if (FWidths->size() >= kMaxWidthsPerFont)
        FWidths->clear();
    const int w = widget.fontMetrics().horizontalAdvance(text);
    FWidths->insert(text, w);
    return w;
}

} // namespace schemakit
