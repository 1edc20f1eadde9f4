#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>

// The Internet date text of the data store's build date, for example
// "Sat, 5 Mar 2005 14:07:09 +0100". English names whatever the locale.
namespace scribora::text {

// 30 December 1899, midnight, local time: the value of a date that cannot be read.
QDateTime zeroDateTime();

// Writes a local date-time with the given offset from UTC in seconds.
QString toInternetDate(const QDateTime &local, int utcOffsetSeconds);
// As above with the machine's offset from UTC at the moment of writing.
QString toInternetDate(const QDateTime &local);

// Reads the day name (optional), day and month in either order, the year (two
// digits: below 80 is 20xx, else 19xx) and, when present, hh:mm[:ss]. The UTC
// offset is ignored, so the result is the local time that was written. Text
// that cannot be read gives zeroDateTime().
QDateTime fromInternetDate(QStringView text);

} // namespace scribora::text
