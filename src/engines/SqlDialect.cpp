#include "SqlDialect.h"

#include "../package/Exceptions.h"

#include <QCoreApplication>

namespace schemakit {

namespace {

// Joins written with keywords after the table list; each join list has a line
// of its own so that any of them may be empty without taking the others along.
constexpr QStringView kStandardTemplate = u"%[SELECT %[#distinct#]% #fields#]% \r\n"
                                          u"%[FROM #tables#]% \r\n"
                                          u"   %[#innerjoins#]% \r\n"
                                          u"   %[#leftouterjoins#]% \r\n"
                                          u"   %[#rightouterjoins#]% \r\n"
                                          u"   %[#fulljoins#]% \r\n"
                                          u"%[WHERE #wherefilter#]% \r\n"
                                          u"%[GROUP BY #groups#]% \r\n"
                                          u"%[HAVING #havingfilter#]% \r\n"
                                          u"%[ORDER BY #orders#]%";

// Joins as further conditions of the WHERE clause; the generator supplies a
// filter of its own when only joins would be there.
constexpr QStringView kConditionTemplate = u"%[SELECT %[#distinct#]% #fields#]% \r\n"
                                           u"%[FROM #tables#]% \r\n"
                                           u"%[WHERE #wherefilter#]% \r\n"
                                           u"   %[AND #innerjoins#]% \r\n"
                                           u"   %[AND #leftouterjoins#]% \r\n"
                                           u"   %[AND #rightouterjoins#]% \r\n"
                                           u"   %[AND #fulljoins#]% \r\n"
                                           u"%[GROUP BY #groups#]% \r\n"
                                           u"%[HAVING #havingfilter#]% \r\n"
                                           u"%[ORDER BY #orders#]%";

// Joins inside the table list ("a INNER JOIN b ON (...)"), which the generator
// builds from the links; what is left are the clauses around it.
constexpr QStringView kAnsiTemplate = u"%[SELECT %[#distinct#]% #fields#]% \r\n"
                                      u"%[FROM #tables#]% \r\n"
                                      u"%[WHERE #wherefilter#]% \r\n"
                                      u"%[GROUP BY #groups#]% \r\n"
                                      u"%[HAVING #havingfilter#]% \r\n"
                                      u"%[ORDER BY #orders#]%";

constexpr std::array<QStringView, 4> kJoinKeywords{u"INNER JOIN ", u"LEFT OUTER JOIN ", u"RIGHT OUTER JOIN ",
                                                   u"FULL JOIN "};

bool IsLeftMarked(TSDRelationJoin join)
{
    return join == rjLeftOuter || join == rjFull;
}

bool IsRightMarked(TSDRelationJoin join)
{
    return join == rjRightOuter || join == rjFull;
}

} // namespace

QStringView SQLOperatorText(TSDRelationOperator op)
{
    if (quint8(op) >= SQLOperatorTexts.size())
        throw Exception(QCoreApplication::translate("schemakit", "Invalid join operator (%1)").arg(int(op)));
    return SQLOperatorTexts[op];
}

QString SQLTemplate(TSQLSubType dialect)
{
    switch (dialect) {
    case stStandard: return kStandardTemplate.toString();
    case stAnsi: return kAnsiTemplate.toString();
    default: return kConditionTemplate.toString();
    }
}

QString SQLJoinScript(TSQLSubType dialect, QStringView parent, QStringView child, TSDRelationOperator op,
                      TSDRelationJoin join)
{
    const QStringView opText = SQLOperatorText(op);
    if (quint8(join) >= kJoinKeywords.size())
        throw Exception(QCoreApplication::translate("schemakit", "Invalid join kind (%1)").arg(int(join)));

    // The dialects differ only in what stands before the condition and in the
    // marks around the operator and after the child expression.
    QStringView keyword;
    QStringView beforeOp = u" ";
    QStringView afterOp = u" ";
    QStringView afterChild;
    switch (dialect) {
    case stStandard: keyword = kJoinKeywords[join]; break;
    case stOracle:
        if (IsLeftMarked(join))
            beforeOp = u" (+)";
        if (IsRightMarked(join))
            afterChild = u" (+)";
        break;
    case stMSSQL:
        if (IsLeftMarked(join))
            beforeOp = u" *";
        if (IsRightMarked(join))
            afterOp = u"* ";
        break;
    default: // stLocal, stAnsi (an ON condition) and unknown dialects: the bare condition
        break;
    }

    QString script;
    script.reserve(keyword.size() + parent.size() + child.size() + opText.size() + 12);
    script += keyword;
    script += u'(';
    script += parent;
    script += beforeOp;
    script += opText;
    script += afterOp;
    script += child;
    script += afterChild;
    script += u')';
    return script;
}

QString SQLJoinSeparator(TSQLSubType dialect)
{
    return dialect == stStandard ? QStringLiteral(" ") : QStringLiteral(" AND ");
}

} // namespace schemakit
