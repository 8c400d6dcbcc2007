#pragma once

#include <schemakit/schemakit_export.h>

#include <QString>
#include <QStringView>

namespace schemakit {

/// The one statement of `sql` that an engine runs: the text up to its ";", when
/// nothing but blanks, comments and further ";" follow. Quotes ('...', "...",
/// `...`, [...], PostgreSQL's E'...' and $tag$...$tag$) and comments (`--`, nested
/// `/* */`) are skipped, so a ";" inside them does not end the statement.
/// Raises an error when the text holds a second statement (nothing of it runs),
/// and when it holds no statement at all (empty, blanks or comments only).
SCHEMAKIT_EXPORT QString SingleStatement(QStringView sql);

} // namespace schemakit
