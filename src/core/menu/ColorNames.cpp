#include "core/menu/ColorNames.h"

#include <array>

namespace scribora::menu {
namespace {

struct Named
{
    const char *name;
    qint32 value;
};

constexpr qint32 sys(int index) { return qint32(0x80000000u + unsigned(index)); }

constexpr std::array<Named, 52> kColors = {{
    {"clBlack", 0x000000},      {"clMaroon", 0x000080},     {"clGreen", 0x008000},
    {"clOlive", 0x008080},      {"clNavy", 0x800000},       {"clPurple", 0x800080},
    {"clTeal", 0x808000},       {"clGray", 0x808080},       {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},        {"clLime", 0x00FF00},       {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},       {"clFuchsia", 0xFF00FF},    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},      {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},      {"clMedGray", 0xA4A0A0},    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
    {"clScrollBar", sys(0)},    {"clBackground", sys(1)},   {"clActiveCaption", sys(2)},
    {"clInactiveCaption", sys(3)}, {"clMenu", sys(4)},      {"clWindow", sys(5)},
    {"clWindowFrame", sys(6)},  {"clMenuText", sys(7)},     {"clWindowText", sys(8)},
    {"clCaptionText", sys(9)},  {"clActiveBorder", sys(10)}, {"clInactiveBorder", sys(11)},
    {"clAppWorkSpace", sys(12)}, {"clHighlight", sys(13)},  {"clHighlightText", sys(14)},
    {"clBtnFace", sys(15)},     {"clBtnShadow", sys(16)},   {"clGrayText", sys(17)},
    {"clBtnText", sys(18)},     {"clInactiveCaptionText", sys(19)}, {"clBtnHighlight", sys(20)},
    {"cl3DDkShadow", sys(21)},  {"cl3DLight", sys(22)},     {"clInfoText", sys(23)},
    {"clInfoBk", sys(24)},      {"clHotLight", sys(26)},    {"clGradientActiveCaption", sys(27)},
    {"clGradientInactiveCaption", sys(28)}, {"clMenuHighlight", sys(29)}, {"clMenuBar", sys(30)},
}};

} // namespace

QString ColorNames::name(qint32 color)
{
    for (const Named &n : kColors)
        if (n.value == color)
            return QString::fromLatin1(n.name);
    return {};
}

std::optional<qint32> ColorNames::fromName(QStringView name)
{
    for (const Named &n : kColors)
        if (name.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0)
            return n.value;
    return std::nullopt;
}

std::optional<qint32> ColorNames::fromInteger(qint64 value)
{
    if (value >= 0xFF000000LL && value <= 0xFFFFFFFFLL)
        value = value - 0xFF000000LL + 0x80000000LL;
    if (value >= 0x80000000LL && value <= 0xFFFFFFFFLL)
        return qint32(quint32(value));
    if (value < -2147483648LL || value > 2147483647LL)
        return std::nullopt;
    // Negative numbers are the signed spelling of the same 32 bits.
    const quint32 bits = quint32(qint32(value));
    if (bits >= 0xFF000000u)
        return qint32(bits - 0xFF000000u + 0x80000000u);
    return qint32(value);
}

QString ColorNames::toText(qint32 color)
{
    const QString n = name(color);
    if (!n.isEmpty())
        return n;
    return QStringLiteral("$%1").arg(quint32(color), 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<qint32> ColorNames::fromText(QStringView text)
{
    const QStringView t = text.trimmed();
    if (auto n = fromName(t))
        return n;
    bool ok = false;
    qint64 v = 0;
    if (t.startsWith(u'$'))
        v = t.mid(1).toLongLong(&ok, 16);
    else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = t.mid(2).toLongLong(&ok, 16);
    else
        v = t.toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return fromInteger(v);
}

} // namespace scribora::menu
