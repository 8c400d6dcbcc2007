#include "Color.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace schemakit {

namespace {

struct SystemColorRole {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

// The nearest palette role for each system colour index.
SystemColorRole RoleForSystemColor(int index)
{
    using P = QPalette;
    switch (index) {
    case 0: return {P::Active, P::Button};             // scroll bar
    case 1: return {P::Active, P::Window};             // desktop background
    case 2: return {P::Active, P::Highlight};          // active caption
    case 3: return {P::Inactive, P::Mid};              // inactive caption
    case 4: return {P::Active, P::Window};             // menu
    case 5: return {P::Active, P::Base};               // window
    case 6: return {P::Active, P::Shadow};             // window frame
    case 7: return {P::Active, P::WindowText};         // menu text
    case 8: return {P::Active, P::Text};               // window text
    case 9: return {P::Active, P::HighlightedText};    // caption text
    case 10: return {P::Active, P::Window};            // active border
    case 11: return {P::Inactive, P::Window};          // inactive border
    case 12: return {P::Active, P::Dark};              // application workspace
    case 13: return {P::Active, P::Highlight};         // highlight
    case 14: return {P::Active, P::HighlightedText};   // highlight text
    case 15: return {P::Active, P::Button};            // button face
    case 16: return {P::Active, P::Dark};              // button shadow
    case 17: return {P::Disabled, P::Text};            // grey text
    case 18: return {P::Active, P::ButtonText};        // button text
    case 19: return {P::Inactive, P::HighlightedText}; // inactive caption text
    case 20: return {P::Active, P::Light};             // button highlight
    case 21: return {P::Active, P::Shadow};            // 3D dark shadow
    case 22: return {P::Active, P::Midlight};          // 3D light
    case 23: return {P::Active, P::ToolTipText};       // info text
    case 24: return {P::Active, P::ToolTipBase};       // info background
    case 26: return {P::Active, P::Link};              // hot light
    case 27: return {P::Active, P::Highlight};         // gradient active caption
    case 28: return {P::Inactive, P::Mid};             // gradient inactive caption
    case 29: return {P::Active, P::Highlight};         // menu highlight
    case 30: return {P::Active, P::Window};            // menu bar
    default: return {P::Active, P::WindowText};
    }
}

} // namespace

QColor ColorToQColor(TColor c)
{
    return ColorToQColor(c, QGuiApplication::palette());
}

QColor ColorToQColor(TColor c, const QPalette& palette)
{
    if (c == clNone || c == clDefault)
        return QColor(Qt::transparent);
    if (IsSystemColor(c)) {
        const SystemColorRole r = RoleForSystemColor(c & 0xFF);
        return palette.color(r.Group, r.Role);
    }
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

TColor QColorToColor(const QColor& c)
{
    const QColor rgb = c.toRgb();
    return RGBToColor(rgb.red(), rgb.green(), rgb.blue());
}

TColor ColorToRGB(TColor c)
{
    return IsSystemColor(c) ? QColorToColor(ColorToQColor(c)) : c;
}

} // namespace schemakit
