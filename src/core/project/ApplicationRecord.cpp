#include "core/project/ApplicationRecord.h"

#include "core/project/TaggedText.h"
#include "core/text/Ansi.h"
#include "core/text/VersionText.h"

#include <exception>
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

qsizetype ApplicationRecord::ReadFrom(QByteArrayView text)
{
    m_lastError.clear();
    try {
        const auto str = [text](const Tag &tag) { return text::fromAnsi(value(text, tag)); };
        m_version = str(VS);
        m_title = str(AT);
        m_category = str(AC);
        m_description = str(ACT);
        m_filePath = str(AP);
        m_cdPath = str(ACP);
        m_includeInMenu = toInt(value(text, IM)) != 0;
        m_picture = str(APP);
        m_iconPath = str(AIP);

        // Records of older versions have no viewer fields and end with the icon path.
        const bool old = text::versionBelow(m_version, QStringLiteral("5.03"));
        if (old) {
            m_installViewer = false;
            m_viewerPath.clear();
        } else {
            m_installViewer = toInt(value(text, AIVA)) != 0;
            m_viewerName = str(AIVAN);
            m_viewerPath = str(AIVAP);
        }
        const Tag &last = old ? AIP : AIVAP;
        const qsizetype end = endOf(text, last);
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
