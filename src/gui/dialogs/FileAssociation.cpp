#include "gui/dialogs/FileAssociation.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace scribora::gui {

#ifdef Q_OS_WIN
bool registerWindowsProjectFileType(const QString &programPath); // win/WindowsFileAssociation.cpp
#endif

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

// Quote one argument of a desktop entry's Exec line.
QString desktopQuoted(const QString &arg)
{
    QString out = arg;
    for (const char *c : {"\\", "\"", "`", "$"})
        out.replace(QLatin1String(c), QLatin1String("\\") + QLatin1String(c));
    out = QLatin1Char('"') + out + QLatin1Char('"');
    // In the key-file layer a backslash itself is escaped once more.
    return out.replace(QLatin1String("\\"), QLatin1String("\\\\"));
}

void runIfPresent(const QString &tool, const QStringList &args)
{
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty())
        return;
    QProcess process;
    process.start(path, args);
    if (process.waitForStarted(2000))
        process.waitForFinished(10000);
}

} // namespace

bool FileAssociation::RegisterProjectFileType(const QString &programPath, const QString &dataHome)
{
#ifdef Q_OS_WIN
    Q_UNUSED(dataHome);
    return registerWindowsProjectFileType(programPath);
#else
    QString home = dataHome;
    if (home.isEmpty())
        home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (home.isEmpty())
        return false;
    const QDir root(home);

    const QByteArray mime =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"" + mimeType().toUtf8() + "\">\n"
        "    <comment>Scribora file</comment>\n"
        "    <glob pattern=\"*.cdprj\"/>\n"
        "  </mime-type>\n"
        "</mime-info>\n";
    const QByteArray desktop =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Scribora\n"
        "Comment=Autorun menu authoring\n"
        "Exec=" + desktopQuoted(programPath).toUtf8() + " %f\n"
        "MimeType=" + mimeType().toUtf8() + ";\n"
        "Terminal=false\n"
        "Categories=Utility;\n";

    const QString mimeDir = root.filePath(QStringLiteral("mime"));
    const QString appsDir = root.filePath(QStringLiteral("applications"));
    if (!writeFile(mimeDir + QStringLiteral("/packages/scribora.xml"), mime))
        return false;
    if (!writeFile(appsDir + QLatin1Char('/') + desktopFileName(), desktop))
        return false;
    runIfPresent(QStringLiteral("update-mime-database"), {mimeDir});
    runIfPresent(QStringLiteral("update-desktop-database"), {appsDir});
    return true;
#endif
}

} // namespace scribora::gui
