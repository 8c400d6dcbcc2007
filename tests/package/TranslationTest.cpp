// The shipped translations: every text of the library translated in every
// language, and InstallTranslator putting them in place.

#include <schemakit/package/Exceptions.h>
#include <schemakit/package/SchmCnst.h>
#include <schemakit/package/Translation.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace schemakit;

namespace {

struct TMessage {
    QString Context, Source, Comment;
    QString Type;              // the translation's type attribute: empty when finished
    QStringList Translations;  // one, or one per plural form
};

QList<TMessage> ReadTs(const QString& fileName)
{
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << fileName.toStdString();
    QList<TMessage> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            TMessage m;
            m.Context = context;
            while (xml.readNextStartElement()) {
                if (xml.name() == u"source") {
                    m.Source = xml.readElementText();
                } else if (xml.name() == u"comment") {
                    m.Comment = xml.readElementText();
                } else if (xml.name() == u"translation") {
                    m.Type = xml.attributes().value(QLatin1String("type")).toString();
                    bool plural = false;
                    QString text;
                    while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != u"translation") {
                        if (xml.isCharacters())
                            text += xml.text();
                        else if (xml.isStartElement() && xml.name() == u"numerusform") {
                            plural = true;
                            m.Translations << xml.readElementText();
                        }
                    }
                    if (!plural)
                        m.Translations << text;
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages << m;
        }
    }
    EXPECT_FALSE(xml.hasError()) << fileName.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QSet<QString> Placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%L?[0-9n]"));
    QSet<QString> found;
    for (const auto& match : marker.globalMatch(text))
        found << match.captured().remove(u'L');
    return found;
}

class Translations : public testing::Test {
protected:
    void TearDown() override { InstallTranslator(QLocale::c()); }
};

} // namespace

TEST_F(Translations, EveryTextIsTranslatedInEveryShippedLanguage)
{
    const QDir dir(QStringLiteral(SCHEMAKIT_TRANSLATIONS_DIR));
    const QStringList files = dir.entryList({QStringLiteral("schemakit_*.ts")}, QDir::Files, QDir::Name);
    QStringList languages;
    for (const QString& file : files)
        languages << file.mid(10, file.size() - 13);
    ASSERT_TRUE(languages.contains(QStringLiteral("de")) && languages.contains(QStringLiteral("fr")));
#ifdef SCHEMAKIT_TRANSLATIONS_BUILT
    EXPECT_EQ(TranslationLanguages(), languages); // every file is built into the library
#endif

    for (const QString& file : files) {
        const QList<TMessage> messages = ReadTs(dir.filePath(file));
        QSet<QString> resourceTexts;
        for (const TMessage& m : messages) {
            const std::string where = (file + QStringLiteral(": ") + m.Source).toStdString();
            EXPECT_TRUE(m.Type.isEmpty()) << where << " is " << m.Type.toStdString();
            ASSERT_FALSE(m.Translations.isEmpty()) << where;
            for (const QString& translation : m.Translations) {
                EXPECT_FALSE(translation.trimmed().isEmpty()) << where;
                EXPECT_EQ(Placeholders(translation), Placeholders(m.Source)) << where;
            }
            if (m.Context == u"schemakit" && !m.Comment.isEmpty())
                resourceTexts << m.Comment + u'=' + m.Source;
        }
        // Each resource string under its identifier, with the text the code has.
        for (const TResourceString* s : ResourceStringTable())
            EXPECT_TRUE(resourceTexts.contains(QLatin1String(s->Identifier()) + u'=' +
                                               QString::fromUtf8(s->BuiltInText())))
                << file.toStdString() << ": " << s->Identifier();
    }
}

TEST_F(Translations, InstallTranslatorSwitchesLanguagesAndEnglishNeedsNone)
{
#ifndef SCHEMAKIT_TRANSLATIONS_BUILT
    GTEST_SKIP() << "built without Qt's LinguistTools";
#endif
    ASSERT_TRUE(InstallTranslator(QLocale(QStringLiteral("de"))));
    EXPECT_EQ(strSortASC.Text(), QStringLiteral("Aufsteigend"));
    EXPECT_EQ(strValueSUM.Text(), QStringLiteral("Summe"));
    EXPECT_EQ(EAbort().Message(), QStringLiteral("Vorgang abgebrochen"));

    // A regional variant falls back to its language; a second call replaces
    // the first translator instead of stacking another on it.
    ASSERT_TRUE(InstallTranslator(QLocale(QStringLiteral("fr_CA"))));
    EXPECT_EQ(strSortASC.Text(), QStringLiteral("Croissant"));
    EXPECT_EQ(EAbort().Message(), QStringLiteral("Opération interrompue"));

    EXPECT_FALSE(InstallTranslator(QLocale(QStringLiteral("en"))));
    EXPECT_EQ(strSortASC.Text(), QStringLiteral("Ascending"));
    EXPECT_FALSE(InstallTranslator(QLocale(QStringLiteral("ja"))));
    EXPECT_EQ(EAbort().Message(), QStringLiteral("Operation aborted"));
}
