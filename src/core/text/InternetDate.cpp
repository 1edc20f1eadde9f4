#include "core/text/InternetDate.h"

#include <QList>

#include <array>

namespace scribora::text {
namespace {

constexpr std::array<const char *, 7> kDays = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
constexpr std::array<const char *, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool isLetters(QStringView s)
{
    for (QChar c : s)
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
            return false;
    return !s.isEmpty();
}

// Index of an English name given by its first three letters ("Mar", "march"), or -1.
template <size_t N>
int nameIndex(QStringView token, const std::array<const char *, N> &names)
{
    if (token.size() < 3 || !isLetters(token))
        return -1;
    for (size_t i = 0; i < N; ++i)
        if (token.first(3).compare(QLatin1String(names[i]), Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

// A run of 1 to 4 ASCII digits, or -1.
int number(QStringView token)
{
    if (token.isEmpty() || token.size() > 4)
        return -1;
    int n = 0;
    for (QChar c : token) {
        if (c < u'0' || c > u'9')
            return -1;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

QList<QStringView> tokens(QStringView text)
{
    QList<QStringView> out;
    qsizetype i = 0;
    const auto separator = [](QChar c) { return c.isSpace() || c == u','; };
    while (i < text.size()) {
        while (i < text.size() && separator(text[i]))
            ++i;
        const qsizetype start = i;
        while (i < text.size() && !separator(text[i]))
            ++i;
        if (i > start)
            out.append(text.sliced(start, i - start));
    }
    return out;
}

} // namespace

QDateTime zeroDateTime()
{
    return QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::LocalTime);
}

QString toInternetDate(const QDateTime &local, int utcOffsetSeconds)
{
    const QDateTime t = local.isValid() ? local.toLocalTime() : zeroDateTime();
    const QDate d = t.date();
    const QTime tm = t.time();
    const int offsetMinutes = qAbs(utcOffsetSeconds) / 60;
    return QStringLiteral("%1, %2 %3 %4 %5:%6:%7 %8%9%10")
        .arg(QLatin1String(kDays[d.dayOfWeek() - 1]))
        .arg(d.day())
        .arg(QLatin1String(kMonths[d.month() - 1]))
        .arg(d.year(), 4, 10, QLatin1Char('0'))
        .arg(tm.hour(), 2, 10, QLatin1Char('0'))
        .arg(tm.minute(), 2, 10, QLatin1Char('0'))
        .arg(tm.second(), 2, 10, QLatin1Char('0'))
        .arg(utcOffsetSeconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(offsetMinutes / 60, 2, 10, QLatin1Char('0'))
        .arg(offsetMinutes % 60, 2, 10, QLatin1Char('0'));
}

QString toInternetDate(const QDateTime &local)
{
    return toInternetDate(local, QDateTime::currentDateTime().offsetFromUtc());
}

QDateTime fromInternetDate(QStringView text)
{
    const QList<QStringView> t = tokens(text.trimmed());
    qsizetype i = 0;
    if (i < t.size() && nameIndex(t[i], kDays) >= 0)
        ++i;
    if (t.size() - i < 3)
        return zeroDateTime();

    int day = number(t[i]);
    int month = -1;
    if (day >= 0) {
        month = nameIndex(t[i + 1], kMonths);
    } else {
        month = nameIndex(t[i], kMonths);
        day = number(t[i + 1]);
    }
    const QStringView yearText = t[i + 2];
    int year = number(yearText);
    i += 3;
    if (day < 0 || month < 0 || year < 0)
        return zeroDateTime();
    if (yearText.size() <= 2)
        year += year < 80 ? 2000 : 1900;

    QTime time(0, 0);
    if (i < t.size() && t[i].contains(u':')) {
        const QList<QStringView> parts = t[i].split(u':');
        if (parts.size() > 3)
            return zeroDateTime();
        int hms[3] = {0, 0, 0};
        for (qsizetype p = 0; p < parts.size(); ++p) {
            hms[p] = parts[p].size() <= 2 ? number(parts[p]) : -1;
            if (hms[p] < 0)
                return zeroDateTime();
        }
        time = QTime(hms[0], hms[1], hms[2]);
    }
    const QDate date(year, month + 1, day);
    if (!date.isValid() || !time.isValid())
        return zeroDateTime();
    const QDateTime result(date, time, Qt::LocalTime);
    return result.isValid() ? result : zeroDateTime();
}

} // namespace scribora::text
