#include <schemakit/diagram/SchemaFile.h>
#include <schemakit/package/Exceptions.h>

#include <gtest/gtest.h>

using namespace schemakit;
using namespace schemakit::SchemaFile;

namespace {

QStringList Lines(const TReader& file)
{
    QStringList r;
    for (qsizetype i = 0; i < file.LineCount(); ++i)
        r.append(file.Line(i).toString());
    return r;
}

QStringList Lines(const TSection& section)
{
    QStringList r;
    for (qsizetype i = 0; i < section.Count(); ++i)
        r.append(section.Line(i).toString());
    return r;
}

QByteArray Utf16(const QString& text, bool bigEndian)
{
    QByteArray r = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (QChar c : text) {
        const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
        r.append(bigEndian ? hi : lo).append(bigEndian ? lo : hi);
    }
    return r;
}

} // namespace

TEST(SchemaFileText, DecodesMarksAndEveryLineEnd)
{
    const QString text = QStringLiteral("[General]\r\nA=\u00e4\rB=2\n\nC=3");
    const QStringList lines{"[General]", QStringLiteral("A=\u00e4"), "B=2", "", "C=3"};
    EXPECT_EQ(Lines(TReader(text.toUtf8())), lines);
    EXPECT_EQ(Lines(TReader(QByteArray("\xEF\xBB\xBF") + text.toUtf8())), lines);
    EXPECT_EQ(Lines(TReader(Utf16(text, false))), lines);
    EXPECT_EQ(Lines(TReader(Utf16(text, true))), lines);
    // Only the first mark is one; a second is a character of the first line.
    EXPECT_EQ(TReader(QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx")).Line(0), QStringLiteral("\uFEFFx"));
    EXPECT_EQ(TReader(QByteArray()).LineCount(), 0);
    EXPECT_EQ(Lines(TReader(QByteArray("\r\n"))), QStringList{""});
    EXPECT_EQ(Lines(TReader(QByteArray("a\r\r\nb\n"))), (QStringList{"a", "", "b"}));
}

TEST(SchemaFileText, SectionsStartAtTheFirstExactHeaderAndEndAtTheNextBracket)
{
    const TReader file(QStringLiteral("[General]\nItemCount=2\n"
                                      "[item1]\nCaption=lower\n"
                                      "[Item1]\nCaption=first\n\n x=[Item2]\n"
                                      "[Item1]\nCaption=again\nControlType=1\n"
                                      "[oops\nCaption=after\n"
                                      "[Item1]\nControlType=3\n"
                                      "[Item2]\ncaption=two=2\nCAPTION=shadowed\nno equals sign\n"));
    // The header is matched with case; the walk from it takes in the same header
    // again and stops at any other line that starts with "[".
    const TSection item1 = file.Section(1, -1, -1);
    EXPECT_EQ(Lines(item1),
              (QStringList{"[Item1]", "Caption=first", "", " x=[Item2]", "[Item1]", "Caption=again", "ControlType=1"}));
    EXPECT_EQ(item1.Value(u"Caption"), u"first");
    EXPECT_EQ(item1.Value(u"controltype"), u"1");
    const TSection item2 = file.Section(QStringLiteral("[Item2]"));
    EXPECT_EQ(item2.Value(u"Caption"), u"two=2");
    EXPECT_TRUE(item2.Value(u"Font").isNull());
    EXPECT_FALSE(file.Section(QStringLiteral("[ITEM2]")).Found());
    EXPECT_FALSE(file.Section(3, -1, -1).Found());
    EXPECT_TRUE(file.Section(3, -1, -1).Value(u"ControlType").isEmpty());
    EXPECT_EQ(file.Whole().IntDef(u"itemcount", 0), 2);
    EXPECT_EQ(file.SectionCount(), 5);

    EXPECT_EQ(SectionHeader(2, 3, -1), QStringLiteral("[SubItem2of3]"));
    EXPECT_EQ(SectionHeader(2, 1, -1), QStringLiteral("[SubItem2of1]"));
    EXPECT_EQ(SectionHeader(7, 0, -1), QStringLiteral("[Item7]"));
    EXPECT_EQ(SectionHeader(-1, -1, 4), QStringLiteral("[Relation4]"));
}

TEST(SchemaFileText, StrictNumbersRaiseLenientOnesFallBack)
{
    EXPECT_EQ(StrictInt(u"-2147483648"), std::numeric_limits<int>::min());
    EXPECT_EQ(StrictInt(u"+007"), 7);
    for (const char16_t* bad : {u"", u" 1", u"1 ", u"1.0", u"0x10", u"$10", u"-", u"2147483648", u"12a"}) {
        EXPECT_THROW(StrictInt(bad), EConvertError) << QString::fromUtf16(bad).toStdString();
        EXPECT_EQ(LenientInt(bad, 42), 42);
    }
    EXPECT_TRUE(ParseBool(u"1"));
    for (const char16_t* no : {u"0", u"", u"true", u"01", u" 1", u"2"})
        EXPECT_FALSE(ParseBool(no));
}

TEST(SchemaFileText, FontEncodesExactlyAndDecodesStepByStep)
{
    TFont font;
    font.Name = QStringLiteral("MS Sans Serif");
    font.Charset = 1;
    font.Color = clWindowText;
    font.Size = 8;
    font.Style = {fsBold};
    EXPECT_EQ(EncodeFont(&font, clWhite), QStringLiteral("MS Sans Serif,1,-16777208,8,1,16777215"));
    EXPECT_EQ(EncodeFont(nullptr, clRed), QStringLiteral(",,,,,255"));
    // A face name that looks like a placeholder stays a name.
    TFont odd;
    odd.Name = QStringLiteral("Face %1 %2");
    EXPECT_EQ(EncodeFont(&odd, clWhite), QStringLiteral("Face %1 %2,1,-16777208,8,0,16777215"));

    const auto decode = [](const char* value, TFont f, TColor c = clSilver) {
        SchemaFile::DecodeFont(QString::fromUtf8(value), f, c);
        return std::pair{f, c};
    };
    // No comma: not even the face changes.
    EXPECT_EQ(decode("Courier", font), std::pair(font, clSilver));
    // Each field needs the comma after it; the last one is the box colour.
    auto [named, c1] = decode(" Courier New ,0", font);
    EXPECT_EQ(named.Name, QStringLiteral("Courier New"));
    EXPECT_EQ(named.Charset, 1);
    auto [full, c2] = decode("Arial, 0 ,255,12,6, 65280 ", font);
    EXPECT_EQ(full.Name, QStringLiteral("Arial"));
    EXPECT_EQ(full.Charset, 0);
    EXPECT_EQ(full.Color, clRed);
    EXPECT_EQ(full.Size, 12);
    EXPECT_EQ(full.Style, (TFontStyles{fsItalic, fsUnderline}));
    EXPECT_EQ(c2, clLime);
    // Empty or malformed numbers keep what was there; so does a colour with a
    // sixth comma in it.
    EXPECT_EQ(decode(",,,,,255", font), std::pair(font, clRed));
    EXPECT_EQ(decode(",x,1e3,,99,1,2", font), std::pair(font, clSilver));
    EXPECT_EQ(decode(",300,,,-1,", font), std::pair(font, clSilver));
}

TEST(SchemaFileText, WriterEndsEveryLineAndEscapesOnlyLineBreaks)
{
    TWriter w;
    w.Header(u"[Item1]");
    w.Text(u"Caption", QStringLiteral("C:\\new \u00e4"));
    w.Int(u"Left", -5);
    w.Bool(u"Border", true);
    w.Blank();
    EXPECT_EQ(w.Bytes(), QStringLiteral("[Item1]\r\nCaption=C:\\new \u00e4\r\nLeft=-5\r\nBorder=1\r\n\r\n").toUtf8());
    // An old file's backslashes are characters: only a marked value is unescaped.
    EXPECT_EQ(TReader(w.Bytes()).Section(1, -1, -1).Text(u"Caption"), QStringLiteral("C:\\new \u00e4"));

    const QString forged = QStringLiteral("a\\n\r\n[Relation1]\rParentItem=x\n\\");
    TWriter out;
    out.Header(u"[Item1]");
    out.Text(u"Caption", forged);
    const TReader back(out.Bytes());
    EXPECT_EQ(back.LineCount(), 3);
    EXPECT_FALSE(back.Section(-1, -1, 1).Found());
    EXPECT_EQ(back.Section(1, -1, -1).Text(u"Caption"), forged);
    EXPECT_EQ(Unescape(u"\\x\\"), QStringLiteral("\\x\\"));
}
