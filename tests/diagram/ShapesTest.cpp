#include "DiagramFixture.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <cstdlib>
#include <memory>

using namespace schemakit;
using schemakit::test::DiagramTest;

namespace {

const QColor kBackground(Qt::white);

// The label as painted over a white background, its own background left out,
// so whatever it does not draw stays white.
QImage Render(TSchemaText& label)
{
    QImage image(label.size(), QImage::Format_RGB32);
    image.fill(kBackground);
    label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// The smallest rectangle holding every pixel of a colour (or, with no colour,
// every pixel that is not the background).
QRect PixelsOf(const QImage& image, std::optional<QColor> colour = std::nullopt)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (colour ? c == *colour : c != kBackground)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

// A label with crisp text, so that colours can be told apart pixel by pixel.
std::unique_ptr<TSchemaText> CrispLabel(int w, int h)
{
    auto label = std::make_unique<TSchemaText>();
    label->resize(w, h);
    QFont f = label->font();
    f.setPixelSize(12);
    f.setStyleStrategy(QFont::NoAntialias);
    label->setFont(f);
    return label;
}

QImage Resource(const QString& name)
{
    return QImage(PackageResourcePath(name)).convertToFormat(QImage::Format_ARGB32);
}

class PaintCounter : public QObject {
public:
    int Paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++Paints;
        return false;
    }
};

} // namespace

TEST(SchemaText, ANewLabelAndItsProperties)
{
    TSchemaText label;
    EXPECT_EQ(label.size(), QSize(65, 17));
    EXPECT_EQ(label.ShapeKind(), skRectangle);
    EXPECT_TRUE(label.WordWrap());
    EXPECT_TRUE(label.ShowAccelChar());
    EXPECT_FALSE(label.Transparent());
    EXPECT_EQ(label.Alignment(), taLeftJustify);
    EXPECT_EQ(label.Layout(), tlTop);
    EXPECT_TRUE(label.Enabled());
    EXPECT_EQ(label.Data(), nullptr);

    label.SetCaption(QStringLiteral("Start"));
    EXPECT_EQ(label.Text(), QStringLiteral("Start"));
    label.SetColor(clInfoBk);
    EXPECT_EQ(label.Color(), clInfoBk);
    EXPECT_EQ(label.palette().color(QPalette::Window), ColorToQColor(clInfoBk));
    TFont font = label.Font();
    font.Color = clRed;
    font.Size = 14;
    label.SetFont(font);
    EXPECT_EQ(label.Font().Color, clRed);
    EXPECT_EQ(label.Font().Size, 14);
}

TEST(SchemaText, OnlyAChangedShapeRepaints)
{
    QWidget window;
    window.resize(200, 100);
    auto* label = new TSchemaText(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    PaintCounter counter;
    label->installEventFilter(&counter);
    QCoreApplication::processEvents();
    counter.Paints = 0;

    label->SetShapeKind(skRectangle);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.Paints, 0);

    label->SetShapeKind(skOctogon);
    EXPECT_EQ(label->ShapeKind(), skOctogon);
    QCoreApplication::processEvents();
    EXPECT_GE(counter.Paints, 1);
}

TEST(SchemaText, FilledShapesTakeTheColourAndOpenOnesShowWhatIsBehind)
{
    auto label = CrispLabel(120, 60);
    label->SetColor(clRed);
    const QColor red = ColorToQColor(clRed);
    const QColor black(Qt::black);

    // The sheet: its folded corner is drawn over, the cut-off corner above the
    // fold is left alone.
    QImage sheet = Render(*label);
    EXPECT_EQ(sheet.pixelColor(30, 40), red);
    EXPECT_EQ(sheet.pixelColor(0, 30), black);
    EXPECT_EQ(sheet.pixelColor(110, 5), black); // the fold's edge at W - 10
    EXPECT_EQ(sheet.pixelColor(112, 7), red);   // inside the fold
    EXPECT_EQ(sheet.pixelColor(118, 2), kBackground);

    label->SetShapeKind(skStar);
    const QImage star = Render(*label);
    EXPECT_EQ(star.pixelColor(60, 0), black); // the top point at W div 2
    EXPECT_EQ(star.pixelColor(60, 30), kBackground);
    EXPECT_FALSE(PixelsOf(star, red).isValid());

    label->SetShapeKind(skRoundRect);
    const QImage round = Render(*label);
    EXPECT_EQ(round.pixelColor(0, 0), kBackground);
    EXPECT_EQ(round.pixelColor(60, 30), red);
    EXPECT_EQ(round.pixelColor(60, 59), black);

    // An ellipse is drawn for skEllipse, not nothing.
    label->SetShapeKind(skEllipse);
    const QImage ellipse = Render(*label);
    EXPECT_EQ(ellipse.pixelColor(2, 2), kBackground);
    EXPECT_EQ(ellipse.pixelColor(60, 30), red);

    label->SetShapeKind(skNone);
    EXPECT_FALSE(PixelsOf(Render(*label)).isValid());

    // A transparent label fills nothing.
    label->SetShapeKind(skRectangle);
    label->SetTransparent(true);
    const QImage clear = Render(*label);
    EXPECT_EQ(clear.pixelColor(30, 40), kBackground);
    EXPECT_EQ(clear.pixelColor(0, 30), black);
}

