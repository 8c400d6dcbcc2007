// Links on a diagram pane, offscreen, all in one run:
//
//  - a pane of 200 check-list boxes of 30 rows with 400 links, one box (the hub)
//    carrying 50 of them: re-routing the hub's links, re-routing every link, and
//    moving the hub the way Qt delivers a drag step (geometry change, re-routing,
//    repaint of what was touched), with 0, 10, 50 and 200 links on the hub;
//  - painting that pane against painting the same boxes without links;
//  - one scroll step of 40 pixels plus its repaint, and building the pane (off
//    screen, or into a pane already shown), with 100, 1,000 and 3,000 boxes of
//    20 rows (0 and 1,000 links), against a plain QScrollArea holding as many
//    QListWidgets of the same size.
//
// The ratios are printed after the runs. Counters: paints is the number of paint
// events per step, vp_px the area of the pane's viewport repainted per step.

#include "BenchSupport.h"

#include <schemakit/diagram/SchmCntr.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QListWidget>
#include <QPaintEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

using namespace schemakit;
using schemakit::bench::FieldName;
using schemakit::bench::Numbers;

namespace {

const QSize kView(1920, 1080);

// The link pane: 20 columns of boxes, the hub near the middle of the first row,
// fully visible.
constexpr int kLinkPaneBoxes = 200;
constexpr int kLinkPaneRows = 30;
constexpr int kLinkPaneColumns = 20;
constexpr int kLinkPaneLinks = 400;
constexpr int kHub = 5;

// The scroll panes: as bench_diagram lays them out.
constexpr int kScrollRows = 20;
constexpr int kScrollColumns = 40;
constexpr int kScrollLinks = 1000;
constexpr int kScrollStep = 40;

struct PaneShape {
    int boxes = 0;
    int rows = 0;
    int columns = 1;
    int cellWidth = 180;
    int cellHeight = 400;
    int links = 0;
    bool hub = false; // box kHub carries hubLinks links and no others
    int hubLinks = 0;
};

QPoint CellOf(const PaneShape& shape, int box)
{
    return {(box % shape.columns) * shape.cellWidth, (box / shape.columns) * shape.cellHeight};
}

// Two rows, either way round, are linked at most once.
class LinkSet {
public:
    bool Take(int box1, int row1, int box2, int row2)
    {
        quint64 a = quint64(box1) << 16 | quint64(row1);
        quint64 b = quint64(box2) << 16 | quint64(row2);
        if (a > b)
            std::swap(a, b);
        const quint64 key = a << 32 | b;
        if (FTaken.contains(key))
            return false;
        FTaken.insert(key);
        return true;
    }

private:
    QSet<quint64> FTaken;
};

// Boxes first, then links, as a schema file is read. On a pane with a hub, the
// hub's links are spread over the other boxes and the rest join two boxes other
// than the hub; otherwise links join any two boxes.
void FillPane(TSchemaDesignArea& pane, const PaneShape& shape)
{
    pane.BeginUpdate();
    std::vector<TSchemaItem*> boxes;
    boxes.reserve(size_t(shape.boxes));
    for (int b = 0; b < shape.boxes; ++b) {
        TSchemaItem* box = pane.AddItem(QStringLiteral("table_%1").arg(b), scCheckListBox);
        for (int r = 0; r < shape.rows; ++r)
            box->AddSubItem(FieldName(b, r), -1, r == 0);
        box->RecalculateHeight();
        box->RecalculateWidth();
        box->move(CellOf(shape, b));
        boxes.push_back(box);
    }
    Numbers numbers(20240611u);
    LinkSet taken;
    const auto link = [&](int b1, int r1, int b2, int r2) {
        if (!taken.Take(b1, r1, b2, r2))
            return false;
        pane.AddRelation(boxes[size_t(b1)], boxes[size_t(b2)], boxes[size_t(b1)]->GetSubItem(r1),
                         boxes[size_t(b2)]->GetSubItem(r2));
        return true;
    };
    const auto otherThanHub = [&] {
        const int b = numbers.Below(shape.boxes - 1);
        return b >= kHub ? b + 1 : b;
    };
    for (int i = 0; i < shape.hubLinks;) {
        const int other = otherThanHub();
        const int hubRow = i % shape.rows;
        const int otherRow = numbers.Below(shape.rows);
        // Half of them lead away from the hub, half towards it.
        if (i % 2 == 0 ? link(kHub, hubRow, other, otherRow) : link(other, otherRow, kHub, hubRow))
            ++i;
    }
    for (int i = shape.hubLinks; i < shape.links;) {
        const int b1 = shape.hub ? otherThanHub() : numbers.Below(shape.boxes);
        const int b2 = shape.hub ? otherThanHub() : numbers.Below(shape.boxes);
        if (b1 != b2 && link(b1, numbers.Below(shape.rows), b2, numbers.Below(shape.rows)))
            ++i;
    }
    pane.EndUpdate();
}

std::unique_ptr<TSchemaDesignArea> BuildPane(const PaneShape& shape)
{
    auto owner = std::make_unique<TSchemaDesignArea>();
    owner->resize(kView);
    FillPane(*owner, shape);
    QCoreApplication::sendPostedEvents();
    return owner;
}

// The size a box of `rows` rows takes; the plain lists are given the same.
QSize BoxSize(int rows)
{
    static std::map<int, QSize> sizes;
    auto found = sizes.find(rows);
    if (found == sizes.end()) {
        PaneShape shape;
        shape.boxes = 1;
        shape.rows = rows;
        auto pane = BuildPane(shape);
        found = sizes.emplace(rows, pane->GetItem(0)->size()).first;
    }
    return found->second;
}

std::unique_ptr<QScrollArea> BuildPlain(const PaneShape& shape)
{
    auto owner = std::make_unique<QScrollArea>();
    QScrollArea& area = *owner;
    area.resize(kView);
    const QSize size = BoxSize(shape.rows);
    auto* content = new QWidget;
    content->resize(shape.columns * shape.cellWidth,
                    ((shape.boxes + shape.columns - 1) / shape.columns) * shape.cellHeight);
    for (int b = 0; b < shape.boxes; ++b) {
        auto* list = new QListWidget(content);
        for (int r = 0; r < shape.rows; ++r) {
            auto* item = new QListWidgetItem(FieldName(b, r), list);
            item->setCheckState(r == 0 ? Qt::Checked : Qt::Unchecked);
        }
        list->setGeometry(QRect(CellOf(shape, b), size));
    }
    area.setWidget(content);
    QCoreApplication::sendPostedEvents();
    return owner;
}

PaneShape LinkPane(int links, int hubLinks)
{
    PaneShape shape;
    shape.boxes = kLinkPaneBoxes;
    shape.rows = kLinkPaneRows;
    shape.columns = kLinkPaneColumns;
    shape.cellWidth = 200;
    shape.cellHeight = BoxSize(kLinkPaneRows).height() + 50;
    shape.links = links;
    shape.hub = true;
    shape.hubLinks = hubLinks;
    return shape;
}

PaneShape ScrollPane(int boxes, int links)
{
    PaneShape shape;
    shape.boxes = boxes;
    shape.rows = kScrollRows;
    shape.columns = kScrollColumns;
    shape.links = links;
    return shape;
}

// Google Benchmark calls each benchmark more than once; the widget under test is
// built once, shown and painted, and kept until another one is needed.
std::unique_ptr<QWidget>& ShownWidget()
{
    static std::unique_ptr<QWidget> widget;
    return widget;
}

void DropShown(std::string* key = nullptr)
{
    ShownWidget().reset();
    QCoreApplication::sendPostedEvents();
    if (key)
        key->clear();
}

QWidget* Shown(const std::string& key, const std::function<std::unique_ptr<QWidget>()>& build)
{
    static std::string current;
    if (key != current || !ShownWidget()) {
        DropShown(&current);
        ShownWidget() = build();
        current = key;
        ShownWidget()->show();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    return ShownWidget().get();
}

std::string KeyOf(const char* kind, const PaneShape& shape)
{
    return std::string(kind) + '/' + std::to_string(shape.boxes) + '/' + std::to_string(shape.links) + '/' +
           std::to_string(shape.hub) + '/' + std::to_string(shape.hubLinks);
}

TSchemaDesignArea* ShownPane(const PaneShape& shape)
{
    return static_cast<TSchemaDesignArea*>(Shown(KeyOf("pane", shape), [&] { return BuildPane(shape); }));
}

QScrollArea* ShownPlain(const PaneShape& shape)
{
    return static_cast<QScrollArea*>(Shown(KeyOf("plain", shape), [&] { return BuildPlain(shape); }));
}

// Counts the paint events Qt delivers while it lives, and the area of the
// viewport `watched` they repaint.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* watched) : FWatched(watched) { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }

    void Report(benchmark::State& state) const
    {
        const double n = double(std::max<benchmark::IterationCount>(state.iterations(), 1));
        state.counters["paints"] = double(FPaints) / n;
        state.counters["vp_px"] = double(FArea) / n;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++FPaints;
            if (watched == FWatched) {
                for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                    FArea += qint64(r.width()) * r.height();
            }
        }
        return false;
    }

private:
    QWidget* FWatched;
    qint64 FPaints = 0;
    qint64 FArea = 0;
};

