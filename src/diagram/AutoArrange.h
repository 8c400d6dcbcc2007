#pragma once

#include <QList>
#include <QPoint>
#include <QSize>

#include <utility>

namespace schemakit {

// A box and its rank, for ordering boxes by how strongly they are connected.
struct TZBSRank {
    int ItemIndex = 0;  // the box's position among the boxes
    int RankWeight = 0; // rows + 10 × link weight (parent end 2, child end 1)
};

// The boxes' ranks, highest first. Equal ranks come in no promised order.
QList<TZBSRank> RankBoxes(const QList<int>& Ranks);

// What the arrangement knows of a diagram: the boxes' sizes and ranks (by box
// position) and its links as pairs of box positions.
struct TArrangeInput {
    QList<QSize> Sizes;
    QList<int> Ranks;
    QList<std::pair<int, int>> Links;
    int Spacing = 40; // free pixels between boxes and around the diagram
    int Width = 0;    // the width to fill before starting a new row; 0 picks one
};

// Places boxes so that none overlap and linked boxes stand near each other:
// the highest-ranked box first, then, breadth first, the boxes linked to the
// ones placed (higher ranks first), each group of linked boxes before the
// next, laid out row by row. Returns the top-left corner of every box, by box
// position, in the diagram's content coordinates.
QList<QPoint> ArrangeBoxes(const TArrangeInput& Input);

} // namespace schemakit