TEST(SchemaText, TextSitsInTheAreaTheLayoutGivesIt)
{
    auto label = CrispLabel(120, 60);
    label->SetShapeKind(skNone);
    label->SetText(QStringLiteral("HHH"));
    const int lineHeight = label->fontMetrics().height();

    const QRect top = PixelsOf(Render(*label));
    ASSERT_TRUE(top.isValid());
    EXPECT_LE(top.top(), 1 + lineHeight);
    EXPECT_GE(top.left(), 1);
    EXPECT_LE(top.left(), 3);

    label->SetLayout(tlBottom);
    const QRect bottom = PixelsOf(Render(*label));
    EXPECT_GT(bottom.top(), 60 - lineHeight - 1);
    EXPECT_EQ(bottom.left(), top.left());

    label->SetLayout(tlCenter);
    label->SetAlignment(taRightJustify);
    const QRect centre = PixelsOf(Render(*label));
    EXPECT_EQ(centre.top() - top.top(), (60 - (1 + lineHeight)) / 2);
    EXPECT_GE(centre.right(), 116);
}

TEST(SchemaText, DisabledTextIsDrawnEngraved)
{
    auto label = CrispLabel(80, 30);
    label->SetShapeKind(skNone);
    label->SetText(QStringLiteral("HL"));
    QPalette pal = label->palette();
    pal.setColor(QPalette::Light, Qt::green);
    pal.setColor(QPalette::Dark, Qt::blue);
    label->setPalette(pal);

    const QRect enabled = PixelsOf(Render(*label));
    label->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    const QImage image = Render(*label);
    const QRect light = PixelsOf(image, QColor(Qt::green));
    const QRect shadow = PixelsOf(image, QColor(Qt::blue));
    ASSERT_TRUE(light.isValid());
    ASSERT_TRUE(shadow.isValid());
    // The shadow is in place, the light copy one pixel right and down from it.
    EXPECT_EQ(shadow, enabled);
    EXPECT_EQ(light.bottomRight(), shadow.bottomRight() + QPoint(1, 1));
    EXPECT_EQ(PixelsOf(image), enabled.adjusted(0, 0, 1, 1));
}

TEST(SchemaText, AnAmpersandIsAMnemonicOnlyWhileAccelCharsShow)
{
    auto label = CrispLabel(120, 30);
    label->SetShapeKind(skNone);
    label->SetText(QStringLiteral("Hi"));
    const QRect plain = PixelsOf(Render(*label));

    label->SetText(QStringLiteral("&Hi"));
    const QImage mnemonic = Render(*label);
    const QRect marked = PixelsOf(mnemonic);
    // The same two letters, underlined (the underline may reach a pixel further).
    EXPECT_LE(std::abs(marked.left() - plain.left()), 1);
    EXPECT_LE(std::abs(marked.right() - plain.right()), 1);
    EXPECT_GT(marked.bottom(), plain.bottom());

    label->SetShowAccelChar(false);
    const QRect literal = PixelsOf(Render(*label));
    EXPECT_GT(literal.width(), plain.width() + 3);
    EXPECT_EQ(literal.bottom(), plain.bottom());
}

