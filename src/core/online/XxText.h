#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace scribora::online {

// Bytes written as text in the XXencode alphabet ("+-0-9A-Za-z" for 0 to 63) with
// Base64 bit packing: four characters carry three bytes, most significant bits
// first; a last group of two or three characters carries one or two bytes. No
// padding characters, no line breaks.
QByteArray encodeXxText(QByteArrayView bytes);

enum class XxTextError { InvalidCharacter, DanglingCharacter };

struct XxDecoded
{
    QByteArray bytes;
    std::optional<XxTextError> error;
};

// Any character outside the alphabet (a line break too) is an error; so is a
// last group of one character, which cannot carry a whole byte.
XxDecoded decodeXxText(QByteArrayView text);

} // namespace scribora::online
