#include <schemakit/diagram/AutoArrange.h>

#include <QRect>

#include <gtest/gtest.h>

#include <random>

using namespace schemakit;

TEST(AutoArrange, RanksComeHighestFirst)
{
    const QList<TZBSRank> ranks = RankBoxes({5, 12, 33});
    ASSERT_EQ(ranks.size(), 3);
    EXPECT_EQ(ranks[0].RankWeight, 33);
    EXPECT_EQ(ranks[0].ItemIndex, 2);
    EXPECT_EQ(ranks[2].RankWeight, 5);
    EXPECT_TRUE(RankBoxes({}).isEmpty());
}

TEST(AutoArrange, LinkedBoxesStandTogetherAndNoneOverlap)
{
    // A hub (box 3) with two linked boxes, and an unlinked pair 0-4.
    TArrangeInput input;
    input.Sizes = {{100, 80}, {120, 60}, {90, 200}, {150, 100}, {80, 40}, {60, 60}};
    input.Ranks = {14, 12, 11, 45, 13, 1};
    input.Links = {{3, 1}, {2, 3}, {0, 4}, {5, 5}};
    input.Width = 600;
    const QList<QPoint> at = ArrangeBoxes(input);
    ASSERT_EQ(at.size(), 6);
    // The hub first, at the margin, then its links, then the next group.
    EXPECT_EQ(at[3], QPoint(40, 40));
    EXPECT_LT(at[1].x(), at[2].x());
    EXPECT_EQ(at[1].y(), 40);
    const auto rect = [&](int i) { return QRect(at[i], input.Sizes[i]); };
    EXPECT_GT(rect(0).top(), rect(2).top()); // the second group starts a new row
    EXPECT_EQ(rect(4).top(), rect(0).top());

    // Random diagrams: nothing overlaps, everything keeps the margin.
    std::mt19937 random(3);
    for (int round = 0; round < 50; ++round) {
        TArrangeInput r;
        const int n = 1 + int(random() % 40);
        for (int i = 0; i < n; ++i) {
            r.Sizes.append(QSize(20 + int(random() % 300), 20 + int(random() % 300)));
            r.Ranks.append(int(random() % 50));
        }
        for (int i = 0; i < n; ++i)
            r.Links.append({int(random() % n), int(random() % n)});
        const QList<QPoint> p = ArrangeBoxes(r);
        for (int i = 0; i < n; ++i) {
            const QRect a(p[i], r.Sizes[i]);
            EXPECT_GE(a.left(), r.Spacing);
            EXPECT_GE(a.top(), r.Spacing);
            for (int j = i + 1; j < n; ++j)
                EXPECT_FALSE(a.intersects(QRect(p[j], r.Sizes[j]))) << round << ": " << i << " and " << j;
        }
    }
}
