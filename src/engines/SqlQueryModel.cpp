#include "SqlQueryModel.h"

#include "DatabaseConnection.h"

#include "../package/Exceptions.h"

#include <QSqlError>
#include <QSqlQuery>

namespace schemakit {

TSchemaQueryModel::TSchemaQueryModel(QObject* parent) : QSqlQueryModel(parent)
{
}

TSchemaQueryModel::~TSchemaQueryModel() = default;

void TSchemaQueryModel::queryChange()
{
    FFetchError.clear();
    QSqlQueryModel::queryChange();
}

void TSchemaQueryModel::fetchMore(const QModelIndex& parent)
{
    QSqlQueryModel::fetchMore(parent);
    // Qt's model ends the result at a row it cannot fetch and keeps the
    // driver's error in the query only; a query's error stays until it runs
    // again, so it is reported once.
    if (!FFetchError.isEmpty())
        return;
    const QSqlError error = query().lastError();
    if (!error.isValid())
        return;
    setLastError(error);
    FFetchError = DatabaseErrorText(error);
    emit fetchFailed(FFetchError);
}

void TSchemaQueryModel::FetchAll()
{
    while (FFetchError.isEmpty() && canFetchMore())
        fetchMore();
    if (!FFetchError.isEmpty())
        RaiseDatabaseError(lastError(), query().lastQuery());
}

} // namespace schemakit
