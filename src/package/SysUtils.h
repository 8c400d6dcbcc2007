#pragma once

#include <schemakit/schemakit_export.h>

#include <QString>

namespace schemakit {

/// Case-insensitive equality that folds only the ASCII letters A to Z, the way the
/// runtime's plain text comparison does: "Ä" and "ä" stay different.
SCHEMAKIT_EXPORT bool SameText(QStringView a, QStringView b) noexcept;

/// Upper-cases the ASCII letters A to Z only.
SCHEMAKIT_EXPORT QString UpperCaseAscii(QStringView s);

/// Strict decimal integer conversion: optional sign, digits, nothing else.
/// Raises EConvertError with a message that quotes the text.
SCHEMAKIT_EXPORT int StrToInt(const QString& text);

} // namespace schemakit
