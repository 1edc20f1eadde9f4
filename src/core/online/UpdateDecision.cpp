#include "core/online/UpdateDecision.h"

#include "core/Version.h"
#include "core/text/VersionText.h"

namespace scribora::online {

ProductIdentity ProductIdentity::running()
{
    return {QString::fromUtf8(version::productName), QString::fromUtf8(version::productVersion),
            QString::fromUtf8(version::productBuild), version::major};
}

bool isPreReleaseText(const QString &version)
{
    return version.contains(QLatin1String("Beta"));
}

QString currentVersionText(const ProductIdentity &product)
{
    if (!isPreReleaseText(product.version))
        return product.version;
    return product.version + QStringLiteral(" Build ") + product.build;
}

QString expectedReplyName(const ProductIdentity &product)
{
    return product.name + QLatin1Char(' ') + QString::number(product.major);
}

qlonglong preReleaseBuildNumber(const QString &version)
{
    const qsizetype at = version.indexOf(QLatin1String("Build"));
    if (at < 0)
        return -1;
    bool ok = false;
    const qlonglong n = version.mid(at + 5).trimmed().toLongLong(&ok, 10);
    return ok && n >= 0 ? n : -1;
}

bool updateApplies(const QString &current, bool currentPreRelease, const QString &available,
                   bool availablePreRelease)
{
    const bool older = text::versionBelow(current, available);
    if (currentPreRelease && availablePreRelease) {
        if (!older)
            return false;
        const qlonglong mine = preReleaseBuildNumber(current);
        const qlonglong theirs = preReleaseBuildNumber(available);
        // Without both build numbers the newer text is all there is to go by.
        if (mine < 0 || theirs < 0)
            return true;
        return mine < theirs;
    }
    if (currentPreRelease)
        return true;
    if (availablePreRelease)
        return false;
    return older;
}

} // namespace scribora::online