// --- the link pane ---------------------------------------------------------------------

// (a) Re-routing the hub's links. The repaint they ask for is done between the
// steps, outside the time.
void BM_ReboundHub(benchmark::State& state)
{
    TSchemaDesignArea* pane = ShownPane(LinkPane(kLinkPaneLinks, 50));
    TSchemaItem* hub = pane->GetItem(kHub);
    for (auto _ : state) {
        pane->ReboundRelationsForItem(hub, true);
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["links"] = double(hub->Relations().size());
}

// (b) Re-routing every link of the pane.
void BM_ReboundAll(benchmark::State& state)
{
    TSchemaDesignArea* pane = ShownPane(LinkPane(kLinkPaneLinks, 50));
    PaintCounter counter(pane->viewport());
    for (auto _ : state) {
        pane->ReboundRelations();
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    counter.Report(state);
}

// (c) One step of a drag of the hub: the box moves a few pixels (back and forth),
// its links follow, and Qt repaints what changed.
void BM_MoveHub(benchmark::State& state)
{
    TSchemaDesignArea* pane = ShownPane(LinkPane(kLinkPaneLinks, int(state.range(0))));
    TSchemaItem* hub = pane->GetItem(kHub);
    const QPoint home = hub->pos();
    bool away = false;
    PaintCounter counter(pane->viewport());
    for (auto _ : state) {
        away = !away;
        hub->move(home + (away ? QPoint(3, 2) : QPoint(0, 0)));
        QCoreApplication::processEvents();
    }
    counter.Report(state);
    state.counters["links"] = double(hub->Relations().size());
}

// Painting the visible part of the pane, with its links (1) or without (0).
void BM_PaintPane(benchmark::State& state)
{
    const bool links = state.range(0) != 0;
    TSchemaDesignArea* pane = ShownPane(LinkPane(links ? kLinkPaneLinks : 0, links ? 50 : 0));
    QImage image(pane->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        pane->render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
    int shown = 0;
    for (int i = 0; i < pane->GetRelationCount(); ++i)
        shown += pane->GetRelation(i)->BoundsRect().intersects(pane->viewport()->rect()) ? 1 : 0;
    state.counters["links_in_view"] = shown;
}

// --- scrolling and building --------------------------------------------------------------

template <typename W>
void MeasureScroll(benchmark::State& state, W* widget, QWidget* viewport)
{
    QScrollBar* bar = widget->verticalScrollBar();
    const int home = bar->value();
    bool away = false;
    PaintCounter counter(viewport);
    for (auto _ : state) {
        away = !away;
        bar->setValue(home + (away ? kScrollStep : 0));
        QCoreApplication::processEvents();
    }
    counter.Report(state);
}

void BM_ScrollPane(benchmark::State& state)
{
    TSchemaDesignArea* pane = ShownPane(ScrollPane(int(state.range(0)), int(state.range(1))));
    MeasureScroll(state, pane, pane->viewport());
}

void BM_ScrollPlain(benchmark::State& state)
{
    QScrollArea* area = ShownPlain(ScrollPane(int(state.range(0)), 0));
    MeasureScroll(state, area, area->viewport());
}

// The time is building; showing with the first paint, and freeing, are counters.
// `build` makes the widget and fills it; `fill` (when given) fills a widget that
// is already on screen, as a file opened into a window is.
template <typename W>
void MeasureBuild(benchmark::State& state, const std::function<std::unique_ptr<W>()>& make,
                  const std::function<void(W&)>& fill)
{
    DropShown();
    double showMs = 0, freeMs = 0;
    for (auto _ : state) {
        std::unique_ptr<W> top;
        if (fill) {
            state.PauseTiming();
            top = make();
            top->show();
            QCoreApplication::processEvents();
            state.ResumeTiming();
            fill(*top);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        } else {
            top = make();
        }
        state.PauseTiming();
        QElapsedTimer clock;
        clock.start();
        top->show();
        QCoreApplication::processEvents();
        showMs += double(clock.nsecsElapsed()) / 1e6;
        clock.restart();
        top.reset();
        QCoreApplication::sendPostedEvents();
        freeMs += double(clock.nsecsElapsed()) / 1e6;
        state.ResumeTiming();
    }
    const double n = double(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["show_ms"] = showMs / n;
    state.counters["free_ms"] = freeMs / n;
}

// Arguments: boxes, links, and 1 to fill a pane already on screen.
void BM_BuildPane(benchmark::State& state)
{
    const PaneShape shape = ScrollPane(int(state.range(0)), int(state.range(1)));
    if (state.range(2) == 0) {
        MeasureBuild<TSchemaDesignArea>(
            state, [&] { return BuildPane(shape); }, nullptr);
        return;
    }
    MeasureBuild<TSchemaDesignArea>(
        state,
        [] {
            auto pane = std::make_unique<TSchemaDesignArea>();
            pane->resize(kView);
            return pane;
        },
        [&](TSchemaDesignArea& pane) { FillPane(pane, shape); });
}

void BM_BuildPlain(benchmark::State& state)
{
    const PaneShape shape = ScrollPane(int(state.range(0)), 0);
    MeasureBuild<QScrollArea>(
        state, [&] { return BuildPlain(shape); }, nullptr);
}

// --- ratios --------------------------------------------------------------------------------

// Prints the comparisons once everything has run: the medians with
// --benchmark_repetitions, else the single runs. Times are in milliseconds.
class RatioReporter : public bench::FigureReporter {
public:
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n");
        Value("(a) ReboundRelationsForItem, hub of 50 links", "BM_ReboundHub/");
        Value("(b) ReboundRelations, 400 links", "BM_ReboundAll/");
        for (const char* hub : {"0", "10", "50", "200"})
            Value((std::string("(c) move of the hub, ") + hub + " links").c_str(), std::string("BM_MoveHub/") + hub);
        Ratio("(c) move, 50 links / 2 ms budget", "BM_MoveHub/50", 2.0);
        Ratio("(c) move, 200 / 10 links on the hub", "BM_MoveHub/200", "BM_MoveHub/10");
        Ratio("paint, 400 links / boxes alone", "BM_PaintPane/1", "BM_PaintPane/0");
        Cost("paint, the links' own share / boxes alone", "BM_PaintPane/1", "BM_PaintPane/0");
        for (const char* n : {"100", "1000", "3000"}) {
            const std::string boxes(n);
            Ratio(("scroll, " + boxes + " boxes, 0 links / plain").c_str(), "BM_ScrollPane/" + boxes + "/0",
                  "BM_ScrollPlain/" + boxes);
            if (boxes != "100")
                Ratio(("scroll, " + boxes + " boxes, 1000 links / plain").c_str(), "BM_ScrollPane/" + boxes + "/1000",
                      "BM_ScrollPlain/" + boxes);
        }
        for (const char* shown : {"/0", "/1"}) {
            const std::string how = shown[1] == '0' ? "build" : "build into a shown pane";
            for (const char* n : {"100", "1000", "3000"}) {
                for (const char* links : {"0", "1000"}) {
                    const std::string boxes(n);
                    Ratio((how + ", " + boxes + " boxes, " + links + " links / plain").c_str(),
                          "BM_BuildPane/" + boxes + '/' + links + shown, "BM_BuildPlain/" + boxes);
                }
            }
            for (const char* links : {"0", "1000"}) {
                Ratio((how + " growth 100 -> 1000 boxes, " + links + " links (linear: 10)").c_str(),
                      std::string("BM_BuildPane/1000/") + links + shown,
                      std::string("BM_BuildPane/100/") + links + shown);
                Ratio((how + " growth 1000 -> 3000 boxes, " + links + " links (linear: 3)").c_str(),
                      std::string("BM_BuildPane/3000/") + links + shown,
                      std::string("BM_BuildPane/1000/") + links + shown);
            }
        }
        Ratio("plain build growth 100 -> 1000 (linear: 10)", "BM_BuildPlain/1000", "BM_BuildPlain/100");
        Ratio("plain build growth 1000 -> 3000 (linear: 3)", "BM_BuildPlain/3000", "BM_BuildPlain/1000");
    }

private:
    // The same benchmark with other arguments is another figure.
    std::string Key(const Run& run) const override { return run.run_name.function_name + '/' + run.run_name.args; }

    double Time(const std::string& name) const { return Figure(name); }

    void Value(const char* what, const std::string& name) const
    {
        if (const double t = Time(name); t > 0)
            std::printf("%-66s %10.3f ms\n", what, t);
    }

    void Ratio(const char* what, const std::string& name, double budgetMs) const
    {
        if (const double t = Time(name); t > 0)
            std::printf("%-66s %10.3f\n", what, t / budgetMs);
    }

    void Ratio(const char* what, const std::string& name, const std::string& base) const
    {
        const double t = Time(name);
        const double b = Time(base);
        if (t > 0 && b > 0)
            std::printf("%-66s %10.3f\n", what, t / b);
    }

    void Cost(const char* what, const std::string& with, const std::string& without) const
    {
        const double t = Time(with);
        const double b = Time(without);
        if (t > 0 && b > 0)
            std::printf("%-66s %10.3f\n", what, (t - b) / b);
    }

};

} // namespace

BENCHMARK(BM_ReboundHub)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ReboundAll)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_MoveHub)->Arg(0)->Arg(10)->Arg(50)->Arg(200)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PaintPane)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ScrollPlain)->Arg(100)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ScrollPane)
    ->Args({100, 0})
    ->Args({1000, 0})
    ->Args({1000, kScrollLinks})
    ->Args({3000, 0})
    ->Args({3000, kScrollLinks})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_BuildPlain)->Arg(100)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_BuildPane)
    ->ArgsProduct({{100, 1000, 3000}, {0, kScrollLinks}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2.0);

int main(int argc, char** argv)
{
    RatioReporter reporter;
    return bench::RunWidgetBenchmarks(argc, argv, &reporter, [] { DropShown(); });
}
