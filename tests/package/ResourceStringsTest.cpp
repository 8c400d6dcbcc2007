#include <schemakit/package/Exceptions.h>
#include <schemakit/package/SchmCnst.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QSet>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace schemakit;

namespace {

struct Expected {
    const TResourceString& String;
    quint16 Id;
    const char* Text;
};

// The texts are a contract with translators and with the SQL generator, which
// compares grid entries against them, so they are checked letter for letter.
const Expected kTable[] = {
    {zbtNotValidTableParent, 65520, "Parent must be TScrollBox or its descendant."},
    {zbtUniqueOnly, 65521, "select the unique records only"},
    {zbtAggIsNotAllowed, 65522, "You can not apply this aggregative function to *."},
    {zbtItemLinked, 65523, "These items are already linked."},
    {strColumnPage, 65524, "Columns"},
    {strOptionsPage, 65525, "Options"},
    {strSQLPage, 65526, "SQL"},
    {strResultPage, 65527, "Results"},
    {strFieldName, 65528, "Field"},
    {strTableName, 65529, "Table"},
    {strValueName, 65530, "Calculate"},
    {strSortName, 65531, "Sort"},
    {strWhereName, 65532, "Where"},
    {strGroupName, 65533, "Grouping"},
    {strHavingName, 65534, "Having"},
    {strValueAVG, 65535, "Average"},
    {strValueCOUNT, 65504, "Count"},
    {strValueMAX, 65505, "Maximum"},
    {strValueMIN, 65506, "Minimum"},
    {strValueSUM, 65507, "Summa"},
    {strSortASC, 65508, "Ascending"},
    {strSortDESC, 65509, "Descending"},
    {sOK, 65510, "OK"},
    {sCancel, 65511, "Cancel"},
    {sNewSQL, 65512, "New SQL"},
    {sOpenSQL, 65513, "Open SQL from file"},
    {sSaveSQL, 65514, "Save a current SQl into file"},
    {sShowGrid, 65515, "Show grid with columns"},
    {sShowTables, 65516, "Show list of tables"},
    {sGenSQL, 65517, "Generate SQL-statement"},
    {sExecSQl, 65518, "Execute SQL and show results"},
    {sSchemaFiles, 65519, "Schema files (*.sch)|*.sch"},
    {sAllFiles, 65488, "All files (*.*)|*.*"},
    {sSelectAll, 65489, "Select All"},
    {sUnSelectAll, 65490, "Unselect All"},
    {sDeleteReleations, 65491, "Delete relations"},
    {sDeleteItem, 65492, "Delete item"},
    {sEditRelation, 65493, "Edit relation..."},
    {sDeleteRelation, 65494, "Delete relation"},
    {sChangeBackground, 65495, "Change background color..."},
    {sChangeFont, 65496, "Change font..."},
};

class ResourceStrings : public testing::Test {
protected:
    void TearDown() override { ResetResourceStringTable(); }
};

} // namespace

TEST_F(ResourceStrings, EveryIdentifierResolvesToItsExactTextAndId)
{
    ASSERT_EQ(ResourceStringTable().size(), qsizetype(std::size(kTable)));
    QSet<quint16> ids;
    for (const Expected& e : kTable) {
        SCOPED_TRACE(e.String.Identifier());
        EXPECT_EQ(e.String.Id(), e.Id);
        EXPECT_EQ(e.String.Text(), QString::fromUtf8(e.Text));
        EXPECT_EQ(LoadResString(e.Id), QString::fromUtf8(e.Text));
        EXPECT_EQ(FindResourceString(QString::fromLatin1(e.String.Identifier())), &e.String);
        const bool inUsedRange = (e.Id >= 65488 && e.Id <= 65496) || e.Id >= 65504;
        EXPECT_TRUE(inUsedRange);
        ids.insert(e.Id);
    }
    EXPECT_EQ(ids.size(), qsizetype(std::size(kTable)));
    EXPECT_EQ(LoadResString(1), QString());
}

TEST_F(ResourceStrings, ReplacedTableChangesTextsAtTheMomentOfUse)
{
    SetResourceStringTable({{strValueSUM.Id(), QStringLiteral("Summe")}});
    EXPECT_EQ(strValueSUM.Text(), QStringLiteral("Summe"));
    EXPECT_EQ(QString(strValueSUM), QStringLiteral("Summe"));
    // Strings the table leaves out keep their built-in text.
    EXPECT_EQ(strValueAVG.Text(), QStringLiteral("Average"));
    ResetResourceStringTable();
    EXPECT_EQ(strValueSUM.Text(), QStringLiteral("Summa"));
}

TEST_F(ResourceStrings, TableFileReadsIdentifiersIdsAndEscapes)
{
    QByteArray text = "# German\n"
                      "strValueSUM=Summe\n"
                      "\n"
                      "65535 = Mittelwert\n"
                      "zbtItemLinked=Schon verkn\xc3\xbcpft.\\nNochmals?\n";
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    LoadResourceStringTable(buffer);
    EXPECT_EQ(strValueSUM.Text(), QStringLiteral("Summe"));
    EXPECT_EQ(strValueAVG.Text(), QStringLiteral(" Mittelwert"));
    EXPECT_EQ(zbtItemLinked.Text(), QString::fromUtf8("Schon verkn\xc3\xbcpft.\nNochmals?"));
}

TEST_F(ResourceStrings, BadTableFileIsRefusedWholeAndNamesTheLine)
{
    SetResourceStringTable({{sOK.Id(), QStringLiteral("Gut")}});
    for (const QByteArray& bad : {QByteArray("sOK=Ja\nnoSuchString=x\n"), QByteArray("sOK=Ja\nno equals sign\n")}) {
        QByteArray copy = bad;
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        try {
            LoadResourceStringTable(buffer);
            FAIL() << "accepted " << bad.constData();
        } catch (const Exception& e) {
            EXPECT_TRUE(e.Message().contains(QStringLiteral("Line 2"))) << e.what();
        }
        EXPECT_EQ(sOK.Text(), QStringLiteral("Gut"));
    }
}

TEST_F(ResourceStrings, InstalledTranslatorTranslatesByIdentifier)
{
    class Translator : public QTranslator {
    public:
        QString translate(const char* context, const char* source, const char* disambiguation, int) const override
        {
            if (qstrcmp(context, "schemakit") == 0 && qstrcmp(disambiguation, "sCancel") == 0)
                return QStringLiteral("Abbrechen");
            Q_UNUSED(source);
            return QString();
        }
        bool isEmpty() const override { return false; }
    } translator;
    QCoreApplication::installTranslator(&translator);
    EXPECT_EQ(sCancel.Text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(sOK.Text(), QStringLiteral("OK"));
    // An explicitly replaced text wins over the translator.
    SetResourceStringTable({{sCancel.Id(), QStringLiteral("Zur\u00fcck")}});
    EXPECT_EQ(sCancel.Text(), QStringLiteral("Zur\u00fcck"));
    QCoreApplication::removeTranslator(&translator);
}
