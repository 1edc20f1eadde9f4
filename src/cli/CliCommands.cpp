#include "cli/CliCommand.h"

#include <algorithm>

namespace scribora::cli {

namespace {

QList<CliCommand> &registry()
{
    static QList<CliCommand> commands;
    return commands;
}

} // namespace

CliRegistration::CliRegistration(const char *name, const char *synopsis, CliHandler run)
{
    registry().append({QString::fromUtf8(name), QString::fromUtf8(synopsis), run});
}

QList<CliCommand> cliCommands()
{
    QList<CliCommand> commands = registry();
    std::sort(commands.begin(), commands.end(),
              [](const CliCommand &a, const CliCommand &b) { return a.name < b.name; });
    return commands;
}

int runCli(const QStringList &args, QTextStream &out, QTextStream &err)
{
    auto usage = [](QTextStream &s) {
        s << "usage: scribora-cli COMMAND [ARGS]\n";
        for (const CliCommand &c : cliCommands())
            s << "  " << c.synopsis << '\n';
    };
    if (args.isEmpty()) {
        usage(err);
        return 2;
    }
    if (args.first() == QLatin1String("--help") || args.first() == QLatin1String("help")) {
        usage(out);
        return 0;
    }
    for (const CliCommand &c : cliCommands()) {
        if (args.first() == c.name) {
            CliContext ctx{out, err};
            return c.run(args.mid(1), ctx);
        }
    }
    err << "scribora-cli: unknown command '" << args.first() << "'\n";
    usage(err);
    return 2;
}

} // namespace scribora::cli
