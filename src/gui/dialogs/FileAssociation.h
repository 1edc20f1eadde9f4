#pragma once

#include <QString>

namespace scribora::gui {

// Registers ".cdprj" project files with the desktop so that opening one starts
// the program with the file's path as its first parameter. On Windows: the
// classes keys (the current user's when the machine's are not writable).
// Elsewhere: a freedesktop MIME type and a .desktop entry below the user's data
// folder, followed by the desktop's database updates when those tools exist.
// Silent: the result says whether it worked, and nothing is ever shown.
class FileAssociation
{
public:
    // programPath: the program's full path; dataHome: the XDG data folder to
    // write below (empty: the user's, from QStandardPaths).
    static bool RegisterProjectFileType(const QString &programPath, const QString &dataHome = QString());

    static QString mimeType() { return QStringLiteral("application/x-scribora-project"); }
    static QString desktopFileName() { return QStringLiteral("scribora.desktop"); }
};

} // namespace scribora::gui
