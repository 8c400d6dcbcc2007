#include <schemakit/package/Platform.h>

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace schemakit;

TEST(Colors, ValuesFollowTheRedLowByteConvention)
{
    EXPECT_EQ(clWindowText, -16777208);
    EXPECT_EQ(clWhite, 16777215);
    EXPECT_EQ(RGBToColor(0x12, 0x34, 0x56), 0x563412);
    EXPECT_EQ(ColorToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(ColorToQColor(clNavy), QColor(0, 0, 128));
    EXPECT_EQ(QColorToColor(QColor(1, 2, 3)), RGBToColor(1, 2, 3));
    EXPECT_EQ(ColorToQColor(clNone).alpha(), 0);
}

TEST(Colors, SystemColorsResolveThroughThePalette)
{
    QPalette pal;
    pal.setColor(QPalette::Active, QPalette::Text, QColor(10, 20, 30));
    pal.setColor(QPalette::Active, QPalette::ToolTipBase, QColor(250, 240, 200));
    EXPECT_EQ(ColorToQColor(clWindowText, pal), QColor(10, 20, 30));
    EXPECT_EQ(ColorToQColor(clInfoBk, pal), QColor(250, 240, 200));
    EXPECT_TRUE(IsSystemColor(clBtnFace));
    EXPECT_EQ(ColorToRGB(clBtnFace), QColorToColor(QGuiApplication::palette().color(QPalette::Button)));
}

TEST(Fonts, RoundTripThroughQFontAndStoreStylesAsBits)
{
    TFont f;
    f.Name = QStringLiteral("DejaVu Sans");
    f.Size = 11;
    f.Color = clNavy;
    f.Charset = 204;
    f.Style = TFontStyles{fsBold, fsUnderline};
    EXPECT_EQ(f.Style.ToInt(), 5u);
    EXPECT_EQ((TFontStyles{fsItalic, fsStrikeOut}).ToInt(), 10u);

    const QFont q = f.ToQFont();
    EXPECT_TRUE(q.bold());
    EXPECT_TRUE(q.underline());
    EXPECT_FALSE(q.italic());
    EXPECT_EQ(q.pointSize(), 11);
    EXPECT_EQ(TFont::FromQFont(q, f.Color, f.Charset), f);

    QFont pixels(QStringLiteral("DejaVu Sans"));
    pixels.setPixelSize(16);
    EXPECT_GT(TFont::FromQFont(pixels).Size, 0);
}

TEST(StringList, KeepsAnObjectPerEntryAndReportsBadIndexes)
{
    int a = 1, b = 2;
    TStringList list;
    int changes = 0;
    list.OnChange = [&](TStringList*) { ++changes; };
    list.BeginUpdate();
    list.AddObject(QStringLiteral("Orders"), &a);
    list.BeginUpdate();
    list.AddObject(QStringLiteral("customers"), &b);
    list.EndUpdate();
    EXPECT_EQ(changes, 0);
    list.EndUpdate();
    EXPECT_EQ(changes, 1);

    EXPECT_EQ(list.Objects(1), &b);
    EXPECT_EQ(list.IndexOf(QStringLiteral("CUSTOMERS")), 1);
    EXPECT_EQ(list.IndexOfObject(&a), 0);
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf(QStringLiteral("CUSTOMERS")), -1);
    EXPECT_THROW(list.Strings(2), EListError);
    EXPECT_THROW(list.Delete(-1), EListError);
    EXPECT_THROW(list.InsertObject(3, QString(), nullptr), EListError);
}

