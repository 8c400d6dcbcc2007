// Draws the library's pictures: the 32 × 32 pictures of icon boxes (SIT_*), the
// 16 × 16 images of the item toolbar (STB_*) and the 24 × 24 Designer palette
// images, as PNGs with an alpha channel. Pictures are drawn pixel by pixel in the
// classic 16-colour palette without smoothing, like the box's window icon, so
// they stay crisp at their small size; only round or turned shapes are smoothed.
//
// Usage: make_pictures <output folder> [contact sheet.png]

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QtMath>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QColor K(0, 0, 0);
const QColor W(255, 255, 255);
const QColor S(192, 192, 192);
const QColor G(128, 128, 128);
const QColor R(255, 0, 0);
const QColor M(128, 0, 0);
const QColor Y(255, 255, 0);
const QColor O(128, 128, 0);
const QColor L(0, 255, 0);
const QColor Gn(0, 128, 0);
const QColor A(0, 255, 255);
const QColor T(0, 128, 128);
const QColor B(0, 0, 255);
const QColor N(0, 0, 128);

// A painter on a transparent picture with a few pixel-exact helpers: w × h
// always means the pixels covered, outline included.
class Pic {
public:
    explicit Pic(int size) : img(size, size, QImage::Format_ARGB32)
    {
        img.fill(Qt::transparent);
        p.begin(&img);
    }
    QImage Done()
    {
        p.end();
        return img;
    }

    void Box(int x, int y, int w, int h, const QColor& fill, const QColor& line = K)
    {
        p.fillRect(x, y, w, h, fill);
        p.setPen(line);
        p.setBrush(Qt::NoBrush);
        p.drawRect(x, y, w - 1, h - 1);
    }
    void Fill(int x, int y, int w, int h, const QColor& c) { p.fillRect(x, y, w, h, c); }
    void Line(int x1, int y1, int x2, int y2, const QColor& c, int width = 1)
    {
        p.setPen(QPen(c, width, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(x1, y1, x2, y2);
    }
    void Ellipse(int x, int y, int w, int h, const QColor& fill, const QColor& line = K)
    {
        p.setPen(line);
        p.setBrush(fill);
        p.drawEllipse(QRect(x, y, w - 1, h - 1));
    }
    void Poly(std::initializer_list<QPoint> points, const QColor& fill, const QColor& line = K)
    {
        p.setPen(line);
        p.setBrush(fill);
        p.drawPolygon(QPolygon(QList<QPoint>(points)));
    }
    void Clear(const QPainterPath& path)
    {
        p.save();
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.fillPath(path, Qt::transparent);
        p.restore();
    }
    void Smooth(bool on) { p.setRenderHint(QPainter::Antialiasing, on); }

    // An arc of a circle around c, drawn counter-clockwise from `start` through
    // `sweep` degrees, ending in an arrowhead.
    void ArcArrow(QPointF c, double r, double start, double sweep, const QColor& color, double width)
    {
        Smooth(true);
        p.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), int(start * 16), int(sweep * 16));
        const double end = qDegreesToRadians(start + sweep);
        const QPointF at(c.x() + r * std::cos(end), c.y() - r * std::sin(end));
        const QPointF along(-std::sin(end), -std::cos(end)); // counter-clockwise on screen
        const QPointF out(std::cos(end), -std::sin(end));
        const double head = width * 1.3;
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawPolygon(QPolygonF({at + along * head * 1.4, at + out * head, at - out * head}));
        Smooth(false);
    }

    QImage img;
    QPainter p;
};

// --- the pictures of icon boxes -------------------------------------------------------

// A box of the diagram: a window with a caption bar and rows.
void TableBox(Pic& d, int x, int y, int w, int h)
{
    d.Box(x, y, w, h, W);
    d.Fill(x + 1, y + 1, w - 2, 3, N);
}

