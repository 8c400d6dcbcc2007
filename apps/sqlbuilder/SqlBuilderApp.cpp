#include "SqlBuilderApp.h"

#include "SampleDatabase.h"

#include <schemakit/builder/SQLBldr.h>
#include <schemakit/engines/ZBDB.h>
#include <schemakit/package/Exceptions.h>
#include <schemakit/package/Translation.h>

#include <QCommandLineParser>
#include <QEvent>
#include <QFile>
#include <QPixmap>
#include <QPointer>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTimer>

#include <array>
#include <ostream>

namespace sqlbuilder {

namespace {

constexpr char kProgram[] = "sqlbuilder";
constexpr double kMaxScale = 8; // a bigger picture is a typing error, not a wish

const QString kDefaultScreenshot = QStringLiteral("schemakit-sqlbuilder.png");

struct DialectName {
    const char* Name;
    schemakit::TSQLSubType Dialect;
};
constexpr std::array kDialects{
    DialectName{"standard", schemakit::stStandard}, DialectName{"local", schemakit::stLocal},
    DialectName{"oracle", schemakit::stOracle},     DialectName{"mssql", schemakit::stMSSQL},
    DialectName{"ansi", schemakit::stAnsi},
};

QString Quoted(const QString& text)
{
    return u'"' + text + u'"';
}

QString ApplicationDescription()
{
    return QStringLiteral("SchemaKit query builder: build a SELECT statement visually on a database.\n"
                          "When OK is pressed the statement is written to standard output, exactly as\n"
                          "the SQL page shows it, followed by one line end.\n"
                          "\n"
                          "Exit codes:\n"
                          "  0  OK was pressed and the statement written, or the screenshot written\n"
                          "  1  the builder was cancelled or its window closed\n"
                          "  2  a bad option or value, a database that cannot be opened, or a\n"
                          "     screenshot that cannot be written (one line on standard error says why)");
}

// The statement of a --sql-file: UTF-8 (a byte-order mark is skipped), without
// the line end that closes the file's last line.
bool ReadSQLFile(const QString& fileName, QString& sql, QString& error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read --sql-file %1: %2").arg(Quoted(fileName), file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = QStringLiteral("cannot read --sql-file %1: %2").arg(Quoted(fileName), file.errorString());
        return false;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    sql = decoder.decode(bytes);
    if (decoder.hasError()) {
        error = QStringLiteral("--sql-file %1 is not UTF-8 text").arg(Quoted(fileName));
        return false;
    }
    if (sql.endsWith(QLatin1String("\r\n")))
        sql.chop(2);
    else if (sql.endsWith(u'\n'))
        sql.chop(1);
    return true;
}

bool ParseDialect(const QString& text, schemakit::TSQLSubType& dialect)
{
    for (const DialectName& entry : kDialects) {
        if (text.compare(QLatin1String(entry.Name), Qt::CaseInsensitive) == 0) {
            dialect = entry.Dialect;
            return true;
        }
    }
    return false;
}

Command Failure(const QString& message)
{
    Command command;
    command.Kind = CommandKind::Error;
    command.Text = message;
    return command;
}

// Takes the picture once the window has been shown and laid out, then closes
// the window with Cancel. The zero-timer lets the events that showing posts
// (layout, polish) run first.
class ScreenshotTaker : public QObject {
public:
    explicit ScreenshotTaker(QString fileName) : FFileName(std::move(fileName)) {}

    void Watch(QDialog* form) { form->installEventFilter(this); }
    bool Written() const noexcept { return FWritten; }
    const QString& Error() const noexcept { return FError; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !FScheduled) {
            FScheduled = true;
            QPointer<QDialog> form = static_cast<QDialog*>(watched);
            QTimer::singleShot(0, form, [this, form] {
                Save(form->grab());
                form->reject();
            });
        }
        return false;
    }

private:
    // Written through QSaveFile, so a failed run never leaves a half picture
    // in place of an older one.
    void Save(const QPixmap& picture)
    {
        QSaveFile file(FFileName);
        if (!file.open(QIODevice::WriteOnly)) {
            FError = file.errorString();
            return;
        }
        if (!picture.save(&file, "PNG")) {
            file.cancelWriting();
            FError = QStringLiteral("the picture cannot be written as PNG");
            return;
        }
        if (!file.commit()) {
            FError = file.errorString();
            return;
        }
        FWritten = true;
    }

    QString FFileName;
    QString FError;
    bool FScheduled = false;
    bool FWritten = false;
};

class HeadlessDialogs : public schemakit::TQtDialogService {
public:
    explicit HeadlessDialogs(std::ostream& err) : FErr(err) {}

