#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace scribora::cli {

// One sub-command of scribora-cli. A command writes its result to out and one
// clear line to err on failure, and returns the process exit code.
struct CliContext
{
    QTextStream &out;
    QTextStream &err;
};

using CliHandler = int (*)(const QStringList &args, CliContext &ctx);

struct CliCommand
{
    QString name;     // first word on the command line ("show", "design")
    QString synopsis; // one line for the usage text
    CliHandler run;
};

// A command file registers its commands with a static CliRegistration, so that
// adding a command touches no shared table.
struct CliRegistration
{
    CliRegistration(const char *name, const char *synopsis, CliHandler run);
};

// Every registered command, sorted by name.
QList<CliCommand> cliCommands();

// Runs the arguments (without the program name); returns the exit code.
int runCli(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace scribora::cli