QImage Default()
{
    Pic d(32);
    d.Box(3, 4, 26, 24, W);
    d.Fill(4, 5, 24, 5, N);
    d.Box(23, 6, 4, 3, S, S);
    for (int i = 0; i < 4; ++i) {
        d.Box(6, 12 + i * 4, 3, 3, W);
        d.Fill(11, 13 + i * 4, 12 - (i % 2) * 4, 1, K);
    }
    d.Fill(7, 13, 1, 1, K);
    return d.Done();
}

QImage Computer()
{
    Pic d(32);
    d.Box(3, 1, 26, 20, S);
    d.Box(6, 4, 20, 14, N, G);
    d.Fill(8, 6, 6, 1, A);
    d.Fill(8, 8, 10, 1, A);
    d.Fill(8, 10, 4, 1, A);
    d.Box(12, 21, 8, 3, G);
    d.Box(2, 24, 28, 7, S);
    for (int y = 26; y <= 28; y += 2)
        for (int x = 4; x <= 26; x += 3)
            d.Fill(x, y, 2, 1, G);
    d.Fill(22, 18, 3, 1, L);
    return d.Done();
}

QImage Drive()
{
    Pic d(32);
    d.Poly({{2, 14}, {8, 8}, {30, 8}, {24, 14}}, W);
    d.Poly({{24, 14}, {30, 8}, {30, 17}, {24, 23}}, G);
    d.Box(2, 14, 23, 10, S);
    d.Fill(4, 18, 12, 2, K);
    d.Fill(19, 18, 3, 2, L);
    d.Line(3, 22, 23, 22, G);
    return d.Done();
}

QImage Calculator()
{
    Pic d(32);
    d.Box(6, 1, 20, 30, S);
    d.Box(8, 3, 16, 7, W);
    // "888" in seven-segment strokes
    for (int i = 0; i < 3; ++i) {
        d.Box(12 + i * 4, 4, 3, 5, W);
        d.Fill(12 + i * 4, 6, 3, 1, K);
    }
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            d.Box(8 + c * 4, 12 + r * 4, 4, 4, c == 3 ? R : W);
    d.Box(8, 28, 16, 2, G, G);
    return d.Done();
}

QImage Calendar()
{
    Pic d(32);
    d.Box(2, 4, 28, 27, W);
    d.Fill(3, 5, 26, 6, R);
    d.Box(8, 1, 3, 7, S);
    d.Box(21, 1, 3, 7, S);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 6; ++c)
            d.Fill(5 + c * 4, 14 + r * 4, 3, 2, (r == 2 && c == 3) ? R : G);
    return d.Done();
}

QImage Design()
{
    Pic d(32);
    // A drafting triangle with its hole
    d.Poly({{2, 29}, {2, 4}, {27, 29}}, Y);
    QPainterPath hole;
    hole.addPolygon(QPolygonF(QPolygon({{7, 25}, {7, 15}, {16, 25}})));
    d.Clear(hole);
    d.Poly({{7, 25}, {7, 15}, {17, 25}}, Qt::NoBrush, O);
    for (int y = 8; y <= 26; y += 3)
        d.Line(3, y, 4, y, K);
    // and a pencil across it
    d.Poly({{25, 1}, {30, 6}, {16, 20}, {11, 15}}, R);
    d.Line(13, 16, 27, 2, M);
    d.Poly({{11, 15}, {16, 20}, {8, 23}}, S);
    d.Fill(8, 22, 2, 2, K);
    return d.Done();
}

QImage Fax()
{
    Pic d(32);
    d.Box(9, 2, 15, 12, W);
    for (int y = 5; y <= 11; y += 2)
        d.Line(11, y, 21, y, G);
    d.Box(2, 13, 28, 16, S);
    d.Line(8, 14, 25, 14, K);
    // the handset lies on the left
    d.Box(3, 15, 6, 12, G);
    d.Fill(4, 17, 4, 2, K);
    d.Fill(4, 23, 4, 2, K);
    d.Box(11, 17, 9, 4, T);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            d.Fill(21 + c * 3, 17 + r * 3, 2, 2, K);
    d.Fill(11, 24, 8, 2, G);
    d.Fill(3, 29, 27, 1, G);
    return d.Done();
}

