#include "gui/online/WebLinks.h"

#include "OnlineTestSupport.h"

#include <gtest/gtest.h>

using namespace scribora::gui;

TEST(WebLinks, EachItemOpensItsAddress)
{
    ProgramFolder folder;
    ASSERT_TRUE(folder.writeAppConfig(QStringLiteral("http://127.0.0.1/u")));
    RecordingOpener opener;
    const std::pair<WebLink, const char *> cases[] = {
        {WebLink::News, "http://www.velvane.example/news"},
        {WebLink::Software, "http://www.velvane.example/software"},
        {WebLink::Forums, "http://www.velvane.example/forums"},
        {WebLink::SupportOnLine, "http://www.velvane.example/support"},
        {WebLink::Homepage, "http://www.velvane.example/"},
    };
    for (const auto &[link, url] : cases) {
        opener.opened.clear();
        EXPECT_TRUE(openWebLink(link, folder.appPath()));
        ASSERT_EQ(opener.opened.size(), 1) << url;
        EXPECT_EQ(opener.opened[0], QUrl(QString::fromLatin1(url)));
    }
}

TEST(WebLinks, NothingHappensWithoutAConfiguration)
{
    ProgramFolder folder;
    RecordingOpener opener;
    EXPECT_FALSE(openWebLink(WebLink::News, folder.appPath()));
    ASSERT_TRUE(TempDir::writeBytes(folder.file("App.dll"), "not enciphered\r\n"));
    EXPECT_FALSE(openWebLink(WebLink::Homepage, folder.appPath()));
    EXPECT_TRUE(opener.opened.isEmpty());
}

TEST(WebLinks, AddressesWithoutSchemeAndEmptyOnes)
{
    ProgramFolder folder;
    RecordingOpener opener;
    // A section that is missing gives an empty address, handed on as it is.
    ASSERT_TRUE(TempDir::writeBytes(folder.file("App.dll"),
                                    scribora::online::encipherAppConfig("[HELP NEWS]\r\nwww.velvane.example\r\n\r\n")));
    EXPECT_TRUE(openWebLink(WebLink::News, folder.appPath()));
    EXPECT_TRUE(openWebLink(WebLink::Forums, folder.appPath()));
    ASSERT_EQ(opener.opened.size(), 2);
    EXPECT_EQ(opener.opened[0], QUrl(QStringLiteral("http://www.velvane.example")));
    EXPECT_TRUE(opener.opened[1].isEmpty());
}

TEST(WebLinks, MenuItemsInOrder)
{
    const auto &items = webLinkItems();
    QStringList lines;
    for (const WebLinkItem &i : items)
        lines << QStringLiteral("%1%2|%3|%4")
                     .arg(i.separatorBefore ? QStringLiteral("- ") : QString(), QLatin1String(i.objectName),
                          QLatin1String(i.caption), QLatin1String(i.hint));
    EXPECT_EQ(lines, QStringList({"mnuVelvaneNews|&News|Latest News",
                                  "mnuVelvaneSoftware|&Software|Software Information",
                                  "- mnuVelvaneForums|&Forums|Velvane Forums",
                                  "- mnuVelvaneSupportOnLine|Support &On Line|Technical Support",
                                  "- mnuVelvaneHomepage|Velvane &Homepage|"}));
}
