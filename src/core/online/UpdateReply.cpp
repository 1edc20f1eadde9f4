#include "core/online/UpdateReply.h"

#include "core/text/TrimBlanks.h"

namespace scribora::online {

namespace {

bool hasControl(QStringView s)
{
    for (QChar c : s)
        if (c.unicode() < ' ' || c.unicode() == 0x7F)
            return true;
    return false;
}

} // namespace

QString updateReplyValue(QStringView block, QStringView open, QStringView close)
{
    const qsizetype start = block.indexOf(open);
    if (start < 0)
        return {};
    const qsizetype from = start + open.size();
    const qsizetype end = block.indexOf(close, from);
    if (end < 0)
        return {};
    return text::trimBlanks(block.mid(from, end - from)).toString();
}

UpdateReply parseUpdateReply(const QString &reply, const QString &expectedName)
{
    static const QString programOpen = QStringLiteral("<PROGRAM>");
    static const QString programClose = QStringLiteral("</PROGRAM>");
    UpdateReply r;
    const QStringView text(reply);
    qsizetype pos = 0;
    while (true) {
        const qsizetype start = text.indexOf(programOpen, pos);
        if (start < 0)
            break;
        const qsizetype end = text.indexOf(programClose, start + programOpen.size());
        // A block cut off before its end is not trusted; nothing follows it.
        if (end < 0)
            break;
        const QStringView block = text.mid(start + programOpen.size(), end - start - programOpen.size());
        pos = end + programClose.size();
        if (updateReplyValue(block, u"<NAME>", u"</NAME>") != expectedName)
            continue;

        const QString beta = updateReplyValue(block, u"<BETA>", u"</BETA>");
        bool isInt = false;
        const qlonglong betaValue = beta.toLongLong(&isInt, 10);
        if (!isInt) {
            r.error = QStringLiteral("The <BETA> value \"%1\" is not an integer.").arg(beta);
            return r;
        }
        r.location = updateReplyValue(block, u"<LOCATION>", u"</LOCATION>");
        if (hasControl(r.location)) {
            r.location.clear();
            r.error = QStringLiteral("The <LOCATION> value holds a line break or control character.");
            return r;
        }
        r.version = updateReplyValue(block, u"<VERSION>", u"</VERSION>");
        r.preRelease = betaValue != 0;
        r.found = true;
        break;
    }
    r.ok = true;
    return r;
}

} // namespace scribora::online
