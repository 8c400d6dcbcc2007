#include "DatabaseSession.h"

#include "DatabaseConnection.h"
#include "SqlNames.h"

#include "../package/StringList.h"

#include <QSqlDatabase>

#include <algorithm>

namespace schemakit {

TDatabaseSession::TDatabaseSession() = default;
TDatabaseSession::~TDatabaseSession() = default;

void TDatabaseSession::GetDatabaseNames(TStringList& List) const
{
    QStringList names;
    for (const QString& connection : QSqlDatabase::connectionNames()) {
        if (!IsEngineConnectionName(connection))
            names << connection;
    }
    names << FFiles;
    std::sort(names.begin(), names.end(), TableNameLess);
    names.erase(std::unique(names.begin(), names.end()), names.end());

    UpdateList(List, [&] {
        List.Clear();
        for (const QString& name : std::as_const(names))
            List.Add(name);
    });
}

void TDatabaseSession::RegisterDatabaseFile(const QString& fileName)
{
    if (!fileName.isEmpty() && !FFiles.contains(fileName))
        FFiles << fileName;
}

void TDatabaseSession::UnregisterDatabaseFile(const QString& fileName)
{
    FFiles.removeAll(fileName);
}

TDatabaseSession& Session()
{
    static TDatabaseSession session;
    return session;
}

} // namespace schemakit
