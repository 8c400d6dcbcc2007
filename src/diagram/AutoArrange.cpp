#include "AutoArrange.h"

#include <QtMath>

#include <algorithm>
#include <numeric>

namespace schemakit {

QList<TZBSRank> RankBoxes(const QList<int>& Ranks)
{
    QList<TZBSRank> ranks;
    ranks.reserve(Ranks.size());
    for (int i = 0; i < Ranks.size(); ++i)
        ranks.append({i, Ranks.at(i)});
    std::sort(ranks.begin(), ranks.end(),
              [](const TZBSRank& a, const TZBSRank& b) { return a.RankWeight > b.RankWeight; });
    return ranks;
}

namespace {

// The order in which boxes are placed: every group of linked boxes breadth
// first from its highest-ranked box, the groups by their highest rank.
QList<int> PlacingOrder(const TArrangeInput& Input)
{
    const int n = int(Input.Sizes.size());
    QList<QList<int>> neighbours(n);
    for (const auto& [a, b] : Input.Links) {
        if (a < 0 || b < 0 || a >= n || b >= n || a == b)
            continue;
        neighbours[a].append(b);
        neighbours[b].append(a);
    }
    const auto rank = [&](int i) { return i < Input.Ranks.size() ? Input.Ranks.at(i) : 0; };
    // Higher rank first; the earlier box first among equals, so that the
    // arrangement is the same every time.
    const auto before = [&](int a, int b) { return rank(a) != rank(b) ? rank(a) > rank(b) : a < b; };
    for (QList<int>& list : neighbours)
        std::sort(list.begin(), list.end(), before);

    QList<int> byRank(n);
    std::iota(byRank.begin(), byRank.end(), 0);
    std::sort(byRank.begin(), byRank.end(), before);

    QList<int> order;
    order.reserve(n);
    QList<bool> placed(n, false);
    for (int start : byRank) {
        if (placed[start])
            continue;
        placed[start] = true;
        qsizetype head = order.size();
        order.append(start);
        while (head < order.size()) {
            for (int next : neighbours[order.at(head)]) {
                if (!placed[next]) {
                    placed[next] = true;
                    order.append(next);
                }
            }
            ++head;
        }
    }
    return order;
}

} // namespace

QList<QPoint> ArrangeBoxes(const TArrangeInput& Input)
{
    const int n = int(Input.Sizes.size());
    QList<QPoint> positions(n);
    if (n == 0)
        return positions;
    const int spacing = std::max(0, Input.Spacing);
    int width = Input.Width;
    if (width <= 0) {
        // About as wide as high, for a diagram whose boxes were all square.
        qint64 area = 0;
        int widest = 0;
        for (const QSize& size : Input.Sizes) {
            area += qint64(size.width() + spacing) * (size.height() + spacing);
            widest = std::max(widest, size.width());
        }
        width = std::max(widest + 2 * spacing, int(std::sqrt(double(area)) * 1.2));
    }
    // Row by row: a box that does not fit into the rest of the row starts the
    // next one below the row's tallest box.
    int x = spacing;
    int y = spacing;
    int rowHeight = 0;
    for (int box : PlacingOrder(Input)) {
        const QSize size = Input.Sizes.at(box).expandedTo(QSize(0, 0));
        if (x > spacing && x + size.width() + spacing > width) {
            x = spacing;
            y += rowHeight + spacing;
            rowHeight = 0;
        }
        positions[box] = QPoint(x, y);
        x += size.width() + spacing;
        rowHeight = std::max(rowHeight, size.height());
    }
    return positions;
}

} // namespace schemakit
