#pragma once

#include <QStringView>
#include <QtGlobal>

#include <functional>

namespace schemakit {

class TSQLParser;

/// The kinds of token the tokenizer knows. It is deliberately shallow: string
/// literals are read as quoted symbols and operators of more than one character
/// come out one character at a time.
enum TSQLToken : quint8 {
    stSymbol = 0,    ///< name, keyword, qualified name or quoted name
    stAlias = 1,     ///< a symbol whose text ends with "."
    stNumber = 2,    ///< a number
    stComma = 3,     ///< ","
    stEQ = 4,        ///< "="
    stOther = 5,     ///< any other single character
    stLParen = 6,    ///< "("
    stRParen = 7,    ///< ")"
    stEnd = 8,       ///< the end of the text
    stComment = 9,   ///< the text keeps its markers
    stParameter = 10 ///< the text keeps its leading ":"
};

/// The clause a token stands in, as far as the keywords seen so far tell.
enum TSQLClause : quint8 {
    scUnknown = 0, ///< before any clause keyword
    scFields = 1,  ///< after SELECT or UPDATE
    scTables = 2,  ///< after FROM
    scWhere = 3,   ///< after WHERE
    scGroupBy = 4, ///< after GROUP BY
    scHaving = 5,  ///< after HAVING
    scOrderBy = 6, ///< after ORDER BY
    scUnion = 7,   ///< after UNION
    scJoin = 8     ///< after INNER, JOIN, LEFT, RIGHT or FULL
};

/// Raised by Parse once per token. Value views the parser's own text (or a
/// constant for "GROUP BY" and "ORDER BY"): it stays valid while the parser lives,
/// and a handler that keeps it longer copies it with toString().
using TSQLParsedEvent = std::function<void(TSQLParser* Sender, TSQLToken Token, TSQLClause Clause, QStringView Value)>;

} // namespace schemakit
