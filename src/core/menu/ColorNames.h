#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace scribora::menu {

// The class library's colours: $00BBGGRR values, system colours as a base plus
// an index. Files of this system use the base $80000000; later versions of the
// class library wrote $FF000000, which reads as the same colour.
class ColorNames
{
public:
    static constexpr qint32 clNone = 0x1FFFFFFF;
    static constexpr qint32 clDefault = 0x20000000;
    static constexpr qint32 clWhite = 0xFFFFFF;
    static constexpr qint32 clBlack = 0;
    static constexpr qint32 clGray = 0x808080;
    static constexpr qint32 clBtnFace = qint32(0x8000000F);
    static constexpr qint32 clWindow = qint32(0x80000005);
    static constexpr qint32 clWindowText = qint32(0x80000008);

    // The colour's name ("clBtnFace"), or empty when it has none.
    static QString name(qint32 color);
    // A name in any letter case.
    static std::optional<qint32> fromName(QStringView name);
    // A 32-bit colour from any integer the text may hold; later system colours
    // become this system's. Empty when the value is no 32-bit number.
    static std::optional<qint32> fromInteger(qint64 value);

    // For display and the property panel: the name, else "$" + 8 hex digits.
    static QString toText(qint32 color);
    // A name, a decimal number or "$" hex.
    static std::optional<qint32> fromText(QStringView text);
};

} // namespace scribora::menu
