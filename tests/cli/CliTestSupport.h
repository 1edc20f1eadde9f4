#pragma once

#include "cli/CliCommand.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// Runs scribora-cli in-process and keeps what it printed.
struct CliRun
{
    int code = 0;
    QString out;
    QString err;
};

inline CliRun runCliCapture(const QStringList &args)
{
    CliRun r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = scribora::cli::runCli(args, out, err);
    out.flush();
    err.flush();
    return r;
}
