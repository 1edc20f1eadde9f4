#pragma once

#include <QByteArray>
#include <QString>

// Project files are 8-bit ANSI text (Windows-1252). Everything inside the program
// is QString; these functions are the only crossing between the two.
namespace scribora::text {

// Decodes Windows-1252 bytes. The five bytes the code page leaves unassigned
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value, as
// Windows itself does, so that any byte sequence survives a round trip.
QString fromAnsi(QByteArrayView bytes);

// Encodes to Windows-1252; a character the code page cannot hold becomes '?'.
QByteArray toAnsi(QStringView text);

// True when every character of text has a Windows-1252 byte.
bool isAnsiRepresentable(QStringView text);

// Case mapping restricted to the code page's letters: a character changes only
// when its counterpart is a single character that the code page also holds
// ('ß' and 'µ' stay as they are, 'ÿ' becomes 'Ÿ').
QString ansiLower(QStringView text);
QString ansiUpper(QStringView text);

// Case-insensitive comparison by the code page's letters; <0, 0, >0.
int compareAnsiCaseInsensitive(QStringView a, QStringView b);

} // namespace scribora::text
