#pragma once

#include <schemakit/schemakit_export.h>

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

/// The number of built-in pictures (members of TSCIconType).
inline constexpr int kIconTypeCount = 31;

/// The name of an icon type without its "it" prefix ("Default", "FAX", "User"):
/// the caption of its entry in the item toolbar's icon menu.
SCHEMAKIT_EXPORT QString IconTypeName(TSCIconType type);
/// The resource name of its picture: "SIT_" and the name in capitals.
SCHEMAKIT_EXPORT QString IconResourceName(TSCIconType type);
/// The picture itself, from the library's resources.
SCHEMAKIT_EXPORT QPixmap IconPicture(TSCIconType type);
/// The Qt resource path of a package picture by its resource name ("SIT_USER", "STB_TEXT", "SD_ITEM").
SCHEMAKIT_EXPORT QString PackageResourcePath(const QString& name);

/// Shows the library's About text through the dialog service.
SCHEMAKIT_EXPORT void AboutZirudoz(QWidget* parent = nullptr);
/// The About text itself.
SCHEMAKIT_EXPORT QString AboutText();

/// A label that paints an outline behind its text, for flowcharts and block
/// schemes.
class SCHEMAKIT_EXPORT TSchemaText : public QWidget {
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
    /// An empty rectangle-outlined label.
    explicit TSchemaText(QWidget* parent = nullptr);
    ~TSchemaText() override;

    ///@{
    /// The text drawn inside the outline; Caption is the same text.
    const QString& Text() const noexcept { return FText; }
    void SetText(const QString& text);
    const QString& Caption() const noexcept { return FText; }
    void SetCaption(const QString& caption) { SetText(caption); }
    ///@}
    /// Width of a text as the label measures it.
    int TextWidth(const QString& text) const;

    ///@{
    /// The outline drawn behind the text.
    TSchemaShapeKind ShapeKind() const noexcept { return FShapeKind; }
    void SetShapeKind(TSchemaShapeKind value);
    ///@}

    ///@{
    /// The font with its colour, which is the text colour of the palette.
    TFont Font() const;
    void SetFont(const TFont& font);
    ///@}
    ///@{
    /// The brush of the shapes and, when the label fills its background, that too.
    TColor Color() const noexcept { return FColor; }
    void SetColor(TColor value);
    ///@}
    ///@{
    /// A transparent label fills its shapes with nothing, so what lies behind it
    /// shows everywhere.
    bool Transparent() const noexcept { return FTransparent; }
    void SetTransparent(bool value);
    ///@}
    ///@{
    /// The horizontal alignment of the text.
    TAlignment Alignment() const noexcept { return FAlignment; }
    void SetAlignment(TAlignment value);
    ///@}
    ///@{
    /// The vertical placement of the text inside the outline.
    TTextLayout Layout() const noexcept { return FLayout; }
    void SetLayout(TTextLayout value);
    ///@}
    ///@{
    /// Whether the text wraps at word boundaries to fit the outline.
    bool WordWrap() const noexcept { return FWordWrap; }
    void SetWordWrap(bool value);
    ///@}
    ///@{
    /// On, "&" marks the next character as a mnemonic; off, it is drawn as is.
    bool ShowAccelChar() const noexcept { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    ///@}
    ///@{
    /// Whether the label is enabled; a disabled one draws its text engraved.
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool value) { setEnabled(value); }
    ///@}

    ///@{
    /// The box's single row, held for the box; not owned.
    void* Data() const noexcept { return FData; }
    void SetData(void* value) { FData = value; }
    ///@}

protected:
    /// Draws the outline (filled unless transparent) and the text inside it.
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

/// One of the built-in pictures, centred in the box on a transparent background.
class SCHEMAKIT_EXPORT TSchemaIcon : public QWidget {
    Q_OBJECT
    Q_PROPERTY(schemakit::TSCIconType IconType READ IconType WRITE SetIconType)
public:
    /// An icon showing the default picture.
    explicit TSchemaIcon(QWidget* parent = nullptr);
    ~TSchemaIcon() override;

    ///@{
    /// The picture drawn; setting one of its own keeps IconType as it was.
    const QPixmap& Picture() const noexcept { return FPicture; }
    void SetPicture(const QPixmap& picture);
    ///@}

    ///@{
    /// The built-in picture shown; setting it replaces Picture.
    TSCIconType IconType() const noexcept { return FIconType; }
    void SetIconType(TSCIconType value);
    ///@}

    ///@{
    /// The box's single row, held for the box; not owned.
    void* Data() const noexcept { return FData; }
    void SetData(void* value) { FData = value; }
    ///@}

protected:
    /// Draws Picture centred.
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap FPicture;
    TSCIconType FIconType = itDefault;
    void* FData = nullptr;
};

} // namespace schemakit
