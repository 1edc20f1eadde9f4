#include "core/project/TaggedText.h"

#include "core/text/Ansi.h"

#include <cstring>
#include <limits>

namespace scribora::project::tagged {

namespace {

// Tags are a few bytes long: a plain loop from the end beats a call to memcmp.
inline bool sameBytes(const char *a, const char *b, qsizetype n)
{
    for (qsizetype i = n - 1; i >= 0; --i)
        if (a[i] != b[i])
            return false;
    return true;
}

} // namespace

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
        if (d[p + 1] == '\n' && sameBytes(d + p - name, tagText.data(), name))
            return p - name;
    }
    return -1;
}

QByteArrayView value(QByteArrayView text, const Tag &tag, SearchMemo *memo, int slot)
{
    const auto search = [&](int s, QByteArrayView tagText, qsizetype from) {
        return memo ? memo->find(s, text, tagText, from) : find(text, tagText, from);
    };
    const qsizetype open = search(slot, tag.open, 0);
    if (open < 0)
        return {};
    const qsizetype start = open + tag.open.size();
    const qsizetype close = search(slot + 1, tag.close, open - 1);
    if (close < start)
        return {};
    return text.sliced(start, close - start);
}

qsizetype endOf(QByteArrayView text, const Tag &tag)
{
    const qsizetype close = find(text, tag.close);
    return close < 0 ? -1 : close + tag.close.size();
}

qsizetype SearchMemo::find(int slot, QByteArrayView text, QByteArrayView tagText, qsizetype from)
{
    Entry &e = m_entries[slot];
    from = qMax<qsizetype>(from, 0);
    const char *start = text.data() + from;
    if (e.from && e.from <= start && (!e.hit || e.hit >= start))
        return e.hit ? e.hit - text.data() : -1;
    const qsizetype at = tagged::find(text, tagText, from);
    e.from = start;
    e.hit = at < 0 ? nullptr : text.data() + at;
    return at;
}

TagScan::TagScan(QByteArrayView text, const Tag *const *tags, int count, int stopAt,
                 SearchMemo *memo)
    : m_text(text), m_tags(tags), m_memo(memo), m_scanned(text.size())
{
    Q_ASSERT(count <= kMaxTags);
    for (int k = 0; k < kMaxTags; ++k)
        m_open[k] = m_close[k] = k < count ? -1 : 0;
    const char *d = text.data();
    const qsizetype n = text.size();
    for (qsizetype p = 0; p + 1 < n; ++p) {
        const void *hit = std::memchr(d + p, '\r', size_t(n - 1 - p));
        if (!hit)
            break;
        p = static_cast<const char *>(hit) - d;
        if (d[p + 1] != '\n')
            continue;
        for (int k = 0; k < count; ++k) {
            const qsizetype len = tags[k]->open.size() - 2;
            const qsizetype q = p - len;
            if (q < 0 || !sameBytes(d + q, tags[k]->open.data(), len))
                continue;
            if (m_open[k] < 0)
                m_open[k] = q;
            if (q > 0 && d[q - 1] == '/') {
                if (m_close[k] < 0)
                    m_close[k] = q - 1;
                if (k == stopAt) {
                    m_stopEnd = m_scanned = p + 2;
                    return;
                }
            }
        }
    }
}

QByteArrayView TagScan::value(int k) const
{
    // A tag not seen by the scan can only occur behind the scanned part.
    const Tag &tag = *m_tags[k];
    qsizetype open = m_open[k];
    const auto search = [this](int slot, QByteArrayView tagText, qsizetype from) {
        return m_memo ? m_memo->find(slot, m_text, tagText, from) : find(m_text, tagText, from);
    };
    if (open < 0)
        open = search(2 * k, tag.open, m_scanned - tag.open.size());
    if (open < 0)
        return {};
    const qsizetype start = open + tag.open.size();
    qsizetype close = m_close[k];
    if (close < 0)
        close = search(2 * k + 1, tag.close, qMax(open - 1, m_scanned - tag.close.size()));
    if (close < start)
        return {};
    return m_text.sliced(start, close - start);
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
