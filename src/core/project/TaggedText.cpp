#include "core/project/TaggedText.h"

#include "core/text/Ansi.h"

#include <limits>

namespace scribora::project::tagged {

QByteArrayView value(QByteArrayView text, const Tag &tag)
{
    const qsizetype open = text.indexOf(tag.open);
    if (open < 0)
        return {};
    const qsizetype start = open + tag.open.size();
    const qsizetype close = text.indexOf(tag.close, qMax<qsizetype>(0, open - 1));
    if (close < start)
        return {};
    return text.sliced(start, close - start);
}

qsizetype endOf(QByteArrayView text, const Tag &tag)
{
    const qsizetype close = text.indexOf(tag.close);
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
