// The query builder application: a builder window on the bundled sample
// database (or on another SQLite file or PostgreSQL database) that writes the
// accepted statement to standard output.
//
//   sqlbuilder [--database NAME] [--sql TEXT | --sql-file FILE] [--dialect NAME]
//              [--caption TEXT] [--offscreen] [--screenshot FILE] [--scale N]
//              [--lang de|fr|en]
//
// Exit codes: 0 OK (or the screenshot written), 1 cancelled, 2 a bad option,
// an unreachable database or a screenshot not written. `sqlbuilder --help` says more.

#include "SqlBuilderApp.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

#include <iostream>

namespace {

QtMessageHandler qtHandler = nullptr;

// The offscreen platform says this of every window it shows; for a screenshot
// it means nothing, and standard error is where a script looks for the reason
// a run failed.
void QuietOffscreenMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    qtHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const sqlbuilder::Command command = sqlbuilder::ParseCommandLine(arguments);
    switch (command.Kind) {
    case sqlbuilder::CommandKind::Help:
    case sqlbuilder::CommandKind::Version:
        std::cout << command.Text.toStdString() << std::flush;
        return sqlbuilder::ExitAccepted;
    case sqlbuilder::CommandKind::Error: return sqlbuilder::Fail(std::cerr, command.Text);
    case sqlbuilder::CommandKind::Run: break;
    }

    // Both are read when the application object is made.
    const sqlbuilder::Options& options = command.Settings;
    if (options.Offscreen) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qtHandler = qInstallMessageHandler(QuietOffscreenMessages);
    }
    if (options.Scale > 0)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(options.Scale));
    // Every argument has been read as one of ours; Qt is given none, so that a
    // caption or a statement that looks like one of Qt's own options ("-reverse")
    // never changes the window.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("sqlbuilder"));
    sqlbuilder::InstallLanguage(options.Language);
    const QString icon = QStringLiteral(":/schemakit/builder/sqlbuilder.svg");
    if (QFile::exists(icon))
        QApplication::setWindowIcon(QIcon(icon));
    if (options.Offscreen)
        schemakit::SetDialogService(sqlbuilder::MakeHeadlessDialogs(std::cerr));

    return sqlbuilder::RunBuilder(options, std::cout, std::cerr);
}
