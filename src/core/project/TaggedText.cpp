#include "core/project/TaggedText.h"

#include "core/text/Ansi.h"

#include <cstring>
#include <limits>

namespace scribora::project::tagged {

qsizetype find(QByteArrayView text, QByteArrayView tagText, qsizetype from)
{
    const qsizetype name = tagText.size() - 2; // the bytes before CR LF
    const char *d = text.data();
    const qsizetype n = text.size();
    for (qsizetype p = qMax<qsizetype>(from, 0) + name; p + 1 < n; ++p) {
        const void *hit = std::memchr(d + p, '\r', size_t(n - 1 - p));
        if (!hit)
            return -1;
        p = static_cast<const char *>(hit) - d;
        if (d[p + 1] == '\n' && std::memcmp(d + p - name, tagText.data(), size_t(name)) == 0)
            return p - name;
    }
    return -1;
}

QByteArrayView value(QByteArrayView text, const Tag &tag)
{
    const qsizetype open = find(text, tag.open);
    if (open < 0)
        return {};
    const qsizetype start = open + tag.open.size();
    const qsizetype close = find(text, tag.close, open - 1);
    if (close < start)
        return {};
    return text.sliced(start, close - start);
}

qsizetype endOf(QByteArrayView text, const Tag &tag)
{
    const qsizetype close = find(text, tag.close);
    return close < 0 ? -1 : close + tag.close.size();
}

int toInt(QByteArrayView value)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-'))
        negative = value[i++] == '-';
    long long n = 0;
    bool ok = i < value.size();
    for (; ok && i < value.size(); ++i) {
        const char c = value[i];
        if (c < '0' || c > '9') {
            ok = false;
            break;
        }
        n = n * 10 + (c - '0');
        if (n > std::numeric_limits<int>::max() + (negative ? 1LL : 0LL))
            ok = false;
    }
    if (!ok)
        throw FormatError(QStringLiteral("'%1' is not a valid integer value")
                              .arg(text::fromAnsi(value)));
    return int(negative ? -n : n);
}

} // namespace scribora::project::tagged