    bool ExecuteFontDialog(schemakit::TFont&, QWidget*) override { return false; }
    bool ExecuteColorDialog(schemakit::TColor&, QWidget*) override { return false; }
    bool ExecuteOpenDialog(QString&, const QString&, const QString&, QWidget*) override { return false; }
    bool ExecuteSaveDialog(QString&, const QString&, const QString&, QWidget*) override { return false; }
    void ShowMessage(const QString& text, QWidget*) override { Report(text); }
    void ShowWarning(const QString& text, QWidget*) override { Report(text); }

private:
    void Report(const QString& text)
    {
        const QByteArray line = QStringLiteral("%1: %2\n").arg(QLatin1String(kProgram), text.simplified()).toUtf8();
        FErr.write(line.constData(), line.size());
        FErr.flush();
    }

    std::ostream& FErr;
};

} // namespace

int Fail(std::ostream& err, const QString& message)
{
    // One line whatever the database says: scripts read the first line of
    // standard error as the reason.
    const QByteArray line = QStringLiteral("%1: %2\n").arg(QLatin1String(kProgram), message.simplified()).toUtf8();
    err.write(line.constData(), line.size());
    err.flush();
    return ExitFailed;
}

Command ParseCommandLine(const QStringList& arguments)
{
    const QString dialectNames = QStringLiteral("standard, local, oracle, mssql or ansi");
    const QCommandLineOption database(
        QStringLiteral("database"),
        QStringLiteral("The database to build on: an SQLite file, or a PostgreSQL connection string "
                       "(postgresql://... or \"host=... dbname=...\"). Default: the bundled sample database."),
        QStringLiteral("NAME"));
    const QCommandLineOption sql(QStringLiteral("sql"),
                                 QStringLiteral("The statement to start from; its tables become boxes and the "
                                                "fields it selects are ticked. Default: an empty builder."),
                                 QStringLiteral("TEXT"));
    const QCommandLineOption sqlFile(QStringLiteral("sql-file"),
                                     QStringLiteral("Start from the statement in FILE (UTF-8; the line end that "
                                                    "closes the file is not part of it). Not together with --sql."),
                                     QStringLiteral("FILE"));
    const QCommandLineOption dialect(
        QStringLiteral("dialect"),
        QStringLiteral("The SQL dialect the builder writes: %1. Default: ansi, which SQLite and PostgreSQL run.")
            .arg(dialectNames),
        QStringLiteral("NAME"));
    const QCommandLineOption caption(QStringLiteral("caption"),
                                     QStringLiteral("The window's caption. Default: the builder's own."),
                                     QStringLiteral("TEXT"));
    const QCommandLineOption offscreen(QStringLiteral("offscreen"),
                                       QStringLiteral("Run without a display (Qt's offscreen platform) and write a "
                                                      "screenshot to %1, or to the --screenshot file.")
                                           .arg(kDefaultScreenshot));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Write a PNG picture of the builder, with the start statement loaded, to FILE and close it "
                       "with Cancel. Implies --offscreen."),
        QStringLiteral("FILE"));
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   QStringLiteral("Scale the window by N (Qt's QT_SCALE_FACTOR), e.g. 2 for a "
                                                  "screenshot at twice the size; at most %1. Default: the "
                                                  "platform's own.")
                                       .arg(kMaxScale),
                                   QStringLiteral("N"));
    // The languages the library is translated into, and English, which needs none.
    const QStringList languages = schemakit::TranslationLanguages() << QStringLiteral("en");
    const QString languageNames = languages.size() > 1
                                      ? languages.mid(0, languages.size() - 1).join(QStringLiteral(", ")) +
                                            QStringLiteral(" or ") + languages.constLast()
                                      : languages.constFirst();
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("The language of the window: %1. Default: the system's, where "
                                                 "there is a translation for it, else English.")
                                      .arg(languageNames),
                                  QStringLiteral("LANG"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));

    QCommandLineParser parser;
    parser.setApplicationDescription(ApplicationDescription());
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({database, sql, sqlFile, dialect, caption, offscreen, screenshot, scale, lang, help, version});
    if (!parser.parse(arguments))
        return Failure(parser.errorText() + QStringLiteral(" (see --help)"));

    Command command;
    if (parser.isSet(help)) {
        command.Kind = CommandKind::Help;
        command.Text = parser.helpText();
        // Without an application object Qt cannot name the program itself.
        const qsizetype lineEnd = command.Text.indexOf(u'\n');
        command.Text.replace(0, lineEnd, QStringLiteral("Usage: %1 [options]").arg(QLatin1String(kProgram)));
        return command;
    }
    if (parser.isSet(version)) {
        command.Kind = CommandKind::Version;
        command.Text = QStringLiteral("%1 %2\n").arg(QLatin1String(kProgram), QStringLiteral(SCHEMAKIT_APP_VERSION));
        return command;
    }
    if (!parser.positionalArguments().isEmpty())
        return Failure(QStringLiteral("unexpected argument %1 (see --help)")
                           .arg(Quoted(parser.positionalArguments().constFirst())));

    Options& options = command.Settings;
    if (parser.isSet(database)) {
        options.Database = parser.value(database);
        if (options.Database.isEmpty())
            return Failure(QStringLiteral("--database needs a database name"));
    }
    if (parser.isSet(sql) && parser.isSet(sqlFile))
        return Failure(QStringLiteral("--sql and --sql-file cannot be given together"));
    if (parser.isSet(sql))
        options.SQL = parser.value(sql);
    QString error;
    if (parser.isSet(sqlFile) && !ReadSQLFile(parser.value(sqlFile), options.SQL, error))
        return Failure(error);
    if (parser.isSet(dialect) && !ParseDialect(parser.value(dialect), options.Dialect))
        return Failure(QStringLiteral("unknown --dialect %1; use %2").arg(Quoted(parser.value(dialect)), dialectNames));
    options.Caption = parser.value(caption);
    if (parser.isSet(scale)) {
        bool ok = false;
        options.Scale = parser.value(scale).toDouble(&ok);
        if (!ok || !(options.Scale > 0 && options.Scale <= kMaxScale))
            return Failure(QStringLiteral("--scale %1 is not a number above 0 and at most %2")
                               .arg(Quoted(parser.value(scale)))
                               .arg(kMaxScale));
    }
    if (parser.isSet(lang)) {
        options.Language = parser.value(lang).toLower();
        if (!languages.contains(options.Language))
            return Failure(QStringLiteral("unknown --lang %1; use %2").arg(Quoted(parser.value(lang)), languageNames));
    }
    if (parser.isSet(screenshot)) {
        options.Screenshot = parser.value(screenshot);
        if (options.Screenshot.isEmpty())
            return Failure(QStringLiteral("--screenshot needs a file name"));
    } else if (parser.isSet(offscreen)) {
        options.Screenshot = kDefaultScreenshot;
    }
    options.Offscreen = !options.Screenshot.isEmpty();
    return command;
}