TEST(SchemaIcon, ShowsThePictureOfItsIconType)
{
    TSchemaIcon icon;
    EXPECT_EQ(icon.size(), QSize(65, 17));
    EXPECT_EQ(icon.IconType(), itDefault);
    EXPECT_FALSE(icon.autoFillBackground());
    EXPECT_EQ(icon.Picture().toImage().convertToFormat(QImage::Format_ARGB32), Resource("SIT_DEFAULT"));

    const qint64 before = icon.Picture().cacheKey();
    icon.SetIconType(itDefault);
    EXPECT_EQ(icon.Picture().cacheKey(), before);

    icon.SetIconType(itUser);
    EXPECT_EQ(icon.IconType(), itUser);
    const QImage user = Resource("SIT_USER");
    EXPECT_EQ(icon.Picture().toImage().convertToFormat(QImage::Format_ARGB32), user);
    EXPECT_NE(user, Resource("SIT_DEFAULT"));

    // Centred: in a 40 × 40 control the picture starts at (4, 4).
    icon.resize(40, 40);
    QImage shown(40, 40, QImage::Format_RGB32);
    shown.fill(kBackground);
    icon.render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(shown.pixelColor(0, 0), kBackground);
    QImage expected(32, 32, QImage::Format_RGB32);
    expected.fill(kBackground);
    QPainter(&expected).drawImage(0, 0, user);
    EXPECT_EQ(shown.copy(4, 4, 32, 32), expected);
}

TEST(SchemaIcon, NamesAndResourcesOfEveryIconType)
{
    QStringList names;
    for (int i = 0; i < kIconTypeCount; ++i)
        names << IconTypeName(TSCIconType(i));
    EXPECT_EQ(names.join(u' '), QStringLiteral("Default Computer Drive Calculator Calendar Design FAX Recycle "
                                               "Connection Cross Password Database Paper Link Relation Settings "
                                               "FolderBox Font Form Graph Mail Network Note WebData Printer "
                                               "Server Signal StopLight Time Update User"));
    EXPECT_EQ(IconResourceName(itFAX), QStringLiteral("SIT_FAX"));
    EXPECT_EQ(IconResourceName(itStopLight), QStringLiteral("SIT_STOPLIGHT"));
    EXPECT_EQ(IconTypeName(TSCIconType(kIconTypeCount)), QString());

    // Every picture is there at its size, and no two icons look alike.
    QList<QImage> seen;
    for (int i = 0; i < kIconTypeCount; ++i) {
        const QImage image = Resource(IconResourceName(TSCIconType(i)));
        EXPECT_EQ(image.size(), QSize(32, 32)) << names[i].toStdString();
        EXPECT_FALSE(seen.contains(image)) << names[i].toStdString();
        seen << image;
    }
    for (const char* name : {"STB_LISTBOX", "STB_CHECKLISTBOX", "STB_TREEVIEW", "STB_TEXT", "STB_ICON"})
        EXPECT_EQ(Resource(name).size(), QSize(16, 16)) << name;
    for (const char* name :
         {"TSCHEMADESIGNAREA", "TSQLBUILDERDIALOG", "TSCHEMACUSTOMDATAENGINE", "TSCHEMABDEDATAENGINE"})
        EXPECT_EQ(Resource(name).size(), QSize(24, 24)) << name;
}

TEST_F(DiagramTest, AnIconBoxSizesItselfToItsPicture)
{
    TSchemaItem* box = pane->AddItem(QStringLiteral("pic"), scIcon);
    ASSERT_NE(box->IconControl(), nullptr);
    box->IconControl()->SetIconType(itServer);
    box->RecalculateHeight();
    box->RecalculateWidth();
    EXPECT_EQ(box->ClientHeight(), 36);
    EXPECT_EQ(box->Width(), 32);
}

TEST(About, ShowsTheLibrarysOwnContactLines)
{
    auto& dialogs = test::InstallScriptedDialogs();
    AboutZirudoz();
    ASSERT_EQ(dialogs.Messages.size(), 1);
    const QString text = dialogs.Messages[0];
    EXPECT_TRUE(text.startsWith(QStringLiteral("SchemaKit")));
    EXPECT_TRUE(text.contains(QStringLiteral("https://schemakit.dev")));
    EXPECT_TRUE(text.contains(QStringLiteral("support@schemakit.dev")));
}
