#include "ShapeGeometry.h"

#include <Qt>

namespace schemakit {

namespace {

TShapePath Path(std::initializer_list<QPoint> points)
{
    return TShapePath(points);
}

} // namespace

TShapeOutline ShapeOutline(TSchemaShapeKind Kind, int W, int H)
{
    TShapeOutline shape;
    shape.Bounds = QRect(0, 0, W, H);
    // Division truncates towards zero, also for the odd negative size.
    switch (Kind) {
    case skNone: break;
    case skRectangle:
        // A sheet with its top-right corner folded down.
        shape.Filled << Path({{W - 10, 0}, {W - 1, 10}, {W - 1, H - 1}, {0, H - 1}, {0, 0}, {W - 10, 0}})
                     << Path({{W - 10, 0}, {W - 10, 10}, {W, 10}});
        break;
    case skRoundRect:
        shape.RoundRect = true;
        shape.CornerSize = 10;
        break;
    case skEllipse: shape.Ellipse = true; break;
    case skStar:
        // One pentagram stroke.
        shape.Open << Path({{W / 2, 0},
                            {W / 6, H - H / 6},
                            {W, H / 2 - H / 6},
                            {0, H / 2 - H / 6},
                            {W - W / 6, H - H / 6},
                            {W / 2, 0}});
        break;
    case skTriangle: shape.Open << Path({{0, H - 1}, {W / 2, 0}, {W, H - 1}, {0, H - 1}}); break;
    case skOctogon:
        shape.Open << Path({{W / 3, 0},
                            {W - W / 3, 0},
                            {W - 1, H / 3},
                            {W - 1, H - H / 3},
                            {W - W / 3, H - 1},
                            {W / 3, H - 1},
                            {0, H - H / 3},
                            {0, H / 3},
                            {W / 3, 0}});
        break;
    }
    // The text keeps off the outline: the sheet's fold takes a pixel more at
    // the top and the right.
    TShapeEdges& text = shape.TextArea;
    text = {0, 0, W, H};
    if (Kind == skRectangle) {
        text.Top += 1;
        text.Right -= 1;
    }
    text.Left += 1;
    text.Top += 1;
    return shape;
}

int TextLayoutShift(TTextLayout Layout, int H, int TextBottom)
{
    switch (Layout) {
    case tlTop: return 0;
    case tlCenter: return (H - TextBottom) / 2;
    case tlBottom: return H - TextBottom;
    }
    return 0;
}

TShapeEdges PlaceLabelText(const TShapeEdges& Area, TTextLayout Layout, int H, int TextHeight)
{
    if (Layout == tlTop)
        return Area;
    TShapeEdges placed = Area;
    placed.Bottom = Area.Top + TextHeight;
    const int shift = TextLayoutShift(Layout, H, placed.Bottom);
    placed.Top += shift;
    placed.Bottom += shift;
    return placed;
}

int LabelTextFlags(TAlignment Alignment, bool WordWrap, bool ShowAccelChar)
{
    int flags = Qt::TextExpandTabs | Qt::AlignTop;
    if (WordWrap)
        flags |= Qt::TextWordWrap;
    // Without a mnemonic flag Qt draws "&" as it is, which is what a label that
    // shows no accelerator wants.
    if (ShowAccelChar)
        flags |= Qt::TextShowMnemonic;
    switch (Alignment) {
    case taLeftJustify: flags |= Qt::AlignLeft; break;
    case taRightJustify: flags |= Qt::AlignRight; break;
    case taCenter: flags |= Qt::AlignHCenter; break;
    }
    return flags;
}

QString LabelMeasuredText(const QString& Text, bool ShowAccelChar)
{
    if (Text.isEmpty() || (ShowAccelChar && Text == u"&"))
        return Text + QLatin1Char(' ');
    return Text;
}

} // namespace schemakit
