#include "GridGeometry.h"

#include <algorithm>

namespace schemakit {

int TGridAxis::Start(int Index) const
{
    if (Index < 0 || Index >= Count() || (Index >= Fixed && Index < First))
        return -1;
    int pos = 0;
    for (int i = 0; i < std::min(Index, Fixed); ++i)
        pos += Sizes.at(i) + LineWidth;
    for (int i = std::max(First, Fixed); i < Index; ++i)
        pos += Sizes.at(i) + LineWidth;
    return pos;
}

int TGridAxis::IndexAt(int Pos) const
{
    if (Pos < 0)
        return -1;
    int pos = 0;
    auto hit = [&](int i) {
        pos += Sizes.at(i) + LineWidth;
        return Pos < pos;
    };
    for (int i = 0; i < std::min(Fixed, Count()); ++i) {
        if (hit(i))
            return i;
    }
    for (int i = std::max(First, Fixed); i < Count(); ++i) {
        if (hit(i))
            return i;
    }
    return -1;
}

int TGridAxis::BorderAt(int Pos, int Tolerance) const
{
    int best = -1;
    int bestDistance = Tolerance + 1;
    auto consider = [&](int i) {
        const int start = Start(i);
        if (start < 0)
            return;
        // The line drawn after the cell is the border a user grabs.
        const int distance = std::abs(start + Sizes.at(i) - Pos);
        if (distance <= Tolerance && distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    };
    for (int i = 0; i < std::min(Fixed, Count()); ++i)
        consider(i);
    for (int i = std::max(First, Fixed); i < Count(); ++i)
        consider(i);
    return best;
}

int TGridAxis::MaxFirst(int Extent) const
{
    int room = Extent;
    for (int i = 0; i < std::min(Fixed, Count()); ++i)
        room -= Sizes.at(i) + LineWidth;
    // Walk back from the last cell while the cells from there on still fit.
    int first = Count();
    while (first > Fixed) {
        const int need = Sizes.at(first - 1) + LineWidth;
        if (need > room)
            break;
        room -= need;
        --first;
    }
    // The last cell is reachable even when it alone is wider than the view.
    return std::max(Fixed, std::min(first, Count() - 1));
}

int TGridAxis::LastVisible(int Extent) const
{
    int last = -1;
    for (int i = 0; i < Count(); ++i) {
        const int start = Start(i);
        if (start < 0)
            continue;
        if (start >= Extent)
            break;
        last = i;
    }
    return last;
}

void TGridAxis::ClampFirst(int Extent)
{
    First = std::clamp(First, Fixed, std::max(Fixed, MaxFirst(Extent)));
}

void TGridAxis::ScrollInView(int Index, int Extent)
{
    if (Index < Fixed || Index >= Count())
        return;
    if (Index < First) {
        First = Index;
        return;
    }
    // Scroll forward until the cell's end is inside the view, but never past
    // the cell itself.
    while (First < Index) {
        const int start = Start(Index);
        if (start >= 0 && start + Sizes.at(Index) <= Extent)
            break;
        ++First;
    }
}

QRect TGridLayout::CellRect(int Col, int Row) const
{
    const int x = Cols.Start(Col);
    const int y = Rows.Start(Row);
    if (x < 0 || y < 0)
        return {};
    return {x, y, Cols.Size(Col), Rows.Size(Row)};
}

QPoint TGridLayout::CellAt(QPoint Pos) const
{
    return {Cols.IndexAt(Pos.x()), Rows.IndexAt(Pos.y())};
}

} // namespace schemakit