QImage Recycle()
{
    Pic d(32);
    d.Poly({{7, 9}, {25, 9}, {23, 30}, {9, 30}}, S);
    d.Box(5, 6, 22, 4, S);
    d.Box(12, 3, 8, 4, Qt::transparent);
    for (int x : {11, 16, 21})
        d.Line(x, 12, x + (16 - x) / 5, 27, G);
    d.ArcArrow({16, 19}, 4.5, 90, 250, Gn, 2);
    return d.Done();
}

QImage Connection()
{
    Pic d(32);
    // A plug on its cable meets a socket on its own
    d.Line(0, 20, 4, 20, K, 3);
    d.Poly({{4, 14}, {12, 12}, {12, 28}, {4, 26}}, G);
    d.Box(12, 13, 2, 15, S);
    d.Box(14, 15, 5, 3, Y);
    d.Box(14, 22, 5, 3, Y);
    d.Box(20, 11, 2, 19, S);
    d.Poly({{22, 12}, {28, 14}, {28, 26}, {22, 28}}, G);
    d.Line(28, 20, 31, 20, K, 3);
    // and a spark tells they connect
    d.Poly({{17, 1}, {22, 1}, {19, 5}, {23, 5}, {15, 11}, {18, 6}, {14, 6}}, Y);
    return d.Done();
}

QImage Cross()
{
    Pic d(32);
    d.Smooth(true);
    d.Line(7, 7, 24, 24, K, 8);
    d.Line(24, 7, 7, 24, K, 8);
    d.Line(7, 7, 24, 24, R, 6);
    d.Line(24, 7, 7, 24, R, 6);
    return d.Done();
}

QImage Password()
{
    Pic d(32);
    d.Smooth(true);
    d.Box(13, 14, 17, 5, Y);
    d.Box(21, 18, 3, 5, Y);
    d.Box(26, 18, 4, 7, Y);
    d.Ellipse(1, 8, 16, 16, Y);
    QPainterPath hole;
    hole.addEllipse(QRectF(4.5, 13.5, 5, 5));
    d.Clear(hole);
    d.p.setPen(K);
    d.p.setBrush(Qt::NoBrush);
    d.p.drawEllipse(QRectF(4.5, 13.5, 5, 5));
    d.Line(13, 16, 29, 16, O);
    return d.Done();
}

void Cylinder(Pic& d, int x, int y, int w, int h, const QColor& side, const QColor& top, int bands)
{
    const int e = w / 3; // height of the end ellipses
    d.Ellipse(x, y + h - e, w, e, side);
    d.Fill(x, y + e / 2, w, h - e, side);
    d.Line(x, y + e / 2, x, y + h - e / 2, K);
    d.Line(x + w - 1, y + e / 2, x + w - 1, y + h - e / 2, K);
    d.p.setPen(K);
    d.p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= bands; ++i) {
        const int by = y + (h - e) * i / (bands + 1);
        d.p.drawArc(QRect(x, by, w - 1, e - 1), 180 * 16, 180 * 16);
    }
    d.Ellipse(x, y, w, e, top);
}

QImage Database()
{
    Pic d(32);
    Cylinder(d, 4, 2, 24, 28, T, A, 2);
    return d.Done();
}

QImage Paper()
{
    Pic d(32);
    d.Poly({{5, 1}, {20, 1}, {26, 7}, {26, 30}, {5, 30}}, W);
    d.Poly({{20, 1}, {20, 7}, {26, 7}}, S);
    for (int y = 11; y <= 26; y += 3)
        d.Line(8, y, y == 26 ? 16 : 23, y, G);
    return d.Done();
}

