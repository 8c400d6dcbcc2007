#pragma once

#include <schemakit/schemakit_export.h>

#include <QLocale>
#include <QStringList>

namespace schemakit {

/// Installs the library's translation for `locale` on the application object
/// (QCoreApplication must exist), replacing the one an earlier call installed;
/// with it Qt's own translation of that language (qtbase, for the standard
/// buttons of Qt's dialogs) when Qt ships one. The library's translations are
/// built into it, under ":/schemakit/i18n/schemakit_<language>.qm", and
/// installed beside it in `<datadir>/schemakit/translations`. Returns whether a
/// translation of the library was found; for English, or a language the
/// library has none for, the earlier translators are removed and the built-in
/// English texts are shown.
SCHEMAKIT_EXPORT bool InstallTranslator(const QLocale& locale = QLocale());

/// The languages the library carries a translation for ("de", "fr", ...),
/// English, which needs none, not among them.
SCHEMAKIT_EXPORT QStringList TranslationLanguages();

} // namespace schemakit
