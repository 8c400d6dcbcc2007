#pragma once

#include "../diagram/RelationTypes.h"

#include <QString>
#include <QStringView>

#include <array>

namespace schemakit {

// The SQL dialect a data engine writes: where joins go and how outer joins are
// marked. Values outside the members are accepted and written like the
// condition dialects (joins as plain conditions after WHERE).
enum TSQLSubType : quint8 {
    stStandard = 0, // join keywords after the table list
    stLocal = 1,    // plain conditions after WHERE, outer joins unmarked
    stOracle = 2,   // plain conditions, outer joins marked " (+)"
    stMSSQL = 3,    // plain conditions, outer joins marked "*" beside the operator
    stAnsi = 4,     // "a INNER JOIN b ON (...)": the query builder writes the joins
                    // into the table list; a join script is the bare ON condition
};

// The comparison texts, indexed by TSDRelationOperator.
inline constexpr std::array<QStringView, 6> SQLOperatorTexts{u"=", u"<", u">", u"<=", u">=", u"<>"};

// The text of one operator. An ordinal outside the enumeration (a damaged file,
// a bad cast) raises an error instead of reading past the table.
QStringView SQLOperatorText(TSDRelationOperator op);

// The statement template of a dialect: SQL with "%[ ... ]%" sections around
// "#macro#" names, lines ended by " \r\n". The stAnsi template has no join
// macros: "#tables#" carries the whole join tree there.
QString SQLTemplate(TSQLSubType dialect);

// The text of one join condition between the parent expression and the child
// expression. Raises an error for an operator or join kind outside its
// enumeration rather than writing a half-formed condition.
QString SQLJoinScript(TSQLSubType dialect, QStringView parent, QStringView child, TSDRelationOperator op,
                      TSDRelationJoin join);

// What goes between two join texts of one join list; the join kind plays no part.
QString SQLJoinSeparator(TSQLSubType dialect);

} // namespace schemakit
