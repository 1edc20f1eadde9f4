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

const CliRegistration reg("version", "version                      print the program's version",
                          runVersion);

} // namespace
} // namespace scribora::cli