TEST(StringList, TextSplitsEveryLineBreakKindAndFilesRoundTrip)
{
    TStringList list;
    list.SetText(QStringLiteral("a\r\nb\rc\n\nd"));
    EXPECT_EQ(list.ToQStringList(), (QStringList{"a", "b", "c", "", "d"}));
    EXPECT_EQ(list.Text(), QStringLiteral("a\r\nb\r\nc\r\n\r\nd\r\n"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.txt"));
    list.SetStrings(0, QString::fromUtf8("Stra\xc3\x9f"
                                         "e \xd0\x96"));
    list.SaveToFile(path);
    TStringList back;
    back.LoadFromFile(path);
    EXPECT_EQ(back.ToQStringList(), list.ToQStringList());
    EXPECT_THROW(back.LoadFromFile(dir.filePath(QStringLiteral("missing.txt"))), EFileError);
    EXPECT_THROW(list.SaveToFile(dir.filePath(QStringLiteral("no/such/dir/x.txt"))), EFileError);
}

TEST(SysUtils, SameTextFoldsAsciiLettersOnly)
{
    EXPECT_TRUE(SameText(u"Customer_ID", u"CUSTOMER_id"));
    EXPECT_FALSE(SameText(u"\u00c4rger", u"\u00e4rger"));
    EXPECT_FALSE(SameText(u"\u0416", u"\u0436"));
    EXPECT_FALSE(SameText(u"ab", u"abc"));
    EXPECT_TRUE(SameText(u"", u""));
    EXPECT_EQ(UpperCaseAscii(u"ab\u00e4z"), QStringView(u"AB\u00e4Z"));
}

TEST(SysUtils, StrToIntIsStrict)
{
    EXPECT_EQ(StrToInt(QStringLiteral("-42")), -42);
    for (const char* bad : {"", " 1", "1 ", "1.5", "0x10", "12a", "99999999999"})
        EXPECT_THROW(StrToInt(QString::fromLatin1(bad)), EConvertError) << bad;
}

TEST(WindowStyles, FollowTheBoxFlags)
{
    TBoxWindowFlags flags; // all four on, as a list box is made
    TWindowStyles s = BoxWindowStyles(flags);
    EXPECT_EQ(s.Style & (WS_SYSMENU | WS_CLIPCHILDREN | WS_CAPTION | WS_THICKFRAME),
              WS_SYSMENU | WS_CLIPCHILDREN | WS_CAPTION | WS_THICKFRAME);
    EXPECT_EQ(s.Style & WS_BORDER & ~WS_CAPTION, 0u);
    EXPECT_EQ(s.ExStyle, WS_EX_TOOLWINDOW);
    EXPECT_EQ(s.ClassStyle, CS_DBLCLKS | CS_SAVEBITS);

    // A shape box: no caption, sizeable, no border.
    flags = {false, true, true, false};
    s = BoxWindowStyles(flags);
    EXPECT_EQ(s.Style & (WS_CAPTION | WS_THICKFRAME), 0u);
    EXPECT_NE(s.Style & WS_SYSMENU, 0u);

    flags = {false, false, false, false};
    s = BoxWindowStyles(flags);
    EXPECT_EQ(s.Style & WS_BORDER, WS_BORDER);
    EXPECT_EQ(s.ExStyle, 0u);
}

TEST(WindowMetrics, CaptionFrameAndHitTesting)
{
    const TFrameMetrics tool = BoxFrameMetrics({true, true, true, true});
    const TFrameMetrics normal = BoxFrameMetrics({true, true, false, true});
    EXPECT_LT(tool.CaptionHeight, normal.CaptionHeight);
    EXPECT_TRUE(tool.CloseBox);
    EXPECT_TRUE(tool.Sizing);

    const QSize outer(150, 100);
    const int f = tool.Frame;
    EXPECT_EQ(tool.ClientRect(outer), QRect(f, f + tool.CaptionHeight, 150 - 2 * f, 100 - 2 * f - tool.CaptionHeight));
    EXPECT_EQ(HitTestBoxWindow({0, 50}, outer, tool), THitArea::Left);
    EXPECT_EQ(HitTestBoxWindow({149, 50}, outer, tool), THitArea::Right);
    EXPECT_EQ(HitTestBoxWindow({75, 99}, outer, tool), THitArea::Bottom);
    EXPECT_EQ(HitTestBoxWindow({1, 1}, outer, tool), THitArea::TopLeft);
    EXPECT_EQ(HitTestBoxWindow({148, 98}, outer, tool), THitArea::BottomRight);
    EXPECT_EQ(HitTestBoxWindow({40, f + 3}, outer, tool), THitArea::Caption);
    EXPECT_EQ(HitTestBoxWindow(tool.CloseButtonRect(outer).center(), outer, tool), THitArea::Close);
    EXPECT_EQ(HitTestBoxWindow({75, 60}, outer, tool), THitArea::Client);
    EXPECT_EQ(HitTestBoxWindow({150, 60}, outer, tool), THitArea::Nowhere);

    // Without a sizing frame the edges do not size.
    const TFrameMetrics fixed = BoxFrameMetrics({true, false, true, false});
    EXPECT_EQ(HitTestBoxWindow({0, 50}, outer, fixed), THitArea::Border);
    const TFrameMetrics shape = BoxFrameMetrics({false, true, true, false});
    EXPECT_EQ(shape.Frame, 0);
    EXPECT_EQ(HitTestBoxWindow({0, 0}, outer, shape), THitArea::Client);
    EXPECT_FALSE(shape.CloseButtonRect(outer).isValid());
}

TEST(WindowMetrics, ResizeByDragKeepsOppositeEdgesAndMinimum)
{
    const QRect start(10, 20, 100, 80);
    EXPECT_EQ(ResizeByDrag(start, THitArea::BottomRight, {5, 7}, {30, 30}), QRect(10, 20, 105, 87));
    EXPECT_EQ(ResizeByDrag(start, THitArea::Left, {-10, 99}, {30, 30}), QRect(0, 20, 110, 80));
    // Dragging the top edge far down stops at the minimum; the bottom stays.
    const QRect r = ResizeByDrag(start, THitArea::Top, {0, 500}, {30, 30});
    EXPECT_EQ(r.height(), 30);
    EXPECT_EQ(r.top() + r.height(), start.top() + start.height());
}

TEST(Dialogs, FiltersBecomeQtFilters)
{
    EXPECT_EQ(DialogFilterToQt(QStringLiteral("Schema files (*.sch)|*.sch|All files (*.*)|*.*")),
              QStringLiteral("Schema files (*.sch);;All files (*.*)"));
    EXPECT_EQ(DialogFilterToQt(QStringLiteral("Text|*.txt;*.log")), QStringLiteral("Text (*.txt *.log)"));
}
