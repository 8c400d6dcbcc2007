#include "Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace schemakit {

namespace {

constexpr QLatin1StringView kTranslationDir(":/schemakit/i18n");

// Translators this library installed, owned by the application object: when it
// goes, they go with it, and the pointers forget them.
QPointer<QTranslator>& OwnTranslator()
{
    static QPointer<QTranslator> translator;
    return translator;
}

QPointer<QTranslator>& QtTranslator()
{
    static QPointer<QTranslator> translator;
    return translator;
}

void Uninstall(QPointer<QTranslator>& translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator.data();
}

// Loads `name` for `locale` from `dir` and installs it; keeps nothing when no
// file fits.
bool Install(QPointer<QTranslator>& slot, const QLocale& locale, const QString& name, const QString& dir)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, name, QStringLiteral("_"), dir) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    slot = translator;
    return true;
}

} // namespace

bool InstallTranslator(const QLocale& locale)
{
    if (!QCoreApplication::instance())
        return false;
    Uninstall(OwnTranslator());
    Uninstall(QtTranslator());
    // English is the texts' own language and has no file: it ends here.
    if (!Install(OwnTranslator(), locale, QStringLiteral("schemakit"), kTranslationDir))
        return false;
    // Qt's buttons follow only when the library's texts do, never alone.
    Install(QtTranslator(), locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}

QStringList TranslationLanguages()
{
    QStringList languages;
    const QStringList files =
        QDir(kTranslationDir).entryList({QStringLiteral("schemakit_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages << file.mid(10, file.size() - 13); // between "schemakit_" and ".qm"
    return languages;
}

} // namespace schemakit
