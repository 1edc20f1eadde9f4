#pragma once

#include "core/online/AppConfigCipher.h"
#include "gui/app/Shell.h"
#include "support/TempDir.h"

#include <QList>
#include <QUrl>

// A program folder of its own for a test, with an "App.dll" whose addresses the
// test chooses.
class ProgramFolder : public TempDir
{
public:
    QString appPath() const { return path() + QLatin1Char('/'); }

    bool writeAppConfig(const QString &updateUrl, const QByteArray &linkPrefix = "http://www.velvane.example/")
    {
        const QByteArray plain = "[HELP NEWS]\r\n" + linkPrefix + "news\r\n\r\n"
                                 "[HELP Software]\r\n" + linkPrefix + "software\r\n\r\n"
                                 "[HELP Forums]\r\n" + linkPrefix + "forums\r\n\r\n"
                                 "[HELP Support On Line]\r\n" + linkPrefix + "support\r\n\r\n"
                                 "[HELP Homepage]\r\n" + linkPrefix + "\r\n\r\n"
                                 "[UPDATE FILE]\r\n" + updateUrl.toLatin1() + "\r\n\r\n";
        return writeBytes(file(QStringLiteral("App.dll")), scribora::online::encipherAppConfig(plain));
    }
};

// Records what would have been opened through the desktop, for its lifetime.
struct RecordingOpener
{
    QList<QUrl> opened;
    RecordingOpener()
    {
        scribora::gui::setUrlOpener([this](const QUrl &u) {
            opened << u;
            return true;
        });
    }
    ~RecordingOpener() { scribora::gui::setUrlOpener({}); }
};
