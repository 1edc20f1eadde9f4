#include "core/online/AppConfig.h"

#include "core/online/AppConfigCipher.h"
#include "core/text/Ansi.h"
#include "core/text/TrimBlanks.h"

#include <QFile>
#include <QFileInfo>

namespace scribora::online {

namespace {

// One line ending at pos: its text without the line end, and where the next line starts.
struct Line
{
    QString text;
    qsizetype next;
};

Line lineAt(const QString &s, qsizetype pos)
{
    qsizetype end = s.indexOf(QLatin1Char('\n'), pos);
    const qsizetype next = end < 0 ? s.size() : end + 1;
    if (end < 0)
        end = s.size();
    if (end > pos && s[end - 1] == QLatin1Char('\r'))
        --end;
    return {s.mid(pos, end - pos), next};
}

} // namespace

const QStringList &AppConfig::sectionNames()
{
    static const QStringList names = {
        QStringLiteral("[HELP NEWS]"),    QStringLiteral("[HELP Software]"),
        QStringLiteral("[HELP Forums]"),  QStringLiteral("[HELP Support On Line]"),
        QStringLiteral("[HELP Homepage]"), QStringLiteral("[UPDATE FILE]"),
    };
    return names;
}

bool AppConfig::Load(const QString &path)
{
    m_errors.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_errors.Report(QStringLiteral("Unable to open the Application Configuration file."));
        return false;
    }
    const qint64 size = file.size();
    if (size < 0 || file.isSequential()) {
        m_errors.Report(QStringLiteral("Unable to deturmine the Application Configuration file length."));
        return false;
    }
    if (size > maxFileSize) {
        m_errors.Report(QStringLiteral("The Application Configuration file is too large."));
        return false;
    }
    const QByteArray bytes = file.read(size);
    file.close();
    if (bytes.size() != size) {
        m_errors.Report(QStringLiteral("Unable to read the Application Configuration file."));
        return false;
    }

    QByteArray plain = bytes;
    // Compared with letter case: "App.DLL" is read as plain text.
    if (QFileInfo(path).fileName().endsWith(QLatin1String(".dll"))) {
        const AppConfigDeciphered d = decipherAppConfig(bytes);
        if (!d.ok) {
            m_errors.Report(d.error);
            return false;
        }
        plain = d.plain;
    }
    parse(text::fromAnsi(plain));
    return true;
}

void AppConfig::parse(const QString &text)
{
    QString *const fields[] = {&m_newsURL,    &m_softwareURL, &m_forumsURL,
                               &m_supportURL, &m_homepageURL, &m_updateFileURL};
    for (QString *f : fields)
        f->clear();

    // Sections are searched in order, each in the text after the one found
    // before it, so a section standing before an earlier-found one is lost.
    qsizetype rest = 0;
    const QStringList &names = sectionNames();
    for (int i = 0; i < names.size(); ++i) {
        qsizetype pos = rest;
        while (pos < text.size()) {
            const Line header = lineAt(text, pos);
            if (header.text == names[i]) {
                const Line value = lineAt(text, header.next);
                *fields[i] = text::trimBlanks(value.text).toString();
                qsizetype after = value.next;
                // The empty line that closes the section; a file without it
                // still gives the next section.
                if (after < text.size() && text::trimBlanks(lineAt(text, after).text).isEmpty())
                    after = lineAt(text, after).next;
                rest = after;
                break;
            }
            pos = header.next;
        }
    }
}

} // namespace scribora::online
