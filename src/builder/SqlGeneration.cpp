#include "SqlGeneration.h"

#include "SqlAnsiJoins.h"

#include "../engines/SqlNames.h"
#include "../package/SchmCnst.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <utility>

namespace schemakit {

namespace {

QString Quoted(QStringView name, bool quote)
{
    return quote ? QuoteIdentifier(name) : name.toString();
}

// A table name is quoted for a blank only, so that "schema.table" stays a
// qualified name; a quote inside always needs quoting, or it would end the
// identifier early.
bool TableNeedsQuotes(QStringView name)
{
    return name.contains(u' ') || name.contains(u'"');
}

bool FieldNeedsQuotes(QStringView name)
{
    return name.contains(u' ') || name.contains(u'.') || name.contains(u'"');
}

// Cuts the separator that stands before the first entry of a piece.
void CutLeading(QString& piece, qsizetype separatorLength)
{
    if (!piece.isEmpty())
        piece.remove(0, separatorLength);
}

// The aggregate words in the order the Calculate cell is compared with their
// display texts; the words are SQL and never translated.
constexpr std::array<QStringView, 5> kAggregateWords{u"AVG", u"COUNT", u"MAX", u"MIN", u"SUM"};

// Macros in the order of expansion: "#distinct#" before "#fields#" because its
// section lies inside the SELECT section, the join lists before the filter that
// a condition template puts them after.
constexpr QStringView kDistinct = u"#distinct#";
constexpr QStringView kFields = u"#fields#";
constexpr QStringView kTables = u"#tables#";
constexpr std::array<QStringView, 4> kJoinMacros{u"#innerjoins#", u"#leftouterjoins#", u"#rightouterjoins#",
                                                 u"#fulljoins#"};
constexpr QStringView kWhereFilter = u"#wherefilter#";
constexpr QStringView kGroups = u"#groups#";
constexpr QStringView kHavingFilter = u"#havingfilter#";
constexpr QStringView kOrders = u"#orders#";

} // namespace

TSQLTableNames::TSQLTableNames(const QList<TSQLBox>& Boxes, TSQLTableNameHook OnGetTableName)
    : FBoxes(Boxes), FOnGetTableName(std::move(OnGetTableName))
{
    FIndex.reserve(FBoxes.size());
    QHash<QString, int> captionCount;
    captionCount.reserve(FBoxes.size());
    for (qsizetype i = 0; i < FBoxes.size(); ++i) {
        FIndex.emplace(FBoxes.at(i).Id, i); // keeps the first box of an id
        ++captionCount[FBoxes.at(i).Caption];
    }
    if (FOnGetTableName)
        return; // the hook names every box itself

    FNames.reserve(FBoxes.size());
    for (const TSQLBox& box : std::as_const(FBoxes)) {
        // The alias holds the caption's characters plus digits, so it needs
        // quoting exactly when the caption does.
        const bool quote = TableNeedsQuotes(box.Caption);
        const QString name = Quoted(box.Caption, quote);
        if (captionCount.value(box.Caption) > 1) {
            const QString alias = Quoted(box.Caption + QString::number(box.ItemIndex), quote);
            FNames.append({name + u' ' + alias, alias});
        } else {
            FNames.append({name, name});
        }
    }
}

qsizetype TSQLTableNames::IndexOf(quintptr Id) const
{
    return FIndex.value(Id, -1);
}

const TSQLBox* TSQLTableNames::Find(quintptr Id) const
{
    const qsizetype index = IndexOf(Id);
    return index < 0 ? nullptr : &FBoxes[index];
}

QString TSQLTableNames::TableName(const TSQLBox* Box, bool IsAlias) const
{
    if (!Box)
        return QString();
    if (FOnGetTableName)
        return FOnGetTableName(*Box, Box->ItemIndex, IsAlias);
    return NameAt(IndexOf(Box->Id), IsAlias);
}

// Named by id for every column of a statement: one lookup each.
QString TSQLTableNames::TableName(quintptr BoxId, bool IsAlias) const
{
    const qsizetype index = IndexOf(BoxId);
    if (FOnGetTableName)
        return index < 0 ? QString() : FOnGetTableName(FBoxes[index], FBoxes[index].ItemIndex, IsAlias);
    return NameAt(index, IsAlias);
}

QString TSQLTableNames::NameAt(qsizetype Index, bool IsAlias) const
{
    if (Index < 0)
        return QString();
    return IsAlias ? FNames[Index].Qualifier : FNames[Index].Table;
}

QString FieldName(QStringView Name)
{
    return Quoted(Name, FieldNeedsQuotes(Name));
}

QString FieldName(const TSQLField& Field, const TSQLFieldNameHook& OnGetFieldName)
{
    const QString name = OnGetFieldName ? OnGetFieldName(Field) : Field.Caption;
    // Most names need no quotes: hand back the same (shared) text, no copy.
    return FieldNeedsQuotes(name) ? QuoteIdentifier(name) : name;
}

namespace {

// The ten pieces of text the template's macros are filled with.
struct TPieceTexts {
    QString Fields, Tables, Filter, Groups, Having, Orders;
    std::array<QString, 4> Joins; // by TSDRelationJoin
};

class TPieceBuilder {
public:
    explicit TPieceBuilder(const TSQLSnapshot& snapshot)
        : FSnapshot(snapshot), FNames(snapshot.Boxes, snapshot.OnGetTableName), FAnsi(snapshot.Dialect == stAnsi)
    {
    }

