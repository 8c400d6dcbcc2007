#pragma once

#include <QString>
#include <QStringList>

namespace schemakit {

class TStringList;

// The process-wide set of database names an application offers, such as in the
// DatabaseName editor of the designer: its Qt SQL connections and the SQLite
// files it registers here. The engines' own connections are not among them.
class TDatabaseSession {
public:
    TDatabaseSession();
    ~TDatabaseSession();
    TDatabaseSession(const TDatabaseSession&) = delete;
    TDatabaseSession& operator=(const TDatabaseSession&) = delete;

    // Empties List and fills it with the connection names and registered files,
    // sorted, each name once.
    void GetDatabaseNames(TStringList& List) const;

    // Files are kept as given; registering one twice keeps one entry.
    void RegisterDatabaseFile(const QString& fileName);
    void UnregisterDatabaseFile(const QString& fileName);
    const QStringList& DatabaseFiles() const noexcept { return FFiles; }

private:
    QStringList FFiles;
};

// The default session of the process.
TDatabaseSession& Session();

} // namespace schemakit
