#include "PlatformMetrics.h"

#include <QApplication>
#include <QStyle>

namespace schemakit {

int CheckBoxGlyphSize()
{
    static const int size = [] {
        // Without a widget application there is no style to ask; 13 is the classic
        // glyph size.
        if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
            return 13;
        const int w = QApplication::style()->pixelMetric(QStyle::PM_IndicatorWidth);
        return w > 0 ? w : 13;
    }();
    return size;
}

} // namespace schemakit
