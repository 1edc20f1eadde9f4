#include "gui/online/TfrmUpdates.h"

#include "OnlineTestSupport.h"
#include "support/LocalHttpServer.h"
#include "support/ScriptedPrompter.h"
#include "support/SignalCounter.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace scribora::gui;
using scribora::online::ProductIdentity;

namespace {

const ProductIdentity release503{"Scribora", "5.0.3", "110", 5};

QByteArray block(const char *name, const char *version, const char *beta,
                 const char *location = "http://dl.velvane.example/scribora-setup.exe")
{
    return QByteArray("<PROGRAM>\r\n<NAME>") + name + "</NAME>\r\n<VERSION>" + version
           + "</VERSION>\r\n<LOCATION>" + location + "</LOCATION>\r\n<BETA>" + beta
           + "</BETA>\r\n</PROGRAM>\r\n";
}

struct UpdatesFixture : ::testing::Test
{
    ProgramFolder folder;
    LocalHttpServer server;
    ScriptedPrompter prompter;
    RecordingOpener opener;

    void SetUp() override
    {
        ASSERT_TRUE(server.isListening());
        ASSERT_TRUE(folder.writeAppConfig(server.url()));
    }

    static QPushButton *button(TfrmUpdates &d, const char *name)
    {
        return d.findChild<QPushButton *>(QLatin1String(name));
    }
    static QString text(TfrmUpdates &d, const char *name)
    {
        return d.findChild<QLineEdit *>(QLatin1String(name))->text();
    }

    // Presses "Check" and waits for the check's end; returns its result.
    static bool check(TfrmUpdates &d)
    {
        SignalCounter done(&d, &TfrmUpdates::checkFinished);
        QList<bool> results;
        const auto c = QObject::connect(&d, &TfrmUpdates::checkFinished, &d, [&](bool ok) { results << ok; });
        button(d, "bttnUpdate")->click();
        if (done.count() == 0) {
            EXPECT_TRUE(done.wait(10000));
        }
        QObject::disconnect(c);
        EXPECT_EQ(results.size(), 1);
        return !results.isEmpty() && results.first();
    }
};

} // namespace

TEST_F(UpdatesFixture, ControlsAndCaptions)
{
    TfrmUpdates d(folder.appPath(), release503);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Check for updates"));
    EXPECT_EQ(d.size(), QSize(297, 179));
    EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(button(d, "bttnUpdate")->text(), QStringLiteral("Check"));
    EXPECT_TRUE(button(d, "bttnUpdate")->isEnabled());
    EXPECT_EQ(button(d, "bttnClose")->text(), QStringLiteral("&Close"));
    EXPECT_EQ(text(d, "txtCurrentVersion"), QStringLiteral("5.0.3"));
    EXPECT_EQ(text(d, "txtAvailVersion"), QString());
    EXPECT_TRUE(d.findChild<QLineEdit *>(QStringLiteral("txtAvailVersion"))->isReadOnly());
    QStringList groups;
    for (QGroupBox *g : d.findChildren<QGroupBox *>())
        groups << g->title();
    EXPECT_EQ(groups, QStringList({"Installed", "Available"}));
    bool note = false;
    for (QLabel *l : d.findChildren<QLabel *>())
        note |= l->text() == QLatin1String("You will need to be connected to the internet to use this.");
    EXPECT_TRUE(note);

    TfrmUpdates beta(folder.appPath(), {"Scribora", "5.1 Beta", "7", 5});
    EXPECT_EQ(text(beta, "txtCurrentVersion"), QStringLiteral("5.1 Beta Build 7"));
    EXPECT_TRUE(beta.currentPreRelease());
}

