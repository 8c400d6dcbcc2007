#pragma once

#include "Color.h"
#include "Set.h"

#include <QMetaType>
#include <QString>

class QFont;

namespace schemakit {

enum TFontStyle : quint8 { fsBold = 0, fsItalic = 1, fsUnderline = 2, fsStrikeOut = 3 };
// Stored as bold 1, italic 2, underline 4, strike-out 8.
using TFontStyles = TSet<TFontStyle>;

inline constexpr int DEFAULT_CHARSET = 1;

// A font as the diagram stores it: face, character set, colour, size in points and
// style set. Qt has no character sets; the value is carried so that what a file
// stores comes back unchanged.
struct TFont {
    QString Name = QStringLiteral("MS Sans Serif");
    int Charset = DEFAULT_CHARSET;
    TColor Color = clWindowText;
    int Size = 8;
    TFontStyles Style;

    QFont ToQFont() const;
    // Size comes from the point size, or from the pixel size at the screen's
    // logical resolution when the font was given in pixels.
    static TFont FromQFont(const QFont& font, TColor color = clWindowText, int charset = DEFAULT_CHARSET);

    bool operator==(const TFont&) const = default;
};

} // namespace schemakit

// Font properties (a box's, a text shape's) carry the value type as it is.
Q_DECLARE_METATYPE(schemakit::TFont)
