#pragma once

#include <schemakit/schemakit_export.h>

#include "../package/Enumerations.h"
#include "../package/Enumerations.h"

#include <QString>
#include <QStringView>

#include <array>

namespace schemakit {

// TSQLSubType, the dialect a data engine writes, is in Enumerations.h.

/// The comparison texts, indexed by TSDRelationOperator.
inline constexpr std::array<QStringView, 6> SQLOperatorTexts{u"=", u"<", u">", u"<=", u">=", u"<>"};

/// The text of one operator. An ordinal outside the enumeration (a damaged file,
/// a bad cast) raises an error instead of reading past the table.
SCHEMAKIT_EXPORT QStringView SQLOperatorText(TSDRelationOperator op);

/// The statement template of a dialect: SQL with `%[ ... ]%` sections around
/// `#macro#` names, lines ended by `" \r\n"`. The stAnsi template has no join
/// macros: `#tables#` carries the whole join tree there.
SCHEMAKIT_EXPORT QString SQLTemplate(TSQLSubType dialect);

/// The text of one join condition between the parent expression and the child
/// expression. Raises an error for an operator or join kind outside its
/// enumeration rather than writing a half-formed condition.
SCHEMAKIT_EXPORT QString SQLJoinScript(TSQLSubType dialect, QStringView parent, QStringView child, TSDRelationOperator op,
                      TSDRelationJoin join);

/// What goes between two join texts of one join list; the join kind plays no part.
SCHEMAKIT_EXPORT QString SQLJoinSeparator(TSQLSubType dialect);

} // namespace schemakit