QImage Link()
{
    Pic d(32);
    d.Smooth(true);
    auto ring = [&](double cx, double cy, const QColor& c) {
        d.p.save();
        d.p.translate(cx, cy);
        d.p.rotate(-45);
        d.p.setBrush(Qt::NoBrush);
        d.p.setPen(QPen(K, 5));
        d.p.drawRoundedRect(QRectF(-9, -4.5, 18, 9), 4.5, 4.5);
        d.p.setPen(QPen(c, 3));
        d.p.drawRoundedRect(QRectF(-9, -4.5, 18, 9), 4.5, 4.5);
        d.p.restore();
    };
    ring(11, 21, S);
    ring(21, 11, S);
    // the first ring passes over the second at one crossing
    d.p.save();
    d.p.setClipRect(QRect(9, 9, 8, 6));
    ring(11, 21, S);
    d.p.restore();
    return d.Done();
}

QImage Relation()
{
    Pic d(32);
    TableBox(d, 1, 2, 13, 13);
    TableBox(d, 18, 17, 13, 13);
    for (int i = 0; i < 2; ++i) {
        d.Fill(4, 8 + i * 3, 7, 1, G);
        d.Fill(21, 23 + i * 3, 7, 1, G);
    }
    d.Line(14, 8, 16, 8, K);
    d.Line(16, 8, 16, 23, K);
    d.Line(16, 23, 17, 23, K);
    d.Ellipse(13, 6, 5, 5, W);
    d.Box(15, 22, 3, 3, K);
    return d.Done();
}

QImage Settings()
{
    Pic d(32);
    d.Smooth(true);
    QPolygonF gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        // each tooth: up from the inner circle, across the outer one, down again
        const double a = i * 2 * M_PI / (teeth * 4);
        const double r = (i % 4 == 0 || i % 4 == 3) ? 11.0 : 15.0;
        gear << QPointF(16 + r * std::cos(a + 0.1), 16 + r * std::sin(a + 0.1));
    }
    d.p.setPen(K);
    d.p.setBrush(S);
    d.p.drawPolygon(gear);
    d.p.setBrush(G);
    d.p.drawEllipse(QPointF(16, 16), 7, 7);
    QPainterPath hole;
    hole.addEllipse(QPointF(16, 16), 3.5, 3.5);
    d.Clear(hole);
    d.p.setBrush(Qt::NoBrush);
    d.p.drawEllipse(QPointF(16, 16), 3.5, 3.5);
    return d.Done();
}

QImage FolderBox()
{
    Pic d(32);
    d.Poly({{1, 7}, {3, 4}, {11, 4}, {13, 7}, {28, 7}, {28, 27}, {1, 27}}, QColor(192, 192, 0));
    d.Box(3, 9, 22, 6, W);
    d.Poly({{1, 27}, {4, 13}, {31, 13}, {28, 27}}, Y);
    return d.Done();
}

QImage Font()
{
    Pic d(32);
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(30);
    f.setBold(true);
    f.setStyleStrategy(QFont::NoAntialias);
    d.p.setFont(f);
    d.p.setPen(K);
    d.p.drawText(QRect(0, -2, 32, 30), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("A"));
    d.Fill(3, 29, 26, 2, R);
    return d.Done();
}

QImage Form()
{
    Pic d(32);
    d.Box(1, 3, 30, 26, S);
    d.Fill(2, 4, 28, 5, N);
    d.Fill(4, 6, 10, 1, W);
    d.Box(25, 5, 4, 3, S);
    for (int i = 0; i < 2; ++i) {
        d.Fill(4, 12 + i * 6, 6, 1, K);
        d.Box(12, 10 + i * 6, 16, 5, W, G);
    }
    d.Box(19, 22, 10, 5, S);
    d.Fill(21, 24, 6, 1, K);
    return d.Done();
}

QImage Graph()
{
    Pic d(32);
    d.Box(6, 17, 5, 12, R);
    d.Box(12, 9, 5, 20, B);
    d.Box(18, 13, 5, 16, Gn);
    d.Box(24, 5, 5, 24, Y);
    d.Line(3, 1, 3, 29, K);
    d.Line(3, 29, 30, 29, K);
    d.Line(1, 3, 3, 1, K);
    d.Line(5, 3, 3, 1, K);
    return d.Done();
}

