#pragma once

// The inner controls of the shape kind boxes. Each holds the box's single row in
// its Data slot.

#include "ShapeGeometry.h"

#include "../package/Color.h"
#include "../package/Font.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace schemakit {

// TSCIconType, the built-in pictures of an icon box, is in Enumerations.h.
inline constexpr int kIconTypeCount = 31;

// The name of an icon type without its "it" prefix ("Default", "FAX", "User"):
// the caption of its entry in the item toolbar's icon menu.
QString IconTypeName(TSCIconType type);
// The resource name of its picture: "SIT_" and the name in capitals.
QString IconResourceName(TSCIconType type);
// The picture itself, from the library's resources.
QPixmap IconPicture(TSCIconType type);
// A package picture by its resource name ("SIT_USER", "STB_TEXT", "SD_ITEM").
QString PackageResourcePath(const QString& name);

// Shows the library's About text through the dialog service.
void AboutZirudoz(QWidget* parent = nullptr);
// The About text itself.
QString AboutText();

// A label that paints an outline behind its text, for flowcharts and block
// schemes.
class TSchemaText : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar)
    Q_PROPERTY(schemakit::TSchemaShapeKind ShapeKind READ ShapeKind WRITE SetShapeKind)
    Q_PROPERTY(schemakit::TFont Font READ Font WRITE SetFont)
    Q_PROPERTY(schemakit::TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(schemakit::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(schemakit::TTextLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
public:
    explicit TSchemaText(QWidget* parent = nullptr);
    ~TSchemaText() override;

    const QString& Text() const noexcept { return FText; }
    void SetText(const QString& text);
    const QString& Caption() const noexcept { return FText; }
    void SetCaption(const QString& caption) { SetText(caption); }
    // Width of a text as the label measures it.
    int TextWidth(const QString& text) const;

    TSchemaShapeKind ShapeKind() const noexcept { return FShapeKind; }
    void SetShapeKind(TSchemaShapeKind value);

    // The font with its colour, which is the text colour of the palette.
    TFont Font() const;
    void SetFont(const TFont& font);
    // The brush of the shapes and, when the label fills its background, that too.
    TColor Color() const noexcept { return FColor; }
    void SetColor(TColor value);
    // A transparent label fills its shapes with nothing, so what lies behind it
    // shows everywhere.
    bool Transparent() const noexcept { return FTransparent; }
    void SetTransparent(bool value);
    TAlignment Alignment() const noexcept { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const noexcept { return FLayout; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const noexcept { return FWordWrap; }
    void SetWordWrap(bool value);
    // On, "&" marks the next character as a mnemonic; off, it is drawn as is.
    bool ShowAccelChar() const noexcept { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool value) { setEnabled(value); }

    void* Data() const noexcept { return FData; }
    void SetData(void* value) { FData = value; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintShape(QPainter& p, const TShapeOutline& shape) const;
    void PaintText(QPainter& p, const QRect& area, int flags) const;
    template <typename T>
    void Change(T& field, T value);

    QString FText;
    void* FData = nullptr;
    TSchemaShapeKind FShapeKind = skRectangle;
    TColor FColor = clBtnFace;
    bool FTransparent = false;
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = true;
    bool FShowAccelChar = true;
};

// One of the built-in pictures, centred in the box on a transparent background.
class TSchemaIcon : public QWidget {
    Q_OBJECT
    Q_PROPERTY(schemakit::TSCIconType IconType READ IconType WRITE SetIconType)
public:
    explicit TSchemaIcon(QWidget* parent = nullptr);
    ~TSchemaIcon() override;

    const QPixmap& Picture() const noexcept { return FPicture; }
    void SetPicture(const QPixmap& picture);

    TSCIconType IconType() const noexcept { return FIconType; }
    void SetIconType(TSCIconType value);

    void* Data() const noexcept { return FData; }
    void SetData(void* value) { FData = value; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap FPicture;
    TSCIconType FIconType = itDefault;
    void* FData = nullptr;
};

} // namespace schemakit
