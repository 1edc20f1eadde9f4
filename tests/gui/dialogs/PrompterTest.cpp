#include "gui/dialogs/Prompter.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

using scribora::gui::toQtFileFilter;

TEST(Prompter, FiltersBecomeQtFilters)
{
    EXPECT_EQ(toQtFileFilter(QStringLiteral("Menu Project Files (*.cdprj)|*.cdprj")),
              QStringLiteral("Menu Project Files (*.cdprj)"));
    EXPECT_EQ(toQtFileFilter(QStringLiteral("Pictures|*.bmp;*.jpg|All Files (*.*)|*.*")),
              QStringLiteral("Pictures (*.bmp *.jpg);;All Files (*.*)"));
}

TEST(Prompter, ScriptedPrompterIsInstalledForItsLifetime)
{
    {
        ScriptedPrompter script;
        script.answers << true;
        EXPECT_TRUE(scribora::gui::prompter().question(nullptr, QStringLiteral("T"), QStringLiteral("Q?")));
        EXPECT_FALSE(scribora::gui::prompter().question(nullptr, QStringLiteral("T"), QStringLiteral("Again?")));
        EXPECT_EQ(script.asked, QStringList({QStringLiteral("question: T: Q?"), QStringLiteral("question: T: Again?")}));
    }
    EXPECT_EQ(dynamic_cast<ScriptedPrompter *>(&scribora::gui::prompter()), nullptr);
}