QImage Mail()
{
    Pic d(32);
    d.Box(1, 7, 30, 19, W);
    d.Line(1, 7, 16, 18, K);
    d.Line(30, 7, 16, 18, K);
    d.Line(1, 25, 12, 15, G);
    d.Line(30, 25, 20, 15, G);
    return d.Done();
}

void SmallMonitor(Pic& d, int x, int y)
{
    d.Box(x, y, 11, 9, S);
    d.Fill(x + 2, y + 2, 7, 5, T);
    d.Box(x + 3, y + 9, 5, 2, G);
}

QImage Network()
{
    Pic d(32);
    d.Line(16, 10, 16, 17, K);
    d.Line(6, 20, 6, 17, K);
    d.Line(25, 20, 25, 17, K);
    d.Line(6, 17, 25, 17, K, 2);
    SmallMonitor(d, 10, 0);
    SmallMonitor(d, 0, 20);
    SmallMonitor(d, 20, 20);
    d.Box(13, 15, 7, 4, G);
    d.Fill(14, 16, 2, 2, L);
    return d.Done();
}

QImage Note()
{
    Pic d(32);
    d.Poly({{3, 3}, {28, 3}, {28, 22}, {21, 29}, {3, 29}}, Y);
    d.Poly({{21, 29}, {21, 22}, {28, 22}}, QColor(192, 192, 0));
    for (int y = 9; y <= 21; y += 4)
        d.Line(7, y, y == 21 ? 17 : 24, y, O);
    d.Ellipse(13, 0, 6, 6, R);
    return d.Done();
}

QImage WebData()
{
    Pic d(32);
    d.Smooth(true);
    QPainterPath globe;
    globe.addEllipse(QRectF(1.5, 1.5, 29, 29));
    d.p.fillPath(globe, B);
    d.p.save();
    d.p.setClipPath(globe);
    d.p.setPen(Qt::NoPen);
    d.p.setBrush(Gn);
    d.p.drawPolygon(QPolygonF({QPointF(5, 8), QPointF(14, 5), QPointF(16, 11), QPointF(11, 15), QPointF(12, 22),
                               QPointF(8, 21), QPointF(4, 14)}));
    d.p.drawPolygon(QPolygonF({QPointF(19, 13), QPointF(27, 12), QPointF(30, 19), QPointF(24, 28), QPointF(20, 22)}));
    d.p.setPen(QPen(A, 1));
    d.p.setBrush(Qt::NoBrush);
    d.p.drawEllipse(QRectF(9, 1.5, 14, 29));
    d.p.drawLine(QPointF(16, 1), QPointF(16, 31));
    for (double y : {9.0, 16.0, 23.0})
        d.p.drawLine(QPointF(0, y), QPointF(32, y));
    d.p.restore();
    d.p.setPen(QPen(N, 1.2));
    d.p.drawPath(globe);
    return d.Done();
}

QImage Printer()
{
    Pic d(32);
    d.Box(8, 1, 16, 12, W);
    for (int y = 4; y <= 10; y += 2)
        d.Line(10, y, 21, y, G);
    d.Poly({{5, 11}, {26, 11}, {30, 15}, {1, 15}}, S);
    d.Box(1, 15, 30, 10, S);
    d.Fill(2, 21, 28, 3, G);
    d.Fill(24, 17, 3, 2, L);
    d.Box(6, 24, 20, 6, W);
    d.Line(8, 27, 22, 27, G);
    return d.Done();
}

QImage Server()
{
    Pic d(32);
    d.Poly({{10, 3}, {13, 0}, {27, 0}, {24, 3}}, W);
    d.Poly({{24, 3}, {27, 0}, {27, 28}, {24, 31}}, G);
    d.Box(5, 3, 20, 29, S);
    for (int i = 0; i < 3; ++i) {
        d.Box(8, 6 + i * 5, 14, 4, S, G);
        d.Fill(10, 7 + i * 5, 8, 2, K);
    }
    for (int y = 22; y <= 26; y += 2)
        d.Line(8, y, 21, y, G);
    d.Fill(8, 28, 2, 2, L);
    d.Fill(12, 28, 2, 2, Y);
    return d.Done();
}

