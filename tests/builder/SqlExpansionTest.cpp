#include <schemakit/builder/SqlExpansion.h>

#include <gtest/gtest.h>

using namespace schemakit;
using namespace Qt::StringLiterals;

namespace {

QString Expanded(QString text, QStringView macro, QStringView value)
{
    ExpandSQL(text, macro, value);
    return text;
}

QString WithoutBlankLines(QString text)
{
    RemoveBlankLines(text);
    return text;
}

} // namespace

TEST(SqlGenerationTemplate, ExpandSQLTakesTheNearestMarkersAroundTheFirstOccurrence)
{
    EXPECT_EQ(Expanded(u"x %[A #m# B]% y"_s, u"#m#", u"V"), u"x A V B y"_s);
    EXPECT_EQ(Expanded(u"x %[A #m# B]% y"_s, u"#m#", u""), u"x  y"_s);
    // Outside any "%[" the macro takes everything before it and the next "]%".
    EXPECT_EQ(Expanded(u"x #m# %[A #n# B]% y"_s, u"#m#", u"V"), u"x V %[A #n# B y"_s);
    EXPECT_EQ(Expanded(u"x #m# %[A #n# B]% y"_s, u"#m#", u""), u"x  y"_s);
    EXPECT_EQ(Expanded(u"%[#m#]% and %[#m#]%"_s, u"#m#", u"V"), u"V and %[#m#]%"_s);
    EXPECT_EQ(Expanded(u"%[A #m#]%"_s, u"#q#", u"V"), u"%[A #m#]%"_s);
    EXPECT_EQ(Expanded(u"%[A\r\n#m# \r\n]% z"_s, u"#m#", u"V"), u"A\r\nV \r\n z"_s);

    // Nested sections work because the inner macro goes first.
    const QString select = u"%[SELECT %[#distinct#]% #fields#]% \r\n"_s;
    QString text = Expanded(select, u"#distinct#", u"");
    EXPECT_EQ(Expanded(text, u"#fields#", u"a"), u"SELECT  a \r\n"_s);
    text = Expanded(select, u"#distinct#", u"DISTINCT");
    EXPECT_EQ(Expanded(text, u"#fields#", u""), u" \r\n"_s);

    // Without a "]%" after it a macro has no section: only the macro changes.
    EXPECT_EQ(Expanded(u"a %[ #m# b"_s, u"#m#", u"V"), u"a %[ V b"_s);
    EXPECT_EQ(Expanded(u"a %[ #m# b"_s, u"#m#", u""), u"a %[  b"_s);
}

TEST(SqlGenerationTemplate, RemoveBlankLinesKeepsTextLinesEachEndedByCrLf)
{
    EXPECT_EQ(WithoutBlankLines(u"SELECT  a \r\n   \r\n \t \r\nFROM t \r\n"_s), u"SELECT  a \r\nFROM t \r\n"_s);
    EXPECT_EQ(WithoutBlankLines(u"a\nb\rc"_s), u"a\r\nb\r\nc\r\n"_s);
    EXPECT_EQ(WithoutBlankLines(u"  x  "_s), u"  x  \r\n"_s);
    EXPECT_EQ(WithoutBlankLines(QStringLiteral(" \x01\x1f \r\n\r\n")), QString());
    EXPECT_EQ(WithoutBlankLines(QString()), QString());
}

TEST(SqlGenerationTemplate, SealedValuesAreNeverSearchedByLaterExpansions)
{
    TSQLExpansion expansion(u"%[A #a#]% %[B #b#]% %[C #c#]%"_s);
    expansion.Expand(u"#a#", u"#b# ]% %[ #c#");
    expansion.Expand(u"#b#", u"X");
    expansion.Expand(u"#c#", u"");
    EXPECT_EQ(expansion.Text(), u"A #b# ]% %[ #c# B X "_s);

    // Nor does a marker count whose characters come half from a value.
    TSQLExpansion straddling(u"x%[#a#]%[y #b#]%"_s);
    straddling.Expand(u"#a#", u"v%");
    straddling.Expand(u"#b#", u"W");
    EXPECT_EQ(straddling.Text(), u"xv%[y W"_s);
    QString plain = u"x%[#a#]%[y #b#]%"_s;
    ExpandSQL(plain, u"#a#", u"v%");
    ExpandSQL(plain, u"#b#", u"W");
    EXPECT_EQ(plain, u"xvy W"_s); // what the unsealed rule makes of it
}
