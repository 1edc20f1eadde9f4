#include "core/menu/MenuConfigUpgrade.h"

#include <QFile>
#include <QList>
#include <QSaveFile>

namespace scribora::menu {

bool UpgradeMenuConfig(const QString &path, QString *reason)
{
    auto fail = [&](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (path.isEmpty())
        return true;
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(path, in.errorString()));
    const QByteArray text = in.readAll();
    in.close();
    if (text.toLower().contains("object bitmapformskin1"))
        return true;

    // Lines end in CR LF, LF or a lone CR, as a string list reads them.
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines << text.mid(start, i - start);
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < text.size())
        lines << text.mid(start);
    // Blank lines after the root's "end" would otherwise be taken for it.
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    if (lines.isEmpty() || lines.last().trimmed().toLower() != "end")
        return fail(QStringLiteral("%1: the file does not end with the form's \"end\"").arg(path));
    lines.removeLast();
    lines << "  object BitmapFormSkin1: TBitmapFormSkin"
          << "    TransparentColor = clWhite"
          << "    Preview = False"
          << "    Options = [soAutoSize, soClientDrag]"
          << "    Active = False"
          << "    Left = 88"
          << "    Top = 64"
          << "  end"
          << "end";
    QByteArray out;
    for (const QByteArray &l : lines)
        out += l + "\r\n";
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(out) != out.size() || !f.commit())
        return fail(QStringLiteral("%1: %2").arg(path, f.errorString()));
    return true;
}

} // namespace scribora::menu