int RunBuilder(const Options& options, std::ostream& out, std::ostream& err)
{
    QString databaseName = options.Database;
    if (databaseName.isEmpty()) {
        try {
            databaseName = sample::EnsureSampleDatabase();
        } catch (const std::exception& e) {
            return Fail(err, QStringLiteral("cannot make the sample database: %1").arg(QString::fromUtf8(e.what())));
        }
    }

    schemakit::TSchemaBDEDataEngine engine;
    engine.SetSQLSubType(options.Dialect);
    // Opened before anything is shown, so an unreachable database is one line
    // of error rather than an empty window.
    try {
        engine.SetDatabaseName(databaseName);
        engine.Database();
    } catch (const schemakit::Exception& e) {
        return Fail(err, QStringLiteral("cannot open database %1: %2").arg(Quoted(databaseName), e.Message()));
    }

    schemakit::TSQLBuilderDialog dialog;
    dialog.SetDataEngine(&engine);
    dialog.SetSQL(options.SQL);
    dialog.SetCaption(options.Caption);

    std::unique_ptr<ScreenshotTaker> screenshot;
    if (!options.Screenshot.isEmpty()) {
        screenshot = std::make_unique<ScreenshotTaker>(options.Screenshot);
        QObject::connect(&dialog, &schemakit::TSQLBuilderDialog::formReady, screenshot.get(),
                         [taker = screenshot.get()](schemakit::TfrmZBSQLBuilder* form) { taker->Watch(form); });
    }

    bool accepted = false;
    try {
        accepted = dialog.Execute();
    } catch (const schemakit::Exception& e) {
        return Fail(err, e.Message());
    } catch (const std::exception& e) {
        return Fail(err, QString::fromUtf8(e.what()));
    }

    if (screenshot) {
        if (!screenshot->Written()) {
            const QString reason =
                screenshot->Error().isEmpty() ? QStringLiteral("the window was never shown") : screenshot->Error();
            return Fail(err, QStringLiteral("cannot write screenshot %1: %2").arg(Quoted(options.Screenshot), reason));
        }
        const QByteArray note =
            QStringLiteral("%1: screenshot written to %2\n").arg(QLatin1String(kProgram), options.Screenshot).toUtf8();
        err.write(note.constData(), note.size());
        return ExitAccepted;
    }
    if (!accepted)
        return ExitCancelled;
    const QByteArray statement = dialog.SQL().toUtf8();
    out.write(statement.constData(), statement.size());
    out << '\n';
    out.flush();
    return ExitAccepted;
}

void InstallLanguage(const QString& language)
{
    // English has no translation: asking for it removes one put in place before.
    schemakit::InstallTranslator(language.isEmpty() ? QLocale() : QLocale(language));
}

std::unique_ptr<schemakit::TDialogService> MakeHeadlessDialogs(std::ostream& err)
{
    return std::make_unique<HeadlessDialogs>(err);
}

} // namespace sqlbuilder
