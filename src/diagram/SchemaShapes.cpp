#include "SchemaShapes.h"

#include "../package/DialogService.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPolygon>

#include <array>

namespace schemakit {

namespace {

// In value order; the resource names and the toolbar's menu derive from these.
// Only the menu shows them translated.
constexpr std::array<const char*, kIconTypeCount> kIconTypeNames = {
    QT_TRANSLATE_NOOP("schemakit", "Default"),    QT_TRANSLATE_NOOP("schemakit", "Computer"),
    QT_TRANSLATE_NOOP("schemakit", "Drive"),      QT_TRANSLATE_NOOP("schemakit", "Calculator"),
    QT_TRANSLATE_NOOP("schemakit", "Calendar"),   QT_TRANSLATE_NOOP("schemakit", "Design"),
    QT_TRANSLATE_NOOP("schemakit", "FAX"),        QT_TRANSLATE_NOOP("schemakit", "Recycle"),
    QT_TRANSLATE_NOOP("schemakit", "Connection"), QT_TRANSLATE_NOOP("schemakit", "Cross"),
    QT_TRANSLATE_NOOP("schemakit", "Password"),   QT_TRANSLATE_NOOP("schemakit", "Database"),
    QT_TRANSLATE_NOOP("schemakit", "Paper"),      QT_TRANSLATE_NOOP("schemakit", "Link"),
    QT_TRANSLATE_NOOP("schemakit", "Relation"),   QT_TRANSLATE_NOOP("schemakit", "Settings"),
    QT_TRANSLATE_NOOP("schemakit", "FolderBox"),  QT_TRANSLATE_NOOP("schemakit", "Font"),
    QT_TRANSLATE_NOOP("schemakit", "Form"),       QT_TRANSLATE_NOOP("schemakit", "Graph"),
    QT_TRANSLATE_NOOP("schemakit", "Mail"),       QT_TRANSLATE_NOOP("schemakit", "Network"),
    QT_TRANSLATE_NOOP("schemakit", "Note"),       QT_TRANSLATE_NOOP("schemakit", "WebData"),
    QT_TRANSLATE_NOOP("schemakit", "Printer"),    QT_TRANSLATE_NOOP("schemakit", "Server"),
    QT_TRANSLATE_NOOP("schemakit", "Signal"),     QT_TRANSLATE_NOOP("schemakit", "StopLight"),
    QT_TRANSLATE_NOOP("schemakit", "Time"),       QT_TRANSLATE_NOOP("schemakit", "Update"),
    QT_TRANSLATE_NOOP("schemakit", "User")};

} // namespace

QString IconTypeName(TSCIconType type)
{
    const auto index = static_cast<std::size_t>(type);
    return index < kIconTypeNames.size() ? QString::fromLatin1(kIconTypeNames[index]) : QString();
}

QString IconResourceName(TSCIconType type)
{
    return QStringLiteral("SIT_") + IconTypeName(type).toUpper();
}

QString PackageResourcePath(const QString& name)
{
    return QStringLiteral(":/schemakit/") + name;
}

QPixmap IconPicture(TSCIconType type)
{
    return QPixmap(PackageResourcePath(IconResourceName(type)));
}

QString AboutText()
{
    return QStringLiteral("SchemaKit\n") +
           QCoreApplication::translate("schemakit", "Diagrams of data models and a visual SQL query builder for Qt.") +
           QStringLiteral("\n\nhttps://schemakit.dev\nsupport@schemakit.dev");
}

void AboutZirudoz(QWidget* parent)
{
    Dialogs().ShowMessage(AboutText(), parent);
}

// --- TSchemaText --------------------------------------------------------------------

TSchemaText::TSchemaText(QWidget* parent) : QWidget(parent)
{
    // Mouse presses reach the box, which lets a shape be dragged from anywhere.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(65, 17);
}

TSchemaText::~TSchemaText() = default;

template <typename T>
void TSchemaText::Change(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    update();
}

void TSchemaText::SetText(const QString& text)
{
    Change(FText, text);
}

int TSchemaText::TextWidth(const QString& text) const
{
    return fontMetrics().horizontalAdvance(text);
}

void TSchemaText::SetShapeKind(TSchemaShapeKind value)
{
    Change(FShapeKind, value);
}

TFont TSchemaText::Font() const
{
    return TFont::FromQFont(font(), QColorToColor(palette().color(QPalette::WindowText)));
}

void TSchemaText::SetFont(const TFont& value)
{
    setFont(value.ToQFont());
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, ColorToQColor(value.Color, pal));
    setPalette(pal);
    update();
}

