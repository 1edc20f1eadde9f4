#include "core/project/ApplicationRecord.h"

#include "core/project/TaggedText.h"
#include "core/text/Ansi.h"
#include "core/text/VersionText.h"

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
enum Field { kAT, kAC, kACT, kAP, kACP, kIM, kAPP, kAIP, kAIVA, kAIVAN, kAIVAP };

} // namespace

qsizetype ApplicationRecord::ReadFrom(QByteArrayView text)
{
    return readFrom(text, nullptr);
}

qsizetype ApplicationRecord::readFrom(QByteArrayView text, SearchMemo *memo)
{
    m_lastError.clear();
    try {
        m_version = text::fromAnsi(value(text, VS, memo, 2 * kFieldCount));
        // Records of older versions have no viewer fields and end with the icon path.
        const bool old = text::versionBelow(m_version, QStringLiteral("5.03"));
        const Tag &last = old ? AIP : AIVAP;
        // One pass over the record up to its last closing tag finds all fields.
        const TagScan scan(text, kFields, old ? kAIP + 1 : kFieldCount, old ? kAIP : kAIVAP, memo);
        const qsizetype end = scan.stopEnd();
        // Empty fields are common (icon path, viewer) and need no allocation.
        const auto str = [&scan](Field f) {
            const QByteArrayView v = scan.value(f);
            return v.isEmpty() ? QString() : text::fromAnsi(v);
        };
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
