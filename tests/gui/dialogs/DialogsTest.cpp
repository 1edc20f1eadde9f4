#include "gui/dialogs/TfrmAbout.h"
#include "gui/dialogs/TfrmSettings.h"
#include "gui/dialogs/TfrmSplashScreen.h"

#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace scribora::gui;

TEST(TfrmAbout, ShowsTheProductInItsCaptionAndLabel)
{
    TfrmAbout about(QStringLiteral("Scribora"), QStringLiteral("5.0.4"), QStringLiteral("(c) Velvane"));
    EXPECT_EQ(about.windowTitle(), "About Scribora");
    EXPECT_EQ(about.lblProductandVersionInfo->text(), "Scribora 5.0.4\r\n\r\n(c) Velvane");
    TfrmAbout blank{QString(), QString(), QString()};
    EXPECT_EQ(blank.lblProductandVersionInfo->text(), " \r\n\r\n");
    QTimer::singleShot(0, about.mnuClose, &QPushButton::click);
    EXPECT_EQ(about.exec(), QDialog::Accepted);
}

TEST(TfrmSplashScreen, ClosesItselfWhenItsTimerFires)
{
    TfrmSplashScreen splash(nullptr, 20);
    EXPECT_EQ(splash.size(), QSize(300, 362));
    EXPECT_EQ(splash.exec(), QDialog::Accepted); // returns only because the timer closed it
    EXPECT_EQ(TfrmSplashScreen().Timer1->interval(), 4000);
}

TEST(TfrmSettings, OkTakesTheControlsAndCancelKeepsTheValues)
{
    ScriptedPrompter script;
    const QString chosen = QDir::toNativeSeparators(QDir::tempPath());
    struct Case { bool ok; QString expectedDir; bool expectedShow; } cases[] = {
        {true, chosen + QDir::separator(), false},
        {false, QStringLiteral("/old/"), true},
    };
    for (const Case &c : cases) {
        script.paths << chosen;
        TfrmSettings dlg;
        dlg.setDefaultProjectDirectory(QStringLiteral("/old/"));
        dlg.setShowNewProject(true);
        dlg.setDefaultLanguage(QStringLiteral("German"));
        QTimer::singleShot(0, &dlg, [&] {
            EXPECT_EQ(dlg.txtDefaultProjectDirectory->text(), "/old/");
            EXPECT_TRUE(dlg.chkShowNewProject->isChecked());
            dlg.bttnProjectDirBrowse->click();
            dlg.chkShowNewProject->setChecked(false);
            (c.ok ? dlg.bttnOK : dlg.bttnCancel)->click();
        });
        EXPECT_EQ(dlg.exec(), c.ok ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(dlg.defaultProjectDirectory(), c.expectedDir);
        EXPECT_EQ(dlg.showNewProject(), c.expectedShow);
        EXPECT_EQ(dlg.defaultLanguage(), "German");
    }
    EXPECT_EQ(script.asked.first(), "chooseFolder: Select Default Project Directory");
}
