#pragma once

#include <QAbstractItemModel>
#include <QObject>
#include <QPointer>

namespace schemakit {

// Binds a result set to the views that show it. The result set belongs to
// whoever made it (usually the data engine); the source only points at it and
// reads null once it is gone.
class TDataSource : public QObject {
    Q_OBJECT
public:
    explicit TDataSource(QObject* AOwner = nullptr) : QObject(AOwner) {}

    QAbstractItemModel* DataSet() const { return FDataSet; }
    void SetDataSet(QAbstractItemModel* Value)
    {
        FDataSet = Value;
        emit dataSetChanged(Value);
    }

signals:
    // Also emitted when the same result set is bound again: it may show a new
    // statement's rows.
    void dataSetChanged(QAbstractItemModel* dataSet);

private:
    QPointer<QAbstractItemModel> FDataSet;
};

} // namespace schemakit
