#include "core/project/ApplicationRecord.h"

#include <gtest/gtest.h>

using scribora::project::ApplicationRecord;

TEST(ApplicationRecord, DefaultsAndRoundTrip)
{
    ApplicationRecord r;
    EXPECT_EQ(r.Version(), "5.03");
    EXPECT_TRUE(r.IncludeInMenu());
    EXPECT_FALSE(r.InstallViewer());

    r.SetTitle(QStringLiteral("T"));
    r.SetDescription(QStringLiteral("two\r\nlines"));
    r.SetIncludeInMenu(false);
    r.SetInstallViewer(true);
    r.SetViewerName(QStringLiteral("V"));
    QByteArray text = "junk before";
    ASSERT_TRUE(r.WriteTo(text));
    EXPECT_TRUE(text.startsWith("junk beforeVS\r\n5.03/VS\r\nAT\r\nT/AT\r\n"));
    EXPECT_TRUE(text.endsWith("AIVAN\r\nV/AIVAN\r\nAIVAP\r\n/AIVAP\r\n"));

    // Reading stops right behind the record's last closing tag.
    text = text.mid(11) + "VS\r\nnext";
    ApplicationRecord back;
    const qsizetype end = back.ReadFrom(text);
    EXPECT_EQ(text.mid(end), "VS\r\nnext");
    EXPECT_EQ(back.Description(), "two\r\nlines");
    EXPECT_FALSE(back.IncludeInMenu());
    EXPECT_TRUE(back.InstallViewer());
    EXPECT_EQ(back.ViewerName(), "V");
    EXPECT_EQ(back.LastError(), QString());
}

TEST(ApplicationRecord, FailedReadReturnsZeroWithTheReason)
{
    ApplicationRecord r;
    EXPECT_EQ(r.ReadFrom("VS\r\n5.03/VS\r\nIM\r\n1 /IM\r\n"), 0);
    EXPECT_EQ(r.LastError(), "'1 ' is not a valid integer value");
    // A later success clears the reason.
    EXPECT_NE(r.ReadFrom("VS\r\n5.0/VS\r\nIM\r\n-0/IM\r\nAIP\r\n/AIP\r\n"), 0);
    EXPECT_EQ(r.LastError(), QString());
    EXPECT_FALSE(r.IncludeInMenu());
}
