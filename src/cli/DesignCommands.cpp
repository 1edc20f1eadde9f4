#include "cli/CliCommand.h"

#include "core/menu/MenuDesign.h"

namespace scribora::cli {
namespace {

using menu::MenuComponent;
using menu::MenuDesign;

void printTree(const MenuComponent &c, int level, QTextStream &out)
{
    out << QString(level * 2, u' ') << c.name() << ": " << c.className() << '\n';
    for (const auto &child : c.children())
        printTree(*child, level + 1, out);
}

bool loadDesign(MenuDesign &design, const QString &path, CliContext &ctx)
{
    if (!design.load(path)) {
        ctx.err << "scribora-cli: " << path << ": " << design.error().Text().trimmed() << '\n';
        return false;
    }
    for (const QString &s : design.skippedProperties())
        ctx.err << "scribora-cli: " << path << ": " << s << ": unknown property skipped\n";
    return true;
}

int runDesign(const QStringList &args, CliContext &ctx)
{
    const QString sub = args.value(0);
    if (sub == QLatin1String("check") && args.size() == 2) {
        MenuDesign design;
        if (!loadDesign(design, args[1], ctx))
            return 1;
        printTree(design.root(), 0, ctx.out);
        return 0;
    }
    if (sub == QLatin1String("normalize") && (args.size() == 2 || args.size() == 3)) {
        MenuDesign design;
        if (!loadDesign(design, args[1], ctx))
            return 1;
        const QString target = args.value(2, args[1]);
        if (!design.save(target)) {
            ctx.err << "scribora-cli: " << design.error().Text().trimmed() << '\n';
            return 1;
        }
        return 0;
    }
    ctx.err << "usage: scribora-cli design check FILE\n"
               "       scribora-cli design normalize FILE [OUT]\n";
    return 2;
}

const CliRegistration reg("design",
                          "design check FILE | design normalize FILE [OUT]   read a menu design; "
                          "print its components, or write it back in canonical form",
                          runDesign);

} // namespace
} // namespace scribora::cli