    TPieceTexts Build()
    {
        if (FAnsi)
            AddAnsiFrom();
        else
            AddTablesAndJoins();
        AddColumns();
        for (const QString& condition : std::as_const(FLinkFilters))
            FPieces.Filter += QStringLiteral(" AND ") + condition;

        // The filters keep the blank after " AND": " (a > 1) AND (b < 2)".
        CutLeading(FPieces.Fields, 2);
        CutLeading(FPieces.Groups, 2);
        CutLeading(FPieces.Orders, 2);
        CutLeading(FPieces.Filter, 4);
        CutLeading(FPieces.Having, 4);
        return std::move(FPieces);
    }

private:
    QString Qualified(const TSQLField& field) const
    {
        return FNames.TableName(field.Box, true) + u'.' + FieldName(field, FSnapshot.OnGetFieldName);
    }

    QString JoinScript(TSQLSubType dialect, const TSQLLink& link) const
    {
        return SQLJoinScript(dialect, Qualified(link.Parent), Qualified(link.Child), link.Operator, link.Join);
    }

    void AddAnsiFrom()
    {
        TSQLAnsiFrom from =
            BuildAnsiFrom(FSnapshot, FNames, [this](const TSQLLink& link) { return JoinScript(stAnsi, link); });
        FPieces.Tables = std::move(from.Tables);
        FLinkFilters = std::move(from.Filters);
    }

    void AddTablesAndJoins()
    {
        for (const TSQLBox& box : FSnapshot.Boxes) {
            FPieces.Tables += u", ";
            FPieces.Tables += FNames.TableName(&box, false);
        }
        CutLeading(FPieces.Tables, 2);
        // Only an engine knows how a join is written; without one, links add nothing.
        if (!FSnapshot.Dialect)
            return;
        const QString separator = SQLJoinSeparator(*FSnapshot.Dialect);
        for (const TSQLLink& link : FSnapshot.Links) {
            const QString script = JoinScript(*FSnapshot.Dialect, link);
            QString& list = FPieces.Joins[link.Join]; // the script has vouched for the join kind
            if (!list.isEmpty())
                list += separator;
            list += script;
        }
    }

