#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace scribora::cli {

// One sub-command of scribora-cli. Each command writes its result to out and a
// single clear line to err on failure, and returns the process exit code.
struct CliContext
{
    QTextStream &out;
    QTextStream &err;
};

using CliHandler = int (*)(const QStringList &args, CliContext &ctx);

struct CliCommand
{
    const char *name;     // first word on the command line ("show", "design")
    const char *synopsis; // one line for the usage text
    CliHandler run;
};

// Every command; a command file registers itself by adding a line to the table in
// CliCommands.cpp.
const QList<CliCommand> &cliCommands();

// Runs argv (without the program name); returns the exit code.
int runCli(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace scribora::cli
