#pragma once

#include <schemakit/schemakit_export.h>

#include <QSqlQueryModel>
#include <QString>

namespace schemakit {

/// The result set of the Qt SQL engine: a QSqlQueryModel that does not hide a
/// failure while fetching. Rows are fetched in batches as a view asks for them;
/// when a batch fails part-way (a damaged file, a lost server), Qt's model
/// stops as if the result had ended. This one records the error instead:
/// lastError() returns it, FetchError() gives its text, and fetchFailed() is
/// emitted once, so a view can tell the rows shown are not all there are.
/// A new query clears the state.
class SCHEMAKIT_EXPORT TSchemaQueryModel : public QSqlQueryModel {
    Q_OBJECT
public:
    /// An empty model.
    explicit TSchemaQueryModel(QObject* parent = nullptr);
    ~TSchemaQueryModel() override;

    /// Fetches the next batch of rows and records the error of one that failed.
    void fetchMore(const QModelIndex& parent = QModelIndex()) override;

    /// The text of the error that ended fetching early; empty while none did.
    const QString& FetchError() const noexcept { return FFetchError; }
    /// Fetches every row that is left; raises an error carrying the database's
    /// text when fetching fails part-way.
    void FetchAll();

signals:
    /// Emitted once when fetching ends early on an error, with its text.
    void fetchFailed(const QString& message);

protected:
    /// Clears the recorded fetch error when a new query is set.
    void queryChange() override;

private:
    QString FFetchError;
};

} // namespace schemakit
