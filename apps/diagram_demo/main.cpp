// The diagram demo: every table of the bundled sample database (or of another
// SQLite file, or of a PostgreSQL database) as a check-list box on a pane, read
// through the Qt SQL data engine.
//
//   schemakit_diagram_demo [--offscreen] [--screenshot FILE] [--database NAME]
//                          [--open FILE.sch] [--save FILE.sch] [--toolbar] [--arrange]
//                          [--export FILE.png|.svg|.pdf]
//
// NAME is an SQLite file or a PostgreSQL connection string, either
// "postgresql://user@host:5432/sales" or "host=... dbname=... user=...".

#include "DiagramWindow.h"
#include "SampleDatabase.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstring>
#include <iostream>

int main(int argc, char** argv)
{
    // The platform must be chosen before the application object exists.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--offscreen") == 0 || std::strcmp(argv[i], "--screenshot") == 0)
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("schemakit-demo"));

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("SchemaKit diagram demo"));
    options.addHelpOption();
    options.addOption({QStringLiteral("offscreen"), QStringLiteral("Run headless and write a screenshot.")});
    options.addOption({QStringLiteral("screenshot"), QStringLiteral("Write a PNG of the window to FILE and quit."),
                       QStringLiteral("FILE")});
    options.addOption({QStringLiteral("database"),
                       QStringLiteral("Show this SQLite file or PostgreSQL connection string (postgresql://... "
                                      "or \"host=... dbname=...\") instead of the sample."),
                       QStringLiteral("NAME")});
    options.addOption({QStringLiteral("open"), QStringLiteral("Show this schema file instead of a database."),
                       QStringLiteral("FILE")});
    options.addOption(
        {QStringLiteral("save"), QStringLiteral("Save the diagram as a schema file FILE."), QStringLiteral("FILE")});
    options.addOption({QStringLiteral("toolbar"), QStringLiteral("Show the item toolbar.")});
    options.addOption({QStringLiteral("arrange"), QStringLiteral("Arrange the boxes apart from each other.")});
    options.addOption({QStringLiteral("export"),
                       QStringLiteral("Write the whole diagram as a picture (.png, .svg or .pdf) to FILE."),
                       QStringLiteral("FILE")});
    options.process(app);

    demo::DiagramWindow window;
    try {
        const QString database = options.isSet(QStringLiteral("database")) ? options.value(QStringLiteral("database"))
                                                                           : sample::EnsureSampleDatabase();
        if (options.isSet(QStringLiteral("open")))
            window.OpenFile(options.value(QStringLiteral("open")));
        else
            window.ShowDatabase(database);
        if (options.isSet(QStringLiteral("arrange")))
            window.Pane()->ArrangeItems();
        if (options.isSet(QStringLiteral("save")))
            window.Pane()->SaveToFile(options.value(QStringLiteral("save")));
        window.SetShowItemToolbar(options.isSet(QStringLiteral("toolbar")));
        if (options.isSet(QStringLiteral("export")))
            window.Pane()->ExportToFile(options.value(QStringLiteral("export")));
    } catch (const std::exception& e) {
        std::cerr << "schemakit_diagram_demo: " << e.what() << '\n';
        return 1;
    }
    window.show();

    QString screenshot = options.value(QStringLiteral("screenshot"));
    if (screenshot.isEmpty() && options.isSet(QStringLiteral("offscreen")))
        screenshot = QStringLiteral("schemakit-demo.png");
    if (screenshot.isEmpty())
        return QApplication::exec();

    int status = 0;
    QTimer::singleShot(0, &window, [&] {
        if (!window.grab().save(screenshot)) {
            std::cerr << "schemakit_diagram_demo: cannot write " << screenshot.toStdString() << '\n';
            status = 1;
        } else {
            std::cout << "screenshot written to " << screenshot.toStdString() << '\n';
        }
        QApplication::quit();
    });
    QApplication::exec();
    return status;
}
