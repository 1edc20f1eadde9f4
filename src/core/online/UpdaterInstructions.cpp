#include "core/online/UpdaterInstructions.h"

#include "core/text/Ansi.h"

#include <QDir>
#include <QSaveFile>

namespace scribora::online {

QByteArray updaterInstructions(const QString &appName, const QString &location, bool silent)
{
    const QString text = QStringLiteral("[APP Name]\r\n") + appName + QStringLiteral("\r\n\r\n[URL]\r\n")
                         + location + QStringLiteral("\r\n\r\n[SILENT]\r\n")
                         + (silent ? QLatin1Char('1') : QLatin1Char('0')) + QStringLiteral("\r\n");
    return text::toAnsi(text);
}

bool writeUpdaterInstructions(const QString &folder, const QString &appName,
                              const QString &location, bool silent)
{
    const auto breaksLines = [](const QString &s) {
        return s.contains(QLatin1Char('\r')) || s.contains(QLatin1Char('\n'));
    };
    if (breaksLines(appName) || breaksLines(location))
        return false;
    QSaveFile file(QDir(folder).filePath(QString::fromLatin1(updaterInstructionsFile)));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = updaterInstructions(appName, location, silent);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace scribora::online
