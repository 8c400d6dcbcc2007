#include "BuilderFormFixture.h"

#include <schemakit/builder/ColumnGridGeometry.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSplitter>
#include <QStyleOptionButton>
#include <QTabWidget>

using namespace schemakit;
using namespace schemakit::test;
using namespace Qt::StringLiterals;

namespace {

// Pixels that are clearly ink on a light background.
bool IsInk(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// The columns of a rectangle that hold ink, as [first, last], or {-1, -1}.
std::pair<int, int> InkColumns(const QImage& image, const QRect& rect)
{
    int first = -1;
    int last = -1;
    for (int x = rect.left(); x <= rect.right(); ++x) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            if (IsInk(image.pixel(x, y))) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

// How much heavier than regular text a caption is drawn: ink pixels per column.
double InkPerColumn(const QImage& image, const QRect& rect)
{
    int ink = 0;
    const auto [first, last] = InkColumns(image, rect);
    for (int x = rect.left(); x <= rect.right(); ++x) {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            ink += IsInk(image.pixel(x, y));
    }
    return first < 0 ? 0.0 : double(ink) / (last - first + 1);
}

} // namespace

// Three used columns, one aggregate, one sort and Grouping on: what the grid
// shows, cell by cell.
TEST_F(BuilderFormTest, TheColumnGridIsPaintedByItsRules)
{
    // Tall enough for the Having row.
    form->resize(760, 560);
    form->SplitterGrid->splitter()->setSizes({300, 230});
    TSchemaItem* customer = Drop(u"customer"_s);
    Row(customer, u"name"_s)->SetChecked(true);
    Row(customer, u"id"_s)->SetChecked(true);
    TSchemaItem* orders = Drop(u"orders"_s, 200, 10);
    TColumnGrid* grid = form->sgColumnGrid;
    grid->SetCurrent(1, grSort);
    form->cbSorting->setCurrentIndex(1);
    form->cbInplaceChange(form->cbSorting);
    grid->SetCurrent(2, grCalculate);
    form->cbValues->setCurrentIndex(form->cbValues->findText(u"Summa"_s));
    form->cbInplaceChange(form->cbValues);
    grid->SetCurrent(1, grGrouping);
    form->cbGroupBy->setChecked(true);
    form->cbInplaceChange(form->cbGroupBy);
    ASSERT_EQ(ColumnFields(), (QStringList{u"name"_s, u"id"_s, u"*"_s}));
    ASSERT_EQ(grid->RowCount(), 7);
    grid->clearFocus();
    form->setFocus();

    QImage image(grid->viewport()->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        grid->PaintCells(painter, image.rect());
    }
    if (const QByteArray dir = qgetenv("SCHEMAKIT_PICTURES"); !dir.isEmpty()) {
        QCoreApplication::processEvents();
        image.save(QString::fromLocal8Bit(dir) + u"/column-grid.png"_s);
        form->grab().save(QString::fromLocal8Bit(dir) + u"/builder-form.png"_s);
    }

    auto inner = [&](int col, int row) { return CellTextRect(grid->CellRect(col, row)); };

    // Row 0: the fixed colour, each used column's field centred in bold; the
    // corner stays blank.
    const QColor fixed = grid->palette().button().color();
    EXPECT_EQ(QColor(image.pixel(inner(0, 0).topLeft())), fixed);
    EXPECT_EQ(InkColumns(image, inner(0, 0)).first, -1);
    for (int col = 1; col <= 3; ++col) {
        const QRect cell = inner(col, 0);
        const auto [first, last] = InkColumns(image, cell);
        ASSERT_GE(first, 0) << col;
        const int leftGap = first - cell.left();
        const int rightGap = cell.right() - last;
        EXPECT_LE(std::abs(leftGap - rightGap), 2) << col;
    }

    // Column 0: bold captions, right-aligned with one blank after them, down to
    // Having while it is shown.
    const int blank = QFontMetrics(grid->font()).horizontalAdvance(u' ');
    for (int row = grTable; row <= grHaving; ++row) {
        const QRect cell = inner(0, row);
        const auto [first, last] = InkColumns(image, cell);
        ASSERT_GE(first, 0) << row;
        EXPECT_GT(first - cell.left(), 10) << row;
        EXPECT_LE(cell.right() - last, blank + 3) << row;
        EXPECT_GE(cell.right() - last, 1) << row;
    }
    EXPECT_GT(InkPerColumn(image, inner(0, grWhere)), InkPerColumn(image, inner(1, grTable)));

    // Texts in the cells, left-aligned: the sort and the aggregate.
    for (const QPoint at : {QPoint(1, grSort), QPoint(2, grCalculate), QPoint(1, grTable)}) {
        const QRect cell = inner(at.x(), at.y());
        const auto [first, last] = InkColumns(image, cell);
        ASSERT_GE(first, 0) << at.x() << "," << at.y();
        EXPECT_LE(first - cell.left(), 2);
    }
    EXPECT_EQ(InkColumns(image, inner(3, grCalculate)).first, -1);

    // Row 5: the style's own check box in every data column, ticked where grouped.
    auto glyph = [&](bool checked) {
        const QSize size(form->CheckWidth(), form->CheckHeight());
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(grid->palette().base().color());
        QPainter painter(&picture);
        QStyleOptionButton option;
        option.initFrom(grid);
        option.rect = QRect(QPoint(0, 0), size);
        option.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
        grid->style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, grid);
        return picture;
    };
    for (int col = 1; col <= 3; ++col) {
        const QRect at = CheckBoxGlyphRect(inner(col, grGrouping), QSize(form->CheckWidth(), form->CheckHeight()));
        EXPECT_EQ(image.copy(at), glyph(col == 1)) << col;
    }
    EXPECT_NE(glyph(true), glyph(false));

    // An empty column shows an unticked box too.
    Row(customer, u"name"_s)->SetChecked(false);
    Row(customer, u"id"_s)->SetChecked(false);
    orders->GetSubItem(0)->SetChecked(false);
    ASSERT_EQ(grid->ColCount(), 2);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        grid->PaintCells(painter, image.rect());
    }
    EXPECT_EQ(InkColumns(image, inner(1, 0)).first, -1);
    const QRect at = CheckBoxGlyphRect(inner(1, grGrouping), QSize(form->CheckWidth(), form->CheckHeight()));
    EXPECT_EQ(image.copy(at), glyph(false));
}
