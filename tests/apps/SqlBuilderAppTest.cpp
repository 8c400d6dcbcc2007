#include "SqlBuilderApp.h"
#include "TestSupport.h"

#include <schemakit/builder/SQLBldr.h>

#include <QDialog>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

using namespace schemakit;
using sqlbuilder::Command;
using sqlbuilder::CommandKind;
using sqlbuilder::ParseCommandLine;

namespace {

const QString kJoin =
    QStringLiteral("SELECT customers.company_name, COUNT(orders.order_id) FROM customers, orders "
                   "WHERE customers.customer_id = orders.customer_id GROUP BY customers.company_name");

struct Outcome {
    int ExitCode = -1;
    QString Out;
    QStringList ErrLines;
};

// Runs the program headless, with the sample database built in a cache of its
// own and a runtime directory of its own (without one Qt adds a line of its own
// to standard error).
Outcome RunProgram(const QStringList& arguments, const QString& dir)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), dir + QStringLiteral("/cache"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(SQLBUILDER_PROGRAM), arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << arguments.join(u' ').toStdString();
    Outcome outcome;
    if (process.exitStatus() == QProcess::NormalExit)
        outcome.ExitCode = process.exitCode();
    outcome.Out = QString::fromUtf8(process.readAllStandardOutput());
    outcome.ErrLines = QString::fromUtf8(process.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    return outcome;
}

Command Parse(QStringList arguments)
{
    arguments.prepend(QStringLiteral("sqlbuilder"));
    return ParseCommandLine(arguments);
}

// Points the sample database's cache at a directory of the test while it lives.
class CacheHome {
public:
    explicit CacheHome(const QString& dir)
        : FOld(qgetenv("XDG_CACHE_HOME")), FHadOld(qEnvironmentVariableIsSet("XDG_CACHE_HOME"))
    {
        qputenv("XDG_CACHE_HOME", dir.toUtf8());
    }
    ~CacheHome()
    {
        if (FHadOld)
            qputenv("XDG_CACHE_HOME", FOld);
        else
            qunsetenv("XDG_CACHE_HOME");
    }

private:
    QByteArray FOld;
    bool FHadOld;
};

} // namespace

TEST(SqlBuilderProgram, AnswersHelpAndRefusesBadInputWithOneLine)
{
    QTemporaryDir cache;
    ASSERT_TRUE(cache.isValid());

    const Outcome help = RunProgram({QStringLiteral("--help")}, cache.path());
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_TRUE(help.ErrLines.isEmpty());
    for (const char* option :
         {"--database <NAME>", "--sql <TEXT>", "--sql-file <FILE>", "--dialect <NAME>", "--caption <TEXT>",
          "--offscreen", "--screenshot <FILE>", "--scale <N>", "--lang <LANG>", "de, fr or en", "--help", "--version",
          "Exit codes", "Default: ansi"})
        EXPECT_TRUE(help.Out.contains(QLatin1String(option))) << option;

    const QString missingFile = cache.filePath(QStringLiteral("none.sql"));
    const QList<QStringList> refused = {
        {QStringLiteral("--dialect"), QStringLiteral("nonsense")},
        {QStringLiteral("--database"), QStringLiteral("/nonexistent/x.db")},
        {QStringLiteral("--no-such-option")},
        {QStringLiteral("--sql"), QStringLiteral("SELECT 1"), QStringLiteral("--sql-file"), missingFile},
        {QStringLiteral("--sql-file"), missingFile},
        {QStringLiteral("--scale"), QStringLiteral("0")},
        {QStringLiteral("--lang"), QStringLiteral("xx")},
        {QStringLiteral("stray")},
    };
    for (const QStringList& arguments : refused) {
        const Outcome outcome = RunProgram(arguments, cache.path());
        EXPECT_EQ(outcome.ExitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(outcome.Out.isEmpty()) << arguments.join(u' ').toStdString();
        ASSERT_EQ(outcome.ErrLines.size(), 1) << outcome.ErrLines.join(u'|').toStdString();
        EXPECT_TRUE(outcome.ErrLines[0].startsWith(QLatin1String("sqlbuilder: "))) << outcome.ErrLines[0].toStdString();
    }
    const Outcome database = RunProgram(refused[1], cache.path());
    EXPECT_TRUE(database.ErrLines.value(0).contains(QLatin1String("\"/nonexistent/x.db\"")));
}

TEST(SqlBuilderProgram, ScreenshotIsTheWindowWithTheStatementLoaded)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TfrmZBSQLBuilder reference;
    reference.show();

    const QString plain = dir.filePath(QStringLiteral("plain.png"));
    Outcome outcome = RunProgram({QStringLiteral("--screenshot"), plain, QStringLiteral("--sql"), kJoin}, dir.path());
    ASSERT_EQ(outcome.ExitCode, 0) << outcome.ErrLines.join(u'|').toStdString();
    EXPECT_TRUE(outcome.Out.isEmpty());
    const QImage picture(plain);
    EXPECT_EQ(picture.size(), reference.size());
    // A window grabbed before it was laid out comes out as one flat colour.
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 7)
        for (int x = 0; x < picture.width(); x += 7)
            colours.insert(picture.pixel(x, y));
    EXPECT_GT(colours.size(), 8);

    const QString doubled = dir.filePath(QStringLiteral("doubled.png"));
    outcome = RunProgram({QStringLiteral("--screenshot"), doubled, QStringLiteral("--scale"), QStringLiteral("2")},
                         dir.path());
    ASSERT_EQ(outcome.ExitCode, 0) << outcome.ErrLines.join(u'|').toStdString();
    EXPECT_EQ(QImage(doubled).size(), reference.size() * 2);

    // A file that cannot be written fails without leaving anything behind.
    const QString unwritable = dir.filePath(QStringLiteral("missing/dir/x.png"));
    outcome = RunProgram({QStringLiteral("--screenshot"), unwritable}, dir.path());
    EXPECT_EQ(outcome.ExitCode, 2);
    EXPECT_EQ(outcome.ErrLines.size(), 1);
    EXPECT_FALSE(QFile::exists(unwritable));
}

