#pragma once

#include <QString>

namespace scribora::online {

// The running program as the update check sees it.
struct ProductIdentity
{
    QString name;    // product name
    QString version; // product version text ("5.0.4", "5.1 Beta")
    QString build;   // build number text
    int major = 0;   // major version of the program file

    // This program, from the build's version data.
    static ProductIdentity running();
};

// A version text marks a pre-release when it contains "Beta" (letter case counts).
bool isPreReleaseText(const QString &version);

// The installed version as shown and compared: the product version, and for a
// pre-release " Build " and the build number after it.
QString currentVersionText(const ProductIdentity &product);

// The name a reply block must carry: product name, a blank, the major version.
QString expectedReplyName(const ProductIdentity &product);

// The build number after the first "Build" of a pre-release text; -1 when none.
qlonglong preReleaseBuildNumber(const QString &version);

// Whether the available version is an update to the installed one. Version texts
// are compared byte by byte ("5.0.10" sorts before "5.0.9"); two pre-releases are
// told apart by their build numbers; a release always replaces a pre-release and
// a pre-release never replaces a release.
bool updateApplies(const QString &current, bool currentPreRelease, const QString &available,
                   bool availablePreRelease);

} // namespace scribora::online