QImage Signal()
{
    Pic d(32);
    // a lattice mast
    d.Line(16, 12, 9, 30, K);
    d.Line(16, 12, 23, 30, K);
    d.Line(12, 22, 20, 22, K);
    d.Line(11, 26, 21, 26, K);
    d.Line(12, 22, 21, 26, K);
    d.Line(20, 22, 11, 26, K);
    d.Line(13, 18, 19, 18, K);
    d.Smooth(true);
    d.Ellipse(13, 8, 7, 7, R);
    // sending waves both ways
    d.p.setBrush(Qt::NoBrush);
    d.p.setPen(QPen(B, 2, Qt::SolidLine, Qt::RoundCap));
    for (double r : {7.0, 12.0}) {
        const QRectF ring(16.5 - r, 11.5 - r, 2 * r, 2 * r);
        d.p.drawArc(ring, -40 * 16, 80 * 16);
        d.p.drawArc(ring, 140 * 16, 80 * 16);
    }
    return d.Done();
}

QImage StopLight()
{
    Pic d(32);
    d.Box(8, 0, 16, 32, G);
    d.Fill(9, 1, 14, 30, QColor(64, 64, 64));
    d.Smooth(true);
    d.Ellipse(11, 2, 10, 9, R);
    d.Ellipse(11, 11, 10, 9, Y);
    d.Ellipse(11, 21, 10, 9, L);
    return d.Done();
}

QImage Time()
{
    Pic d(32);
    d.Smooth(true);
    d.p.setPen(QPen(K, 1));
    d.p.setBrush(N);
    d.p.drawEllipse(QRectF(0.5, 0.5, 31, 31));
    d.p.setBrush(W);
    d.p.drawEllipse(QRectF(3.5, 3.5, 25, 25));
    d.Smooth(false);
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        const int len = (i % 3 == 0) ? 3 : 1;
        const QPointF o(16 + 11 * std::sin(a), 16 - 11 * std::cos(a));
        const QPointF in(16 + (11 - len) * std::sin(a), 16 - (11 - len) * std::cos(a));
        d.p.setPen(QPen(K, i % 3 == 0 ? 2 : 1));
        d.p.drawLine(o, in);
    }
    d.Line(16, 16, 16, 7, K, 2);
    d.Line(16, 16, 22, 19, K, 2);
    d.Fill(15, 15, 2, 2, R);
    return d.Done();
}

QImage Update()
{
    Pic d(32);
    d.ArcArrow({16, 16}, 10.5, 20, 145, Gn, 4.5);
    d.ArcArrow({16, 16}, 10.5, 200, 145, Gn, 4.5);
    return d.Done();
}

QImage User()
{
    Pic d(32);
    d.Smooth(true);
    d.p.setPen(K);
    d.p.setBrush(B);
    QPainterPath body;
    body.moveTo(4.5, 31.5);
    body.lineTo(4.5, 25);
    body.cubicTo(4.5, 19, 9, 17, 16, 17);
    body.cubicTo(23, 17, 27.5, 19, 27.5, 25);
    body.lineTo(27.5, 31.5);
    body.closeSubpath();
    d.p.drawPath(body);
    d.p.setBrush(W);
    d.p.drawPolygon(QPolygonF({QPointF(13, 17.5), QPointF(16, 23), QPointF(19, 17.5)}));
    d.p.setBrush(QColor(255, 204, 153));
    d.p.drawEllipse(QRectF(9.5, 1.5, 13, 15));
    d.p.setBrush(QColor(128, 64, 0));
    d.p.drawChord(QRectF(9.5, 1.5, 13, 15), 20 * 16, 140 * 16);
    return d.Done();
}

// --- the item toolbar ---------------------------------------------------------------

