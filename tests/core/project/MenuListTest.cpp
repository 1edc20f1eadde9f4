#include "core/project/MenuList.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>

using scribora::project::MenuList;

namespace {
QString withSeparator(const QString &dir) { return QDir::toNativeSeparators(dir) + QDir::separator(); }
} // namespace

TEST(MenuList, ListsTheTemplatesSortedWithoutCase)
{
    TempDir program;
    QDir(program.path()).mkdir(QStringLiteral("Examples"));
    for (const char *name : {"zeta.cfg", "Alpha.cfg", "beta.cfg", "notes.txt", "Gamma.CFG.bak"})
        TempDir::writeBytes(program.file(QStringLiteral("Examples/") + QLatin1String(name)), "x");
    MenuList menus(withSeparator(program.path()));
    QStringList list{QStringLiteral("kept")};
    EXPECT_TRUE(menus.ListTemplates(list));
    EXPECT_EQ(list, QStringList({"Alpha", "beta", "kept", "zeta"}));
    EXPECT_EQ(menus.TemplatePath(QStringLiteral("Alpha")),
              withSeparator(program.path()) + "Examples" + QDir::separator() + "Alpha.cfg");
}

TEST(MenuList, CopiesATemplateOverTheProjectsDesign)
{
    TempDir program, project;
    QDir(program.path()).mkdir(QStringLiteral("Examples"));
    TempDir::writeBytes(program.file(QStringLiteral("Examples/Blue.cfg")), "object frmMenu\r\nend\r\n");
    TempDir::writeBytes(project.file(QStringLiteral("Menu.cfg")), "old");
    MenuList menus(withSeparator(program.path()));
    EXPECT_TRUE(menus.CopyTemplate(QStringLiteral("Blue"), withSeparator(project.path())));
    EXPECT_EQ(TempDir::readBytes(project.file(QStringLiteral("Menu.cfg"))), "object frmMenu\r\nend\r\n");

    // A missing template leaves the project's design alone.
    EXPECT_FALSE(menus.CopyTemplate(QStringLiteral("Missing"), withSeparator(project.path())));
    EXPECT_FALSE(menus.Error().isEmpty());
    EXPECT_EQ(TempDir::readBytes(project.file(QStringLiteral("Menu.cfg"))), "object frmMenu\r\nend\r\n");
}
