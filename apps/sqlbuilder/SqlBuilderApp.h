#pragma once

#include <schemakit/engines/SqlDialect.h>
#include <schemakit/package/DialogService.h>

#include <QString>
#include <QStringList>

#include <iosfwd>
#include <memory>

// The query builder as a command: opens a builder window on a database, and on
// OK writes the statement the person built to standard output, so a script can
// use it (`sql=$(sqlbuilder --database shop.db)`).
namespace sqlbuilder {

// The program's exit codes.
enum ExitCode : int {
    ExitAccepted = 0,  // OK pressed and the statement written; or the screenshot written
    ExitCancelled = 1, // Cancel pressed or the window closed
    ExitFailed = 2,    // a bad option or value, a database that cannot be opened, a screenshot not written
};

// What a run is asked to do.
struct Options {
    QString Database; // empty: the bundled sample database
    QString SQL;      // the statement to start from, exactly as given
    schemakit::TSQLSubType Dialect = schemakit::stAnsi;
    QString Caption; // empty: the window's own
    bool Offscreen = false;
    QString Screenshot; // set exactly when Offscreen: where the picture goes
    double Scale = 0;   // 0: the platform's own
    QString Language;   // empty: the system locale's; "en": the built-in English texts
};

enum class CommandKind { Run, Help, Version, Error };

struct Command {
    CommandKind Kind = CommandKind::Run;
    Options Settings;
    // Help: the help text; Version: the version line; Error: what is wrong, one line.
    QString Text;
};

// Reads the arguments (the program name first). Needs no application object, so
// --help and a bad option are answered before any display is looked for. Reads
// the --sql-file, whose problems are errors of the command line.
Command ParseCommandLine(const QStringList& arguments);

// Opens the database, runs the builder on it and reports the outcome: the
// accepted statement followed by one line end to out, or one line of error to
// err. Returns an ExitCode. Needs a QApplication; every dialog goes through
// schemakit::Dialogs().
int RunBuilder(const Options& options, std::ostream& out, std::ostream& err);

// The dialogs of a run without a display: choices are cancelled and messages
// written to err, so nothing ever waits for a person. The builder window itself
// is still shown (off screen), for the screenshot.
std::unique_ptr<schemakit::TDialogService> MakeHeadlessDialogs(std::ostream& err);

// Puts the translation of `language` (an Options::Language) in place; needs the
// application object and comes before any window is made.
void InstallLanguage(const QString& language);

// Writes "sqlbuilder: <message>" as one line (line ends inside become blanks)
// and returns ExitFailed.
int Fail(std::ostream& err, const QString& message);

} // namespace sqlbuilder