QImage ToolListBox()
{
    Pic d(16);
    d.Box(1, 1, 14, 14, W);
    d.Fill(3, 4, 8, 1, K);
    d.Fill(2, 6, 12, 3, N);
    d.Fill(3, 7, 9, 1, W);
    d.Fill(3, 10, 7, 1, K);
    d.Fill(3, 12, 9, 1, K);
    return d.Done();
}

QImage ToolCheckListBox()
{
    Pic d(16);
    d.Box(1, 1, 14, 14, W);
    for (int i = 0; i < 2; ++i) {
        const int y = 2 + i * 6;
        d.Box(2, y, 6, 6, W);
        d.Fill(9, y + 2, 4, 1, K);
    }
    d.Line(3, 4, 4, 5, K);
    d.Line(4, 5, 6, 3, K);
    d.Fill(9, 12, 4, 1, K);
    return d.Done();
}

QImage ToolTreeView()
{
    Pic d(16);
    d.Box(1, 1, 14, 14, W);
    for (int y = 6; y <= 12; y += 2)
        d.Fill(4, y, 1, 1, G);
    for (int x = 6; x <= 6; x += 2) {
        d.Fill(x, 8, 1, 1, G);
        d.Fill(x, 12, 1, 1, G);
    }
    d.Box(3, 3, 4, 3, Y);
    d.Fill(8, 4, 5, 1, K);
    d.Box(7, 7, 3, 3, Y);
    d.Fill(11, 8, 3, 1, K);
    d.Box(7, 11, 3, 3, Y);
    d.Fill(11, 12, 3, 1, K);
    return d.Done();
}

QImage ToolText()
{
    Pic d(16);
    d.Poly({{1, 2}, {10, 2}, {14, 6}, {14, 13}, {1, 13}}, W);
    d.Poly({{10, 2}, {10, 6}, {14, 6}}, S);
    d.Fill(3, 5, 5, 1, K);
    d.Fill(3, 8, 9, 1, K);
    d.Fill(3, 10, 7, 1, K);
    return d.Done();
}

QImage ToolIcon()
{
    Pic d(16);
    d.Box(1, 2, 14, 12, A);
    d.Poly({{2, 12}, {6, 6}, {9, 10}, {11, 8}, {13, 12}}, Gn, Gn);
    d.Ellipse(10, 3, 3, 3, Y, Y);
    d.Box(1, 2, 14, 12, Qt::transparent);
    return d.Done();
}

// --- the Designer palette -------------------------------------------------------------

QImage PaletteDesignArea()
{
    Pic d(24);
    d.Box(0, 1, 24, 22, W, G);
    TableBox(d, 2, 3, 9, 9);
    TableBox(d, 13, 12, 9, 9);
    d.Fill(4, 8, 5, 1, G);
    d.Fill(15, 17, 5, 1, G);
    d.Line(11, 8, 12, 8, K);
    d.Line(12, 8, 12, 17, K);
    d.Box(11, 16, 3, 3, K);
    return d.Done();
}

QImage PaletteBuilderDialog()
{
    Pic d(24);
    d.Box(0, 1, 24, 22, S);
    d.Fill(1, 2, 22, 3, N);
    TableBox(d, 2, 6, 7, 7);
    TableBox(d, 14, 6, 7, 7);
    d.Line(9, 9, 13, 9, K);
    d.Box(2, 14, 20, 7, W, G);
    for (int x = 7; x <= 17; x += 5)
        d.Line(x, 14, x, 20, G);
    d.Line(2, 17, 21, 17, G);
    return d.Done();
}

QImage PaletteCustomEngine()
{
    Pic d(24);
    Cylinder(d, 2, 2, 15, 20, T, A, 1);
    d.Poly({{17, 4}, {22, 4}, {19, 10}, {23, 10}, {15, 21}, {17, 13}, {14, 13}}, Y);
    return d.Done();
}

