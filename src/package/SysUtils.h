#pragma once

#include <QString>

namespace schemakit {

// Case-insensitive equality that folds only the ASCII letters A to Z, the way the
// runtime's plain text comparison does: "Ä" and "ä" stay different.
bool SameText(QStringView a, QStringView b) noexcept;

// Upper-cases the ASCII letters A to Z only.
QString UpperCaseAscii(QStringView s);

// Strict decimal integer conversion: optional sign, digits, nothing else.
// Raises EConvertError with a message that quotes the text.
int StrToInt(const QString& text);

} // namespace schemakit
