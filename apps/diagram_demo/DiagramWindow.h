#pragma once

#include <schemakit/diagram/SchmCntr.h>

#include <QMainWindow>
#include <QMap>

namespace demo {

// A window with one diagram pane showing every table of a database as a box.
class DiagramWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit DiagramWindow(QWidget* parent = nullptr);

    // Shows the tables of the SQLite file; raises std::runtime_error when it
    // cannot be opened.
    void ShowDatabase(const QString& path);
    schemakit::TSchemaDesignArea* Pane() const { return FPane; }

private:
    void LayOut(const QMap<QString, QStringList>& references);

    schemakit::TSchemaDesignArea* FPane;
};

} // namespace demo
