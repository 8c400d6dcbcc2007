#include "ColumnGridGeometry.h"

namespace schemakit {

namespace {

int RightOf(const QRect& r)
{
    return r.x() + r.width();
}

int BottomOf(const QRect& r)
{
    return r.y() + r.height();
}

} // namespace

QRect InplaceEditorRect(TColumnEditor Editor, const QRect& Cell, QSize CheckBox)
{
    switch (Editor) {
    case ceNone: return {};
    case ceGroupBy: {
        // Integer division truncates towards zero, as the placement has always done.
        const int left = (Cell.x() + RightOf(Cell) - CheckBox.width()) / 2 + 3;
        const int top = (Cell.y() + BottomOf(Cell) - CheckBox.height()) / 2 + 3;
        return {left, top, CheckBox.width(), CheckBox.height()};
    }
    case ceTables:
    case ceValues:
    case ceSorting:
    case ceWhere: return {Cell.x() + 1, Cell.y() + 1, Cell.width() + 1, Cell.height() + 1};
    }
    return {};
}

QRect CellTextRect(const QRect& Cell)
{
    return {Cell.x() + 2, Cell.y() + 2, Cell.width() - 3, Cell.height() - 2};
}

QRect CheckBoxGlyphRect(const QRect& Rect, QSize CheckBox)
{
    const int left = Rect.x() + (Rect.width() - CheckBox.width()) / 2;
    const int top = Rect.y() + (Rect.height() - CheckBox.height()) / 2;
    return {left, top, CheckBox.width(), CheckBox.height()};
}

} // namespace schemakit
