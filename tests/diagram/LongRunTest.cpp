// A pane used for a long time: diagrams built, painted and cleared over and over,
// as every run of a query builder does.

#include "DiagramFixture.h"

using namespace schemakit;
using namespace schemakit::test;

namespace {

void BuildPaintAndClear(TSchemaDesignArea& pane, int boxes)
{
    for (int b = 0; b < boxes; ++b) {
        TSchemaItem* box = pane.AddItem(QStringLiteral("table_%1").arg(b), scCheckListBox);
        for (int row = 0; row < 5; ++row)
            box->AddSubItem(QStringLiteral("field_%1").arg(row), -1, row == 0);
        box->RecalculateHeight();
        box->RecalculateWidth();
        box->move((b % 10) * 70, (b / 10) * 50);
    }
    QCoreApplication::sendPostedEvents();
    pane.grab();
    pane.ClearAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

TEST(DiagramLongRun, BuildingAndClearingDiagramsKeepsMemoryFlat)
{
    InstallScriptedDialogs();
    TSchemaDesignArea pane;
    pane.resize(800, 600);
    pane.show();
    constexpr int kBoxes = 100;
    constexpr int kRounds = 30;
    // The first rounds fill caches that are meant to stay (fonts, glyphs, the
    // style's own pixmaps); what grows after them grows with every box.
    for (int round = 0; round < 3; ++round)
        BuildPaintAndClear(pane, kBoxes);
    const qint64 before = HeapInUse();
    for (int round = 0; round < kRounds; ++round)
        BuildPaintAndClear(pane, kBoxes);
    const qint64 grown = HeapInUse() - before;
    // The leak once seen (entries of the style's pixmap cache for every box
    // painted, about a kilobyte a box here) would add 3 MB.
    EXPECT_LT(grown, 200 * 1024) << grown / (kBoxes * kRounds) << " bytes per box";
}
