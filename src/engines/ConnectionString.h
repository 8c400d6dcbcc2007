#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringView>

namespace schemakit {

/// A PostgreSQL connection string taken apart into what Qt's PostgreSQL driver
/// wants as separate settings, and the rest of the keywords, in their order.
struct TPgConnectionParams {
    QString Host;                           ///< the host keyword (a URI's hosts); empty when not given
    int Port = -1;                          ///< -1: not given (or not one number, then it is among Options)
    QString DatabaseName;                   ///< the dbname keyword; empty when not given
    QString UserName;                       ///< the user keyword; empty when not given
    QString Password;                       ///< the password keyword; empty when not given
    QList<QPair<QString, QString>> Options; ///< every other keyword with its value

    /// The options in the driver's form: key='value' items separated by ';'.
    /// Raises an error for a value holding ';', which the driver would turn into
    /// a blank, connecting with a different value than the one written.
    QString ConnectOptions() const;
};

/// Whether the text is meant as a PostgreSQL connection string: a URI starting
/// with "postgresql://" or "postgres://", or libpq's keyword/value form starting
/// with one of libpq's keywords followed by "=" ("host=db1 dbname=sales").
bool IsPgConnectionString(QStringView text);

/// Reads either form. Percent escapes of the URI and quoting and backslash escapes
/// of the keyword/value form are resolved; of a keyword given twice the last one
/// counts, as libpq has it. Malformed text raises an error naming the fault.
TPgConnectionParams ParsePgConnectionString(QStringView text);

} // namespace schemakit
