#include "core/project/ApplicationRecord.h"

#include "core/project/TaggedText.h"
#include "core/text/Ansi.h"
#include "core/text/VersionText.h"

#include <array>
#include <cstring>
#include <exception>
#include <iterator>
#include <new>

namespace scribora::project {

using namespace tagged;

bool ApplicationRecord::WriteTo(QByteArray &out)
{
    m_lastError.clear();
    try {
        append(out, VS, text::toAnsi(kCurrentVersion));
        append(out, AT, text::toAnsi(m_title));
        append(out, AC, text::toAnsi(m_category));
        append(out, ACT, text::toAnsi(m_description));
        append(out, AP, text::toAnsi(m_filePath));
        append(out, ACP, text::toAnsi(m_cdPath));
        appendFlag(out, IM, m_includeInMenu);
        append(out, APP, text::toAnsi(m_picture));
        append(out, AIP, text::toAnsi(m_iconPath));
        appendFlag(out, AIVA, m_installViewer);
        append(out, AIVAN, text::toAnsi(m_viewerName));
        append(out, AIVAP, text::toAnsi(m_viewerPath));
        return true;
    } catch (const std::bad_alloc &) {
        m_lastError = QStringLiteral("Out of memory");
    } catch (const std::exception &e) {
        m_lastError = QString::fromLocal8Bit(e.what());
    }
    return false;
}

namespace {

constexpr const Tag *kFields[] = {&AT, &AC, &ACT, &AP, &ACP, &IM, &APP, &AIP, &AIVA, &AIVAN, &AIVAP};
constexpr int kFieldCount = int(std::size(kFields));

// First occurrences of every field's tags in one record, found in one pass over
// its CR LFs: each tag ends with one. Searching each tag from the record's start
// with indexOf gives the same positions at several times the cost.
class RecordScan
{
public:
    // end: just behind the record's last closing tag.
    RecordScan(QByteArrayView text, qsizetype end) : m_text(text), m_end(end)
    {
        const char *d = text.data();
        for (qsizetype p = 0; p + 1 < end; ++p) {
            const void *hit = std::memchr(d + p, '\r', size_t(end - 1 - p));
            if (!hit)
                break;
            p = static_cast<const char *>(hit) - d;
            if (d[p + 1] != '\n')
                continue;
            for (int k = 0; k < kFieldCount; ++k) {
                const QByteArrayView name = kFields[k]->open.chopped(2);
                const qsizetype q = p - name.size();
                if (q < 0 || d[p - 1] != name.back()
                    || std::memcmp(d + q, name.data(), size_t(name.size())) != 0)
                    continue;
                if (m_open[k] < 0)
                    m_open[k] = q;
                if (q > 0 && d[q - 1] == '/' && m_close[k] < 0)
                    m_close[k] = q - 1;
            }
        }
    }

    // As tagged::value(text, tag); a tag that is not inside the record is
    // searched behind it, where its first occurrence must then be.
    QByteArrayView value(int k) const
    {
        const Tag &tag = *kFields[k];
        qsizetype open = m_open[k];
        if (open < 0)
            open = find(m_text, tag.open, m_end - tag.open.size());
        if (open < 0)
            return {};
        const qsizetype start = open + tag.open.size();
        qsizetype close = m_close[k];
        if (close < 0)
            close = find(m_text, tag.close, qMax(open - 1, m_end - tag.close.size()));
        if (close < start)
            return {};
        return m_text.sliced(start, close - start);
    }

private:
    QByteArrayView m_text;
    qsizetype m_end;
    std::array<qsizetype, kFieldCount> m_open = filled(-1);
    std::array<qsizetype, kFieldCount> m_close = filled(-1);

    static std::array<qsizetype, kFieldCount> filled(qsizetype v)
    {
        std::array<qsizetype, kFieldCount> a;
        a.fill(v);
        return a;
    }
};

enum Field { kAT, kAC, kACT, kAP, kACP, kIM, kAPP, kAIP, kAIVA, kAIVAN, kAIVAP };

} // namespace

qsizetype ApplicationRecord::ReadFrom(QByteArrayView text)
{
    m_lastError.clear();
    try {
        m_version = text::fromAnsi(value(text, VS));
        // Records of older versions have no viewer fields and end with the icon path.
        const bool old = text::versionBelow(m_version, QStringLiteral("5.03"));
        const Tag &last = old ? AIP : AIVAP;
        const qsizetype end = endOf(text, last);

        const RecordScan scan(text, end < 0 ? text.size() : end);
        const auto str = [&scan](Field f) { return text::fromAnsi(scan.value(f)); };
        m_title = str(kAT);
        m_category = str(kAC);
        m_description = str(kACT);
        m_filePath = str(kAP);
        m_cdPath = str(kACP);
        m_includeInMenu = toInt(scan.value(kIM)) != 0;
        m_picture = str(kAPP);
        m_iconPath = str(kAIP);
        if (old) {
            m_installViewer = false;
            m_viewerPath.clear();
        } else {
            m_installViewer = toInt(scan.value(kAIVA)) != 0;
            m_viewerName = str(kAIVAN);
            m_viewerPath = str(kAIVAP);
        }
        if (end < 0)
            throw FormatError(QStringLiteral("The record has no closing %1 tag")
                                  .arg(QString::fromLatin1(last.close.trimmed())));
        return end;
    } catch (const FormatError &e) {
        m_lastError = e.message();
    } catch (const std::bad_alloc &) {
        m_lastError = QStringLiteral("Out of memory");
    } catch (const std::exception &e) {
        m_lastError = QString::fromLocal8Bit(e.what());
    }
    return 0;
}

} // namespace scribora::project
