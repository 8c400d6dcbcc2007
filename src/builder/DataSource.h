#pragma once

#include <schemakit/schemakit_export.h>

#include <QAbstractItemModel>
#include <QObject>
#include <QPointer>

namespace schemakit {

/// Binds a result set to the views that show it. The result set belongs to
/// whoever made it (usually the data engine); the source only points at it and
/// reads null once it is gone.
class SCHEMAKIT_EXPORT TDataSource : public QObject {
    Q_OBJECT
public:
    /// A source bound to nothing, owned by `AOwner`.
    explicit TDataSource(QObject* AOwner = nullptr) : QObject(AOwner) {}

    ///@{
    /// The result set the views show; null when none is bound or it is gone.
    /// Setting it emits dataSetChanged.
    QAbstractItemModel* DataSet() const { return FDataSet; }
    void SetDataSet(QAbstractItemModel* Value)
    {
        FDataSet = Value;
        emit dataSetChanged(Value);
    }
    ///@}

signals:
    /// Emitted when a result set is bound.
    /// Also emitted when the same result set is bound again: it may show a new
    /// statement's rows.
    void dataSetChanged(QAbstractItemModel* dataSet);

private:
    QPointer<QAbstractItemModel> FDataSet;
};

} // namespace schemakit
