#pragma once

#include <QString>

namespace scribora::menu {

constexpr const char *upgradeFailedMessage = "Error Upgrading Menu Config";

// Designs made before the form carried BitmapFormSkin1 lack its block; this adds
// it in front of the root's closing "end", and leaves a file that has one (any
// letter case) untouched. An empty path does nothing. False, with the reason,
// when the file cannot be read or written or does not end with "end"; the file
// is then unchanged.
bool UpgradeMenuConfig(const QString &path, QString *reason = nullptr);

} // namespace scribora::menu
