#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

// TSchemaShapeKind, TTextLayout and TAlignment.
#include "../package/Enumerations.h"

namespace schemakit {

// A rectangle by its four edges, the right and bottom ones just outside, as
// the drawing of a shape measures them.
struct TShapeEdges {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    QRect ToRect() const { return {Left, Top, Right - Left, Bottom - Top}; }
    bool operator==(const TShapeEdges&) const = default;
};

// The corners of a polygon or an open outline, in drawing order.
using TShapePath = QList<QPoint>;

// What a shape of W × H pixels draws, in the box's coordinates: polygons filled
// with the brush and outlined with the pen, open outlines drawn with the pen
// only, and an optional filled rounded rectangle or ellipse; and the edges of
// the text area inside it.
struct TShapeOutline {
    QList<TShapePath> Filled;
    QList<TShapePath> Open;
    bool RoundRect = false; // Bounds with corner ellipses of CornerSize × CornerSize
    bool Ellipse = false;   // an ellipse filling Bounds
    QRect Bounds;
    int CornerSize = 0;
    TShapeEdges TextArea;
};

// The outline of a shape kind at a size. Every number comes from here, so the
// painting code only draws. An ellipse is drawn for skEllipse, as a person
// choosing it expects.
TShapeOutline ShapeOutline(TSchemaShapeKind Kind, int W, int H);

// How far the text area moves down so that text whose laid-out bottom edge is
// TextBottom sits at the top, centre or bottom of a box H pixels high (integer
// division, truncating, as the drawing has always measured it).
int TextLayoutShift(TTextLayout Layout, int H, int TextBottom);

// Where a label's text goes in a box H pixels high: Area as the outline left
// it, with its bottom at the end of text TextHeight pixels high and moved down
// by the layout. Top layout leaves the area alone, as nothing is measured then.
TShapeEdges PlaceLabelText(const TShapeEdges& Area, TTextLayout Layout, int H, int TextHeight);

// The Qt text flags of a label's text (Qt::TextFlag and Qt::AlignmentFlag
// values). Tabs always expand; the text always starts at the top of its area,
// since the layout moves the area instead.
int LabelTextFlags(TAlignment Alignment, bool WordWrap, bool ShowAccelChar);

// The text a label measures: an empty text, or a lone "&" that would vanish as
// a mnemonic, still takes one line, so it is measured with a blank after it.
QString LabelMeasuredText(const QString& Text, bool ShowAccelChar);

} // namespace schemakit