TEST_F(UpdatesFixture, CheckShowsTheAvailableVersionAndEnablesUpdateWhenItApplies)
{
    struct Case
    {
        const char *what;
        ProductIdentity product;
        QByteArray reply;
        const char *available;
        bool enabled;
    };
    const Case cases[] = {
        {"newer release", release503, block("Scribora 5", "5.0.4", "0"), "5.0.4", true},
        {"same release", release503, block("Scribora 5", "5.0.3", "0"), "5.0.3", false},
        {"text order", {"Scribora", "5.0.9", "1", 5}, block("Scribora 5", "5.0.10", "0"), "5.0.10", false},
        {"newer beta build", {"Scribora", "5.1 Beta", "7", 5}, block("Scribora 5", "5.1 Beta Build 9", "1"),
         "5.1 Beta Build 9", true},
        {"older beta build", {"Scribora", "5.1 Beta", "7", 5}, block("Scribora 5", "5.1 Beta Build 5", "1"),
         "5.1 Beta Build 5", false},
        {"release over beta", {"Scribora", "5.1 Beta", "7", 5}, block("Scribora 5", "5.0", "0"), "5.0", true},
        {"beta over release", release503, block("Scribora 5", "5.9 Beta Build 1", "1"), "5.9 Beta Build 1",
         false},
        {"first of two blocks", release503,
         block("Scribora 4", "9.9", "0") + block("Scribora 5", "5.0.4", "0") + block("Scribora 5", "5.0.2", "0"),
         "5.0.4", true},
        {"no block", release503, "Nothing to see", "", false},
        // A pre-release with nothing published for it has nothing to update to.
        {"no block for a beta", {"Scribora", "5.1 Beta", "7", 5}, block("Other 5", "6", "0"), "", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        server.reply(200, c.reply);
        TfrmUpdates d(folder.appPath(), c.product);
        EXPECT_TRUE(check(d));
        EXPECT_EQ(text(d, "txtAvailVersion"), QLatin1String(c.available));
        EXPECT_EQ(button(d, "bttnUpdate")->text(), QStringLiteral("Update"));
        EXPECT_EQ(button(d, "bttnUpdate")->isEnabled(), c.enabled);
        EXPECT_FALSE(d.isChecking());
        EXPECT_EQ(d.cursor().shape(), Qt::ArrowCursor);
    }
    EXPECT_TRUE(prompter.asked.isEmpty()) << prompter.asked.join('\n').toStdString();
}

TEST_F(UpdatesFixture, UpdateWritesTheInstructionsStartsTheUpdaterAndCloses)
{
    server.reply(200, block("Scribora 5", "5.0.4", "0", " http://dl.velvane.example/s-5.0.4.exe "));
    TfrmUpdates d(folder.appPath(), release503);
    ASSERT_TRUE(check(d));
    ASSERT_TRUE(button(d, "bttnUpdate")->isEnabled());
    EXPECT_EQ(d.updateLocation(), QStringLiteral("http://dl.velvane.example/s-5.0.4.exe"));
    button(d, "bttnUpdate")->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(TempDir::readBytes(folder.file("update.cfg")),
              QByteArray("[APP Name]\r\nScribora\r\n\r\n[URL]\r\nhttp://dl.velvane.example/s-5.0.4.exe\r\n\r\n"
                         "[SILENT]\r\n0\r\n"));
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(opener.opened[0], QUrl::fromLocalFile(folder.file("Update.exe")));
    EXPECT_TRUE(prompter.asked.isEmpty());
}

TEST_F(UpdatesFixture, CommunicationErrorsShowTheMessageAndLeaveCheck)
{
    const QString message = QStringLiteral("error: Scribora: ") + TfrmUpdates::communicationErrorText();
    EXPECT_EQ(TfrmUpdates::communicationErrorText(),
              QStringLiteral("There was an error with communicating with the Velvane Website.\nIf you are "
                             "currently connected to the internet, you may want to try again later."));
    struct Case
    {
        const char *what;
        int status;
        QByteArray body;
    };
    const Case cases[] = {
        {"HTTP error status", 404, block("Scribora 5", "5.0.4", "0")},
        {"BETA not an integer", 200, block("Scribora 5", "5.0.4", "maybe")},
        {"reply past the cap", 200, QByteArray(600, ' ') + block("Scribora 5", "5.0.4", "0")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        prompter.asked.clear();
        server.reply(c.status, c.body);
        TfrmUpdates d(folder.appPath(), release503);
        d.setRequestLimits(512, 20000);
        EXPECT_FALSE(check(d));
        EXPECT_EQ(prompter.asked, QStringList({message}));
        EXPECT_EQ(button(d, "bttnUpdate")->text(), QStringLiteral("Check"));
        EXPECT_TRUE(button(d, "bttnUpdate")->isEnabled());
        EXPECT_EQ(text(d, "txtAvailVersion"), QString());
        EXPECT_EQ(d.cursor().shape(), Qt::ArrowCursor);
    }

    // A failed check can be tried again.
    prompter.asked.clear();
    TfrmUpdates d(folder.appPath(), release503);
    server.reply(500, "");
    EXPECT_FALSE(check(d));
    server.reply(200, block("Scribora 5", "5.0.4", "0"));
    EXPECT_TRUE(check(d));
    EXPECT_EQ(text(d, "txtAvailVersion"), QStringLiteral("5.0.4"));
    EXPECT_EQ(prompter.asked.size(), 1);
}

TEST_F(UpdatesFixture, RefusedConnectionAndSilentServer)
{
    const QString message = QStringLiteral("error: Scribora: ") + TfrmUpdates::communicationErrorText();
    ASSERT_TRUE(folder.writeAppConfig(
        QStringLiteral("http://127.0.0.1:%1/reply.txt").arg(LocalHttpServer::closedPort())));
    {
        TfrmUpdates d(folder.appPath(), release503);
        EXPECT_FALSE(check(d));
        EXPECT_EQ(prompter.asked, QStringList({message}));
    }
    prompter.asked.clear();
    ASSERT_TRUE(folder.writeAppConfig(server.url()));
    server.staySilent();
    TfrmUpdates d(folder.appPath(), release503);
    d.setRequestLimits(1 << 20, 200);
    EXPECT_FALSE(check(d));
    EXPECT_EQ(prompter.asked, QStringList({message}));
}

TEST_F(UpdatesFixture, WithoutAConfigurationTheCheckSilentlyDoesNothing)
{
    ASSERT_TRUE(QFile::remove(folder.file("App.dll")));
    TfrmUpdates d(folder.appPath(), release503);
    EXPECT_FALSE(check(d));
    EXPECT_TRUE(prompter.asked.isEmpty());
    EXPECT_TRUE(server.requestLines.isEmpty());
    EXPECT_EQ(button(d, "bttnUpdate")->text(), QStringLiteral("Check"));
    EXPECT_EQ(d.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(UpdatesFixture, ClosingDuringTheRequestStopsIt)
{
    server.staySilent();
    SignalCounter arrived;
    SignalCounter gone;
    server.onRequest = [&] { arrived.hit(); };
    server.onClientGone = [&] { gone.hit(); };

    auto *d = new TfrmUpdates(folder.appPath(), release503);
    SignalCounter finished(d, &TfrmUpdates::checkFinished);
    d->show();
    button(*d, "bttnUpdate")->click();
    ASSERT_TRUE(arrived.wait(5000));
    EXPECT_TRUE(d->isChecking());
    EXPECT_FALSE(button(*d, "bttnUpdate")->isEnabled()); // no second check meanwhile
    EXPECT_TRUE(button(*d, "bttnClose")->isEnabled());
    EXPECT_EQ(d->cursor().shape(), Qt::WaitCursor);

    button(*d, "bttnClose")->click();
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_FALSE(d->isChecking());
    delete d;
    EXPECT_TRUE(gone.count() > 0 || gone.wait(5000));
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(prompter.asked.isEmpty());
}

TEST_F(UpdatesFixture, ShownModallyAndFreedByTheMenuCommand)
{
    server.reply(200, block("Scribora 5", "5.0.4", "0"));
    QTimer::singleShot(0, [] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *d = qobject_cast<TfrmUpdates *>(w))
                d->findChild<QPushButton *>(QStringLiteral("bttnClose"))->click();
    });
    EXPECT_EQ(showUpdatesDialog(nullptr, folder.appPath(), release503), int(QDialog::Rejected));
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TfrmUpdates *>(w), nullptr);
}