QImage PaletteSqlEngine()
{
    Pic d(24);
    Cylinder(d, 1, 1, 14, 20, QColor(192, 192, 0), Y, 1);
    d.Box(11, 12, 12, 11, W);
    d.Fill(12, 13, 10, 2, N);
    d.Line(11, 18, 22, 18, G);
    d.Line(16, 15, 16, 22, G);
    return d.Done();
}

struct Picture {
    const char* Name;
    std::function<QImage()> Draw;
};

const std::vector<Picture>& Pictures()
{
    static const std::vector<Picture> all = {
        {"SIT_DEFAULT", Default},
        {"SIT_COMPUTER", Computer},
        {"SIT_DRIVE", Drive},
        {"SIT_CALCULATOR", Calculator},
        {"SIT_CALENDAR", Calendar},
        {"SIT_DESIGN", Design},
        {"SIT_FAX", Fax},
        {"SIT_RECYCLE", Recycle},
        {"SIT_CONNECTION", Connection},
        {"SIT_CROSS", Cross},
        {"SIT_PASSWORD", Password},
        {"SIT_DATABASE", Database},
        {"SIT_PAPER", Paper},
        {"SIT_LINK", Link},
        {"SIT_RELATION", Relation},
        {"SIT_SETTINGS", Settings},
        {"SIT_FOLDERBOX", FolderBox},
        {"SIT_FONT", Font},
        {"SIT_FORM", Form},
        {"SIT_GRAPH", Graph},
        {"SIT_MAIL", Mail},
        {"SIT_NETWORK", Network},
        {"SIT_NOTE", Note},
        {"SIT_WEBDATA", WebData},
        {"SIT_PRINTER", Printer},
        {"SIT_SERVER", Server},
        {"SIT_SIGNAL", Signal},
        {"SIT_STOPLIGHT", StopLight},
        {"SIT_TIME", Time},
        {"SIT_UPDATE", Update},
        {"SIT_USER", User},
        {"STB_LISTBOX", ToolListBox},
        {"STB_CHECKLISTBOX", ToolCheckListBox},
        {"STB_TREEVIEW", ToolTreeView},
        {"STB_TEXT", ToolText},
        {"STB_ICON", ToolIcon},
        {"TSCHEMADESIGNAREA", PaletteDesignArea},
        {"TSQLBUILDERDIALOG", PaletteBuilderDialog},
        {"TSCHEMACUSTOMDATAENGINE", PaletteCustomEngine},
        {"TSCHEMABDEDATAENGINE", PaletteSqlEngine},
    };
    return all;
}

// Every picture at four times its size on the button-face grey, with its name,
// for looking them over at once.
QImage ContactSheet(const std::vector<std::pair<QString, QImage>>& pictures)
{
    const int zoom = 4, cell = 32 * zoom + 24, columns = 8;
    const int rows = int((pictures.size() + columns - 1) / columns);
    QImage sheet(columns * cell, rows * (cell + 14), QImage::Format_RGB32);
    sheet.fill(QColor(212, 208, 200));
    QPainter p(&sheet);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    p.setFont(f);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const auto& [name, image] = pictures[i];
        const int x = int(i % columns) * cell + 12, y = int(i / columns) * (cell + 14) + 8;
        const QSize size = image.size() * zoom;
        p.drawImage(QRect(QPoint(x + (32 * zoom - size.width()) / 2, y + (32 * zoom - size.height()) / 2), size),
                    image);
        p.setPen(Qt::black);
        p.drawText(QRect(x - 10, y + 32 * zoom + 2, cell - 4, 16), Qt::AlignHCenter, name);
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_pictures <output folder> [contact sheet.png]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    std::vector<std::pair<QString, QImage>> made;
    for (const Picture& picture : Pictures()) {
        const QString name = QString::fromLatin1(picture.Name);
        const QImage image = picture.Draw();
        const QString file = out.filePath(name + QStringLiteral(".png"));
        if (!image.save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        made.emplace_back(name, image);
    }
    if (argc > 2 && !ContactSheet(made).save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
