#pragma once

#include <QString>
#include <QStringList>

// The bundled sample database: a SQL script turned into an SQLite file on first use.
namespace demo {

// Splits a script into statements at ';' ending a line, dropping "--" comment lines.
QStringList SplitScript(const QString& script);

// Path of the sample database, created from the bundled script when it does not
// exist yet. Raises std::runtime_error when the file cannot be made.
QString EnsureSampleDatabase();

} // namespace demo