TEST(SqlBuilderRun, PrintsExactlyTheAcceptedStatementAndNothingOnCancel)
{
    QTemporaryDir cache;
    ASSERT_TRUE(cache.isValid());
    // The sample database is built from the resources of a static library,
    // which only a registered resource keeps in the program.
    const CacheHome home(cache.path());
    const QString sqlFile = cache.filePath(QStringLiteral("start.sql"));
    {
        QFile file(sqlFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBF" + kJoin.toUtf8() + "\r\n");
    }
    const Command command =
        Parse({QStringLiteral("--sql-file"), sqlFile, QStringLiteral("--dialect"), QStringLiteral("MSSQL"),
               QStringLiteral("--caption"), QStringLiteral("Orders per customer")});
    ASSERT_EQ(command.Kind, CommandKind::Run) << command.Text.toStdString();
    EXPECT_EQ(command.Settings.SQL, kJoin);
    EXPECT_FALSE(command.Settings.Offscreen);

    TScriptedDialogService& dialogs = test::InstallScriptedDialogs();
    // The page's text goes out as it is, its own line ends included.
    const QString edited = QStringLiteral("SELECT customers.city \r\nFROM customers \r\n");
    dialogs.ModalAnswers.push_back([&](QDialog& dialog) {
        auto* form = dynamic_cast<TfrmZBSQLBuilder*>(&dialog);
        EXPECT_TRUE(form && form->SchemaDesignArea->FindItem(QStringLiteral("orders")));
        EXPECT_TRUE(form && form->DataEngine() && form->DataEngine()->SQLSubType() == stMSSQL);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Orders per customer"));
        if (form)
            form->SetSQLText(edited);
        return int(QDialog::Accepted);
    });
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(sqlbuilder::RunBuilder(command.Settings, out, err), sqlbuilder::ExitAccepted);
    EXPECT_EQ(out.str(), (edited + u'\n').toStdString());
    EXPECT_EQ(err.str(), "");

    // Cancel, and OK on an untouched start statement.
    out.str({});
    dialogs.ModalAnswers.push_back([](QDialog&) { return int(QDialog::Rejected); });
    EXPECT_EQ(sqlbuilder::RunBuilder(command.Settings, out, err), sqlbuilder::ExitCancelled);
    EXPECT_EQ(out.str(), "");
    dialogs.ModalAnswers.push_back([](QDialog&) { return int(QDialog::Accepted); });
    EXPECT_EQ(sqlbuilder::RunBuilder(command.Settings, out, err), sqlbuilder::ExitAccepted);
    EXPECT_EQ(out.str(), (kJoin + u'\n').toStdString());
}

TEST(SqlBuilderRun, LanguageIsOneTheLibraryIsTranslatedIntoOrEnglish)
{
    EXPECT_EQ(Parse({}).Settings.Language, QString()); // the system's
    for (const char* given : {"de", "FR", "en"}) {
        const Command command = Parse({QStringLiteral("--lang"), QLatin1String(given)});
        ASSERT_EQ(command.Kind, CommandKind::Run) << command.Text.toStdString();
        EXPECT_EQ(command.Settings.Language, QLatin1String(given).toString().toLower());
    }
    for (const char* refused : {"", "deu", "de_DE"}) {
        const Command command = Parse({QStringLiteral("--lang"), QLatin1String(refused)});
        EXPECT_EQ(command.Kind, CommandKind::Error) << refused;
        EXPECT_TRUE(command.Text.startsWith(QLatin1String("unknown --lang"))) << command.Text.toStdString();
    }

    // The window speaks the language asked for; English takes back what an
    // earlier choice put in place.
    sqlbuilder::InstallLanguage(QStringLiteral("de"));
    EXPECT_EQ(TfrmZBSQLBuilder().btnCancel->text(), QStringLiteral("Abbrechen"));
    sqlbuilder::InstallLanguage(QStringLiteral("en"));
    EXPECT_EQ(TfrmZBSQLBuilder().btnCancel->text(), QStringLiteral("Cancel"));
}
