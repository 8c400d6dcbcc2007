#pragma once

#include <schemakit/schemakit_export.h>

#include <QString>
#include <QStringList>

namespace schemakit {

class TStringList;

/// The process-wide set of database names an application offers, such as in the
/// DatabaseName editor of the designer: its Qt SQL connections and the SQLite
/// files it registers here. The engines' own connections are not among them.
class SCHEMAKIT_EXPORT TDatabaseSession {
public:
    /// A session with no registered files.
    TDatabaseSession();
    ~TDatabaseSession();
    TDatabaseSession(const TDatabaseSession&) = delete;
    TDatabaseSession& operator=(const TDatabaseSession&) = delete;

    /// Empties List and fills it with the connection names and registered files,
    /// sorted, each name once.
    void GetDatabaseNames(TStringList& List) const;

    /// Registers an SQLite file to offer.
    /// Files are kept as given; registering one twice keeps one entry.
    void RegisterDatabaseFile(const QString& fileName);
    /// Stops offering a registered file; one not registered is ignored.
    void UnregisterDatabaseFile(const QString& fileName);
    /// The registered files, in the order they were registered.
    const QStringList& DatabaseFiles() const noexcept { return FFiles; }

private:
    QStringList FFiles;
};

/// The default session of the process.
SCHEMAKIT_EXPORT TDatabaseSession& Session();

} // namespace schemakit
