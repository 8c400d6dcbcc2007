#pragma once

#include <schemakit/diagram/SchmCntr.h>
#include <schemakit/engines/ZBDB.h>

#include <QMainWindow>
#include <QMap>
#include <QSet>
#include <QSqlDriver>

namespace demo {

// A window with one diagram pane showing every table of a database as a box,
// read through the Qt SQL data engine.
class DiagramWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit DiagramWindow(QWidget* parent = nullptr);

    // Shows the tables of the database the name stands for: an SQLite file or a
    // PostgreSQL connection string (see TSchemaBDEDataEngine). Raises
    // schemakit::Exception when the database cannot be read.
    void ShowDatabase(const QString& databaseName);
    schemakit::TSchemaDesignArea* Pane() const { return FPane; }
    schemakit::TSchemaBDEDataEngine* Engine() const { return FEngine; }

private:
    // Pairs of texts from the first two columns of a statement's result.
    QList<QPair<QString, QString>> Rows(const QString& sql);
    QSet<QPair<QString, QString>> KeyFields(QSqlDriver::DbmsType dbms);
    QMap<QString, QStringList> References(QSqlDriver::DbmsType dbms);
    void LayOut(const QMap<QString, QStringList>& references);

    schemakit::TSchemaDesignArea* FPane;
    schemakit::TSchemaBDEDataEngine* FEngine;
};

} // namespace demo
