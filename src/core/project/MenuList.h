#pragma once

#include "core/project/CustomError.h"

#include <QString>
#include <QStringList>

namespace scribora::project {

// The menu templates: every "*.cfg" in the program folder's "Examples" folder.
// A new project, or an opened one without a menu design, gets a copy of its
// template as "Menu.cfg".
class MenuList
{
public:
    // appPath: the program folder, with a trailing separator.
    explicit MenuList(QString appPath) : m_appPath(std::move(appPath)) {}

    // Appends the template names (file names without ".cfg") to list, sorted
    // without regard to case; true.
    bool ListTemplates(QStringList &list) const;
    QString TemplatePath(const QString &name) const;
    // Copies the template menuType to folder + "Menu.cfg", replacing what is
    // there; an existing design is only replaced once the copy is complete.
    bool CopyTemplate(const QString &menuType, const QString &folder);

    const CustomError &Error() const { return m_error; }

private:
    QString m_appPath;
    CustomError m_error;
};

} // namespace scribora::project