void TSchemaText::SetColor(TColor value)
{
    FColor = value;
    // The brush is read from the palette, so a box that colours its inner
    // control through the palette colours the shape too.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ColorToQColor(value, pal));
    setPalette(pal);
    update();
}

void TSchemaText::SetTransparent(bool value)
{
    Change(FTransparent, value);
}

void TSchemaText::SetAlignment(TAlignment value)
{
    Change(FAlignment, value);
}

void TSchemaText::SetLayout(TTextLayout value)
{
    Change(FLayout, value);
}

void TSchemaText::SetWordWrap(bool value)
{
    Change(FWordWrap, value);
}

void TSchemaText::SetShowAccelChar(bool value)
{
    Change(FShowAccelChar, value);
}

void TSchemaText::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(FTransparent ? QBrush(Qt::NoBrush) : QBrush(palette().color(QPalette::Window)));
    const TShapeOutline shape = ShapeOutline(FShapeKind, width(), height());
    PaintShape(p, shape);

    const int flags = LabelTextFlags(FAlignment, FWordWrap, FShowAccelChar);
    TShapeEdges area = shape.TextArea;
    if (FLayout != tlTop) {
        const QRect measured =
            fontMetrics().boundingRect(area.ToRect(), flags, LabelMeasuredText(FText, FShowAccelChar));
        area = PlaceLabelText(area, FLayout, height(), measured.height());
    }
    PaintText(p, area.ToRect(), flags);
}

void TSchemaText::PaintShape(QPainter& p, const TShapeOutline& shape) const
{
    for (const TShapePath& path : shape.Filled)
        p.drawPolygon(QPolygon(path));
    for (const TShapePath& path : shape.Open)
        p.drawPolyline(QPolygon(path));
    // Qt's outline of a rectangle covers its right and bottom edges as well;
    // the platform's shapes end a pixel inside them.
    const QRect inside = shape.Bounds.adjusted(0, 0, -1, -1);
    if (shape.RoundRect)
        p.drawRoundedRect(inside, shape.CornerSize / 2.0, shape.CornerSize / 2.0);
    if (shape.Ellipse)
        p.drawEllipse(inside);
}

void TSchemaText::PaintText(QPainter& p, const QRect& area, int flags) const
{
    p.setFont(font());
    if (!isEnabled()) {
        // The engraved look of disabled text: a light copy a pixel down and to
        // the right, the shadow-coloured text in place over it.
        p.setPen(ColorToQColor(clBtnHighlight, palette()));
        p.drawText(area.translated(1, 1), flags, FText);
        p.setPen(ColorToQColor(clBtnShadow, palette()));
    } else {
        p.setPen(palette().color(QPalette::WindowText));
    }
    p.drawText(area, flags, FText);
}

// --- TSchemaIcon --------------------------------------------------------------------

TSchemaIcon::TSchemaIcon(QWidget* parent) : QWidget(parent), FPicture(IconPicture(itDefault))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(false);
    resize(65, 17);
}

TSchemaIcon::~TSchemaIcon() = default;

void TSchemaIcon::SetPicture(const QPixmap& picture)
{
    FPicture = picture;
    update();
}

void TSchemaIcon::SetIconType(TSCIconType value)
{
    if (value == FIconType)
        return;
    FIconType = value;
    SetPicture(IconPicture(value));
}

void TSchemaIcon::paintEvent(QPaintEvent*)
{
    if (FPicture.isNull())
        return;
    QPainter p(this);
    const QSize size = FPicture.deviceIndependentSize().toSize();
    p.drawPixmap((width() - size.width()) / 2, (height() - size.height()) / 2, FPicture);
}

} // namespace schemakit
