#pragma once

#include <QString>

// The bundled sample database: a SQL script turned into an SQLite file on first use.
namespace sample {

// Path of the sample database, created from the bundled script when it does not
// exist yet. The file name carries a digest of the script, so a changed script
// never meets a database built from an older one; every program of the project
// shares the one file. Needs a QCoreApplication. Raises std::runtime_error when
// the file cannot be made.
QString EnsureSampleDatabase();

} // namespace sample
