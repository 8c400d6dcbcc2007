#pragma once

#include <schemakit/schemakit_export.h>

#include <QtGlobal>

class QColor;
class QPalette;

namespace schemakit {

/// A colour as one 32-bit value: red in the lowest byte, then green, then blue
/// (white is 16777215). Negative values name system colours (the low byte picks
/// one), resolved through the application palette when drawn.
using TColor = qint32;

/// The bits that mark a system colour; the low byte of such a value picks the colour.
inline constexpr TColor clSystemColor = qint32(0xFF000000u);

///@{
/// A colour of the desktop scheme, resolved to the nearest role of the
/// application palette when drawn (clWindow is the palette's base, clBtnFace its
/// button colour, clInfoBk its tool-tip background, ...).
inline constexpr TColor clScrollBar = clSystemColor | 0;
inline constexpr TColor clBackground = clSystemColor | 1;
inline constexpr TColor clActiveCaption = clSystemColor | 2;
inline constexpr TColor clInactiveCaption = clSystemColor | 3;
inline constexpr TColor clMenu = clSystemColor | 4;
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowFrame = clSystemColor | 6;
inline constexpr TColor clMenuText = clSystemColor | 7;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clCaptionText = clSystemColor | 9;
inline constexpr TColor clActiveBorder = clSystemColor | 10;
inline constexpr TColor clInactiveBorder = clSystemColor | 11;
inline constexpr TColor clAppWorkSpace = clSystemColor | 12;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clHighlightText = clSystemColor | 14;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBtnShadow = clSystemColor | 16;
inline constexpr TColor clGrayText = clSystemColor | 17;
inline constexpr TColor clBtnText = clSystemColor | 18;
inline constexpr TColor clInactiveCaptionText = clSystemColor | 19;
inline constexpr TColor clBtnHighlight = clSystemColor | 20;
inline constexpr TColor cl3DDkShadow = clSystemColor | 21;
inline constexpr TColor cl3DLight = clSystemColor | 22;
inline constexpr TColor clInfoText = clSystemColor | 23;
inline constexpr TColor clInfoBk = clSystemColor | 24;
inline constexpr TColor clHotLight = clSystemColor | 26;
inline constexpr TColor clGradientActiveCaption = clSystemColor | 27;
inline constexpr TColor clGradientInactiveCaption = clSystemColor | 28;
inline constexpr TColor clMenuHighlight = clSystemColor | 29;
inline constexpr TColor clMenuBar = clSystemColor | 30;
///@}

///@{
/// One of the sixteen named RGB colours.
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
///@}

/// No colour: drawn as transparent.
inline constexpr TColor clNone = 0x1FFFFFFF;
/// The default colour of whatever is drawn: drawn as transparent.
inline constexpr TColor clDefault = 0x20000000;

/// The colour of the given red, green and blue (each 0 to 255; higher bits are dropped).
constexpr TColor RGBToColor(int red, int green, int blue)
{
    return TColor((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

/// Whether `c` names a system colour (is negative) rather than an RGB value.
constexpr bool IsSystemColor(TColor c)
{
    return c < 0;
}

///@{
/// The colour as red, green and blue, system colours resolved through `palette`
/// (the application palette when none is given). clNone and clDefault give an
/// invalid-alpha transparent colour.
SCHEMAKIT_EXPORT QColor ColorToQColor(TColor c);
SCHEMAKIT_EXPORT QColor ColorToQColor(TColor c, const QPalette& palette);
///@}

/// The plain RGB value of a QColor (alpha is dropped).
SCHEMAKIT_EXPORT TColor QColorToColor(const QColor& c);

/// The RGB value a colour stands for now (system colours resolved).
SCHEMAKIT_EXPORT TColor ColorToRGB(TColor c);

} // namespace schemakit
