#include "core/text/InternetDate.h"

#include <gtest/gtest.h>

using namespace scribora::text;

namespace {
QDateTime local(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::LocalTime);
}
} // namespace

TEST(InternetDate, Writes)
{
    EXPECT_EQ(toInternetDate(local(2005, 3, 5, 14, 7, 9), 3600), "Sat, 5 Mar 2005 14:07:09 +0100");
    EXPECT_EQ(toInternetDate(local(2026, 12, 11, 9, 0, 5), -(5 * 3600 + 30 * 60)),
              "Fri, 11 Dec 2026 09:00:05 -0530");
    EXPECT_EQ(toInternetDate(local(2024, 2, 29, 23, 59, 59), 0), "Thu, 29 Feb 2024 23:59:59 +0000");
    EXPECT_EQ(toInternetDate(zeroDateTime(), 0), "Sat, 30 Dec 1899 00:00:00 +0000");
    EXPECT_EQ(toInternetDate(QDateTime(), 0), "Sat, 30 Dec 1899 00:00:00 +0000");
}

TEST(InternetDate, ReadsTheForms)
{
    struct Case
    {
        const char *text;
        QDateTime expected;
    };
    const Case cases[] = {
        {"Sat, 5 Mar 2005 14:07:09 +0100", local(2005, 3, 5, 14, 7, 9)},
        {"  Sat, 5 Mar 2005 14:07:09 -0800  ", local(2005, 3, 5, 14, 7, 9)}, // offset ignored
        {"5 Mar 2005 14:07:09", local(2005, 3, 5, 14, 7, 9)},                 // no day name
        {"Sat, Mar 5 2005 14:07:09 GMT", local(2005, 3, 5, 14, 7, 9)},        // month first
        {"Mon, 05 dec 05 08:30:00 +0000", local(2005, 12, 5, 8, 30)},         // two-digit year
        {"Tue, 1 Jan 79 00:00:01", local(2079, 1, 1, 0, 0, 1)},
        {"Tue, 1 Jan 80 00:00:01", local(1980, 1, 1, 0, 0, 1)},
        {"Fri, 31 Dec 99 23:59", local(1999, 12, 31, 23, 59)},
        {"Sat, 5 Mar 2005", local(2005, 3, 5)},                               // no time
        {"Sat, 30 Dec 1899 00:00:00 +0000", zeroDateTime()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(fromInternetDate(QString::fromLatin1(c.text)), c.expected) << c.text;
}

TEST(InternetDate, GarbageGivesTheZeroDate)
{
    const char *garbage[] = {"", "   ", "next Tuesday", "Sat, 5 Foo 2005 14:07:09",
                             "Sat, 31 Feb 2005 10:00:00", "Sat, 5 Mar 2005 25:00:00",
                             "Sat, 5 Mar 2005 14:07:09:01", "Sat, x Mar 2005", "Sat, 5 Mar",
                             "Sat, 5 Mar 2005 1a:00"};
    for (const char *g : garbage)
        EXPECT_EQ(fromInternetDate(QString::fromLatin1(g)), zeroDateTime()) << g;
    EXPECT_EQ(zeroDateTime(), local(1899, 12, 30));
}

TEST(InternetDate, RoundTripKeepsTheLocalTime)
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime seconds(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()),
                            Qt::LocalTime);
    EXPECT_EQ(fromInternetDate(toInternetDate(seconds)), seconds);
}
