// Throughput of the SQL tokenizer, Parse and GetSelectTableNames over about 10 MB
// of generated statements, in characters per second, with SQLite's sqlite3_complete()
// over the same text as the yardstick for a hand-written scanner.

#include <schemakit/package/StringList.h>
#include <schemakit/sqlparser/SqlParser.h>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QString>
#include <QStringList>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

using namespace schemakit;

namespace {

constexpr qsizetype CorpusChars = 10 * 1024 * 1024;

// xorshift64: the same corpus on every run and every platform.
class Rng {
public:
    int Below(int n) noexcept
    {
        FState ^= FState << 13;
        FState ^= FState >> 7;
        FState ^= FState << 17;
        return int((FState >> 33) % quint64(n));
    }
    template <typename T, std::size_t N>
    const T& Pick(const T (&items)[N]) noexcept
    {
        return items[Below(int(N))];
    }

private:
    quint64 FState = 0x9E3779B97F4A7C15ull;
};

const char16_t* const Tables[] = {u"Customer",  u"Orders",    u"\"Order Details\"", u"Products",  u"dbo.Invoices",
                                  u"'Таблица'", u"Employees", u"Suppliers",         u"\"Straße\""};
const char16_t* const Fields[] = {u"ID",       u"Name",      u"City", u"\"Unit Price\"", u"Quantity",
                                  u"Discount", u"OrderDate", u"Имя",  u"ShipVia",        u"Total"};
const char16_t* const Values[] = {u":ID", u":Name", u"42", u"1.5E+3", u"'Berlin'", u"-7", u"NULL", u"'it''s'"};
const char16_t* const Comparisons[] = {u" = ", u" <> ", u" >= ", u" < ", u" LIKE "};
const char16_t* const Comments[] = {u"-- generated for the benchmark\n", u"/* a block comment, with * and / inside */ ",
                                    u"// another line comment\n", u""};

using Text = std::u16string;

Text Field(Rng& r)
{
    Text f;
    if (r.Below(3) == 0)
        f = Text{char16_t(u'A' + r.Below(4)), u'.'};
    return f + r.Pick(Fields);
}

void AppendCondition(Text& s, Rng& r)
{
    const int n = 1 + r.Below(3);
    for (int i = 0; i < n; ++i) {
        if (i > 0)
            s += r.Below(3) ? u" AND " : u" OR ";
        s += u'(' + Field(r) + r.Pick(Comparisons) + r.Pick(Values) + u')';
    }
}

Text Select(Rng& r)
{
    Text s = r.Pick(Comments) + Text(u"SELECT ");
    if (r.Below(4) == 0)
        s += u"DISTINCT ";
    const int fields = 1 + r.Below(5);
    for (int i = 0; i < fields; ++i)
        s += (i ? u", " : u"") + (r.Below(6) == 0 ? Text(u"COUNT(*) AS Cnt") : Field(r));
    s += u"\n  FROM ";
    const int tables = 1 + r.Below(3);
    for (int i = 0; i < tables; ++i)
        s += (i ? u", " : u"") + Text(r.Pick(Tables)) + u' ' + char16_t(u'A' + i);
    if (r.Below(3) == 0)
        s += u" INNER JOIN " + Text(r.Pick(Tables)) + u" J ON J.ID = A.ID";
    s += u"\n WHERE ";
    AppendCondition(s, r);
    if (r.Below(3) == 0)
        s += u" GROUP BY " + Field(r) + u" HAVING COUNT(*) > " + QString::number(r.Below(100)).toStdU16String();
    if (r.Below(2) == 0)
        s += u" ORDER BY " + Field(r) + u" /* newest first */ DESC";
    return s + u";\n";
}

Text Update(Rng& r)
{
    Text s = r.Pick(Comments) + Text(u"UPDATE ") + r.Pick(Tables) + u" SET ";
    const int fields = 1 + r.Below(4);
    for (int i = 0; i < fields; ++i)
        s += (i ? u", " : u"") + Text(r.Pick(Fields)) + u" = " + r.Pick(Values);
    s += u" WHERE ";
    AppendCondition(s, r);
    return s + u";\n";
}

struct Corpus {
    QString Text;
    QStringList Statements;
    std::string Utf8;
};

const Corpus& TheCorpus()
{
    static const Corpus corpus = [] {
        Corpus c;
        Rng r;
        while (c.Text.size() < CorpusChars) {
            c.Statements << QString::fromStdU16String(r.Below(4) == 0 ? Update(r) : Select(r));
            c.Text += c.Statements.back();
        }
        c.Utf8 = c.Text.toStdString();
        return c;
    }();
    return corpus;
}

void SetCharRate(benchmark::State& state)
{
    state.counters["chars/s"] =
        benchmark::Counter(double(TheCorpus().Text.size()), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_NextToken(benchmark::State& state)
{
    const QString& text = TheCorpus().Text;
    for (auto _ : state) {
        TSQLParser p(text);
        qint64 tokens = 0;
        while (p.NextToken() != stEnd)
            ++tokens;
        benchmark::DoNotOptimize(tokens);
    }
    SetCharRate(state);
}

void BM_Parse(benchmark::State& state)
{
    const QString& text = TheCorpus().Text;
    for (auto _ : state) {
        TSQLParser p(text);
        p.OnParsed = [](TSQLParser*, TSQLToken, TSQLClause, QStringView) {};
        p.Parse();
    }
    SetCharRate(state);
}

// What the builder does with one statement: a parser of its own, then its tables.
void BM_GetSelectTableNames(benchmark::State& state)
{
    TStringList list;
    for (auto _ : state) {
        for (const QString& statement : TheCorpus().Statements) {
            TSQLParser p(statement);
            p.GetSelectTableNames(list);
            benchmark::DoNotOptimize(list.Count());
        }
    }
    SetCharRate(state);
}

void BM_Sqlite3Complete(benchmark::State& state)
{
    const char* text = TheCorpus().Utf8.c_str();
    for (auto _ : state)
        benchmark::DoNotOptimize(sqlite3_complete(text));
    SetCharRate(state);
}

BENCHMARK(BM_Sqlite3Complete)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NextToken)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Parse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetSelectTableNames)->Unit(benchmark::kMillisecond);

// Prints each run's character rate against sqlite3_complete's after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const auto rate = run.counters.find("chars/s");
            // With repetitions, the median (reported after the single runs) wins.
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if ((run.run_type == Run::RT_Iteration || median) && rate != run.counters.end())
                FRates[run.run_name.function_name] = rate->second.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios() const
    {
        const auto baseline = FRates.find("BM_Sqlite3Complete");
        if (baseline == FRates.end())
            return;
        std::printf("\ncorpus: %lld characters, %lld statements\n", qlonglong(TheCorpus().Text.size()),
                    qlonglong(TheCorpus().Statements.size()));
        for (const auto& [name, rate] : FRates)
            std::printf("%-24s %8.1f M chars/s  %5.2fx sqlite3_complete\n", name.c_str(), rate / 1e6,
                        rate / baseline->second);
    }

private:
    std::map<std::string, double> FRates;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TheCorpus(); // generated once, outside every timing
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
