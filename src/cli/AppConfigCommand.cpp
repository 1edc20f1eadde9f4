#include "cli/CliCommand.h"

#include "core/online/AppConfig.h"
#include "core/online/AppConfigCipher.h"
#include "core/text/Ansi.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace scribora::cli {
namespace {

using namespace scribora::online;

// The program reads CR LF text; a plain file written with LF alone is mended.
QByteArray withCrLf(const QByteArray &text)
{
    QByteArray out;
    out.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}

bool readWhole(const QString &path, QByteArray &bytes, CliContext &ctx)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ctx.err << "scribora-cli appconfig: cannot open '" << path << "': " << file.errorString() << '\n';
        return false;
    }
    if (file.size() > AppConfig::maxFileSize) {
        ctx.err << "scribora-cli appconfig: '" << path << "' is too large for a configuration\n";
        return false;
    }
    bytes = file.readAll();
    return true;
}

int encode(const QString &plainPath, const QString &outPath, CliContext &ctx)
{
    if (!QFileInfo(outPath).fileName().endsWith(QLatin1String(".dll"))) {
        ctx.err << "scribora-cli appconfig: '" << outPath
                << "' must end in \".dll\": the program deciphers no other file\n";
        return 2;
    }
    QByteArray plain;
    if (!readWhole(plainPath, plain, ctx))
        return 1;
    plain = withCrLf(plain);

    QSaveFile out(outPath);
    const QByteArray bytes = encipherAppConfig(plain);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        ctx.err << "scribora-cli appconfig: cannot write '" << outPath << "': " << out.errorString() << '\n';
        return 1;
    }

    // Read the result back as the program will, and say what it would miss.
    AppConfig config;
    if (!config.Load(outPath)) {
        ctx.err << "scribora-cli appconfig: '" << outPath << "' does not read back: "
                << config.errors().Text().trimmed() << '\n';
        return 1;
    }
    const QString values[] = {config.newsURL(),    config.softwareURL(), config.forumsURL(),
                              config.supportURL(), config.homepageURL(), config.updateFileURL()};
    for (int i = 0; i < AppConfig::sectionNames().size(); ++i) {
        if (values[i].isEmpty())
            ctx.err << "scribora-cli appconfig: warning: " << AppConfig::sectionNames()[i]
                    << " is empty, missing or out of order\n";
    }
    return 0;
}

int decode(const QString &path, CliContext &ctx)
{
    QByteArray bytes;
    if (!readWhole(path, bytes, ctx))
        return 1;
    AppConfig config;
    if (!config.Load(path)) {
        ctx.err << "scribora-cli appconfig: " << config.errors().Text().trimmed() << '\n';
        return 1;
    }
    // The same rule as the program: only ".dll", with letter case, is enciphered.
    if (QFileInfo(path).fileName().endsWith(QLatin1String(".dll")))
        bytes = decipherAppConfig(bytes).plain;
    ctx.out << text::fromAnsi(bytes);
    return 0;
}

int runAppConfig(const QStringList &args, CliContext &ctx)
{
    if (args.size() == 3 && args[0] == QLatin1String("encode"))
        return encode(args[1], args[2], ctx);
    if (args.size() == 2 && args[0] == QLatin1String("decode"))
        return decode(args[1], ctx);
    ctx.err << "usage: scribora-cli appconfig encode PLAIN OUT\n"
               "       scribora-cli appconfig decode FILE\n";
    return 2;
}

const CliRegistration reg("appconfig",
                          "appconfig encode PLAIN OUT   encipher plain sections into an App.dll\n"
                          "  appconfig decode FILE        print the plain sections of an App.dll",
                          runAppConfig);

} // namespace
} // namespace scribora::cli
