#pragma once

// Reading the sample database script (sample.sql beside this header), shared by
// the demo, which builds its SQLite file from it, and the engine tests, which load
// it into SQLite and PostgreSQL.

#include <QString>
#include <QStringList>

namespace sample {

// Splits the script into statements at ';' ending a line, dropping "--" comment
// lines. The script is written to that rule; it is not a general SQL splitter.
inline QStringList SplitScript(const QString& script)
{
    QStringList statements;
    QString current;
    for (const QString& line : script.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1String("--")))
            continue;
        current += line + u'\n';
        if (trimmed.endsWith(u';')) {
            current = current.trimmed();
            current.chop(1);
            statements << current;
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}

} // namespace sample
