#pragma once

#include <QString>

namespace scribora::text {

// Format versions in the project files are compared as plain byte strings of their
// ANSI text (ordinal, case-sensitive): "5.03" > "5.0", "4.10" > "4.04", and "10.0"
// sorts below "4". Older files depend on this order, so it is not numeric.
int compareVersionText(const QString &a, const QString &b);

inline bool versionBelow(const QString &version, const QString &threshold)
{
    return compareVersionText(version, threshold) < 0;
}

} // namespace scribora::text
