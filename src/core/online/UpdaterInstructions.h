#pragma once

#include <QByteArray>
#include <QString>

namespace scribora::online {

// The instructions the updater program reads from "update.cfg" in the program
// folder: "[APP Name]", "[URL]" and "[SILENT]" sections, ANSI text with CR LF.
QByteArray updaterInstructions(const QString &appName, const QString &location, bool silent);

// Writes folder + "update.cfg", replacing any earlier file whole. False when a
// value holds a line break (it would forge a section) or the file cannot be written.
bool writeUpdaterInstructions(const QString &folder, const QString &appName,
                              const QString &location, bool silent);

inline constexpr char updaterInstructionsFile[] = "update.cfg";
inline constexpr char updaterProgramFile[] = "Update.exe";

} // namespace scribora::online
