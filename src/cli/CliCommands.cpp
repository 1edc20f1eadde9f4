#include "cli/CliCommand.h"

#include "core/Version.h"

namespace scribora::cli {

namespace {

int runVersion(const QStringList &, CliContext &ctx)
{
    ctx.out << version::productName << ' ' << version::productVersion << " (build "
            << version::productBuild << ")\n";
    return 0;
}

} // namespace

const QList<CliCommand> &cliCommands()
{
    static const QList<CliCommand> commands = {
        {"version", "version                      print the program's version", runVersion},
    };
    return commands;
}

int runCli(const QStringList &args, QTextStream &out, QTextStream &err)
{
    auto usage = [&](QTextStream &s) {
        s << "usage: scribora-cli COMMAND [ARGS]\n";
        for (const CliCommand &c : cliCommands())
            s << "  " << c.synopsis << '\n';
    };
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("help")) {
        usage(args.isEmpty() ? err : out);
        return args.isEmpty() ? 2 : 0;
    }
    for (const CliCommand &c : cliCommands()) {
        if (args.first() == QLatin1String(c.name)) {
            CliContext ctx{out, err};
            return c.run(args.mid(1), ctx);
        }
    }
    err << "scribora-cli: unknown command '" << args.first() << "'\n";
    usage(err);
    return 2;
}

} // namespace scribora::cli
