#pragma once

#include <schemakit/schemakit_export.h>

#include "Color.h"
#include "Set.h"

#include <QMetaType>
#include <QString>

class QFont;

namespace schemakit {

/// A style a font may have in addition to its face and size.
enum TFontStyle : quint8 {
    fsBold = 0,      ///< bold
    fsItalic = 1,    ///< italic
    fsUnderline = 2, ///< underlined
    fsStrikeOut = 3  ///< struck out
};
/// The styles of a font. Stored as bold 1, italic 2, underline 4, strike-out 8.
using TFontStyles = TSet<TFontStyle>;

/// The character set a font gets when none is named; carried, not used by Qt.
inline constexpr int DEFAULT_CHARSET = 1;

/// A font as the diagram stores it: face, character set, colour, size in points and
/// style set. Qt has no character sets; the value is carried so that what a file
/// stores comes back unchanged.
struct SCHEMAKIT_EXPORT TFont {
    QString Name = QStringLiteral("MS Sans Serif"); ///< the face name
    int Charset = DEFAULT_CHARSET;                  ///< the character set, carried unchanged
    TColor Color = clWindowText;                    ///< the colour of the text
    int Size = 8;                                   ///< the size in points
    TFontStyles Style;                              ///< bold, italic, underline, strike-out

    /// The Qt font of this face, size (8 points when not positive) and styles;
    /// colour and character set are not part of it.
    QFont ToQFont() const;
    /// The font of a Qt font with the given colour and character set.
    /// Size comes from the point size, or from the pixel size at the screen's
    /// logical resolution when the font was given in pixels.
    static TFont FromQFont(const QFont& font, TColor color = clWindowText, int charset = DEFAULT_CHARSET);

    /// Equal when every field is equal.
    bool operator==(const TFont&) const = default;
};

} // namespace schemakit

// Font properties (a box's, a text shape's) carry the value type as it is.
Q_DECLARE_METATYPE(schemakit::TFont)