    void AddColumns()
    {
        // The display texts as loaded now: a translated table changes what the
        // cells hold, and the comparison follows.
        const std::array<QString, 5> aggregateTexts{strValueAVG.Text(), strValueCOUNT.Text(), strValueMAX.Text(),
                                                    strValueMIN.Text(), strValueSUM.Text()};
        const QString ascending = strSortASC.Text();
        const QString descending = strSortDESC.Text();

        FPieces.Fields.reserve(FSnapshot.Columns.size() * 32);
        for (const TSQLColumn& column : FSnapshot.Columns) {
            const QString name = FieldName(column.Field, FSnapshot.OnGetFieldName);
            const QString& table = FNames.TableName(column.Field.Box, true);
            QStringView word;
            if (!column.Calculate.isEmpty()) {
                for (std::size_t i = 0; i < aggregateTexts.size(); ++i) {
                    if (column.Calculate == aggregateTexts[i]) {
                        word = kAggregateWords[i];
                        break;
                    }
                }
            }
            // Written straight into the pieces: a statement of a thousand
            // columns would otherwise build a few thousand short-lived strings.
            const auto appendField = [&](QString& piece) {
                if (!word.isEmpty())
                    piece.append(word).append(u'(');
                piece.append(table).append(u'.').append(name);
                if (!word.isEmpty())
                    piece.append(u')');
            };
            FPieces.Fields += u", ";
            appendField(FPieces.Fields);

            // The other dialects group and sort by the bare field name, as they
            // always have. For stAnsi that is too little: a column name that
            // two tables share (a table dropped twice, "name" in most tables)
            // makes SQLite and PostgreSQL refuse it as ambiguous, and a sort on
            // an aggregated column must name the aggregate in a grouped query.
            // So stAnsi groups by the qualified field and sorts by the column
            // as the field list writes it.
            if (!column.Sort.isEmpty() && name != QLatin1String("*")) {
                FPieces.Orders += u", ";
                if (FAnsi)
                    appendField(FPieces.Orders);
                else
                    FPieces.Orders += name;
                if (column.Sort == ascending)
                    FPieces.Orders += u" ASC";
                else if (column.Sort == descending)
                    FPieces.Orders += u" DESC";
            }
            if (!column.Where.isEmpty())
                FPieces.Filter.append(u" AND (").append(column.Where).append(u')');
            if (column.Grouping == QLatin1String("1")) {
                // No database groups by "t.*"; in stAnsi a grouped "*" column
                // adds only its group filter.
                if (!FAnsi) {
                    FPieces.Groups.append(u", ").append(name);
                } else if (name != QLatin1String("*")) {
                    FPieces.Groups.append(u", ").append(table).append(u'.').append(name);
                }
                if (!column.Having.isEmpty())
                    FPieces.Having.append(u" AND (").append(column.Having).append(u')');
            }
        }
    }

    const TSQLSnapshot& FSnapshot;
    const TSQLTableNames FNames;
    const bool FAnsi;
    TPieceTexts FPieces;
    QStringList FLinkFilters; // stAnsi: conditions of links that join nothing
};

} // namespace

TSQLPieces GatherSQLPieces(const TSQLSnapshot& Snapshot)
{
    TPieceTexts texts = TPieceBuilder(Snapshot).Build();

    // The condition templates put the joins after the WHERE section, which
    // needs a filter of its own to stand at all.
    if (texts.Filter.isEmpty() &&
        std::any_of(texts.Joins.begin(), texts.Joins.end(), [](const QString& s) { return !s.isEmpty(); }))
        texts.Filter = QStringLiteral("(1=1)");

    TSQLPieces pieces;
    pieces.Template = Snapshot.Template ? *Snapshot.Template : SQLTemplate(Snapshot.Dialect.value_or(stStandard));
    pieces.Values = {
        {kDistinct, Snapshot.Distinct ? QStringLiteral("DISTINCT") : QString()},
        {kFields, std::move(texts.Fields)},
        {kTables, std::move(texts.Tables)},
        {kJoinMacros[rjInner], std::move(texts.Joins[rjInner])},
        {kJoinMacros[rjLeftOuter], std::move(texts.Joins[rjLeftOuter])},
        {kJoinMacros[rjRightOuter], std::move(texts.Joins[rjRightOuter])},
        {kJoinMacros[rjFull], std::move(texts.Joins[rjFull])},
        {kWhereFilter, std::move(texts.Filter)},
        {kGroups, std::move(texts.Groups)},
        {kHavingFilter, std::move(texts.Having)},
        {kOrders, std::move(texts.Orders)},
    };
    return pieces;
}

QString GenerateSQL(const TSQLSnapshot& Snapshot)
{
    const TSQLPieces pieces = GatherSQLPieces(Snapshot);
    TSQLExpansion expansion(pieces.Template);
    for (const TSQLMacroValue& value : pieces.Values)
        expansion.Expand(value.Macro, value.Value);
    QString text = expansion.Text();
    RemoveBlankLines(text);
    return text;
}

} // namespace schemakit
