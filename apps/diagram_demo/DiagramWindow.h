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
    // Replaces the diagram by a schema file's.
    void OpenFile(const QString& fileName);
    void SetShowItemToolbar(bool value);
    schemakit::TSchemaDesignArea* Pane() const { return FPane; }
    schemakit::TSchemaBDEDataEngine* Engine() const { return FEngine; }

private:
    // A foreign key column: Table.Field refers to Target.TargetField.
    struct Reference {
        QString Table, Field, Target, TargetField;
    };
    // The texts of a statement's result, row by row.
    QList<QStringList> Rows(const QString& sql);
    QSet<QPair<QString, QString>> KeyFields(QSqlDriver::DbmsType dbms);
    QList<Reference> References(QSqlDriver::DbmsType dbms);
    void LayOut(const QList<Reference>& references);
    void Link(const QList<Reference>& references, const QSet<QPair<QString, QString>>& keys);

    schemakit::TSchemaDesignArea* FPane;
    schemakit::TSchemaBDEDataEngine* FEngine;
    QAction* FShowToolbar = nullptr;
};

} // namespace demo
