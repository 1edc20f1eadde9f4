#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <stdexcept>

// The tagged-field text of the data store file: "TAG" CR LF, the value, "/TAG"
// CR LF. Nothing is escaped. Internal to the data store reader and writer.
namespace scribora::project::tagged {

struct Tag
{
    QByteArrayView open;  // "VS\r\n"
    QByteArrayView close; // "/VS\r\n"
};

#define SCRIBORA_TAG(name) Tag{QByteArrayView(name "\r\n"), QByteArrayView("/" name "\r\n")}
inline constexpr Tag VS = SCRIBORA_TAG("VS");
inline constexpr Tag BR = SCRIBORA_TAG("BR");
inline constexpr Tag HS = SCRIBORA_TAG("HS");
inline constexpr Tag ZS = SCRIBORA_TAG("ZS");
inline constexpr Tag AC = SCRIBORA_TAG("AC");
inline constexpr Tag ICF = SCRIBORA_TAG("ICF");
inline constexpr Tag RS = SCRIBORA_TAG("RS");
inline constexpr Tag BD = SCRIBORA_TAG("BD");
inline constexpr Tag AT = SCRIBORA_TAG("AT");
inline constexpr Tag ACT = SCRIBORA_TAG("ACT");
inline constexpr Tag AP = SCRIBORA_TAG("AP");
inline constexpr Tag ACP = SCRIBORA_TAG("ACP");
inline constexpr Tag IM = SCRIBORA_TAG("IM");
inline constexpr Tag APP = SCRIBORA_TAG("APP");
inline constexpr Tag AIP = SCRIBORA_TAG("AIP");
inline constexpr Tag AIVA = SCRIBORA_TAG("AIVA");
inline constexpr Tag AIVAN = SCRIBORA_TAG("AIVAN");
inline constexpr Tag AIVAP = SCRIBORA_TAG("AIVAP");
#undef SCRIBORA_TAG

// A value that should be a number and is not, or a record without its end.
class FormatError : public std::runtime_error
{
public:
    explicit FormatError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

inline void append(QByteArray &out, const Tag &tag, QByteArrayView value)
{
    out.append(tag.open).append(value).append(tag.close);
}

inline void appendFlag(QByteArray &out, const Tag &tag, bool value)
{
    append(out, tag, value ? QByteArrayView("1") : QByteArrayView("0"));
}

// The text between the end of the first opening tag and the start of the first
// closing tag, both counted from the start of text; empty when either is
// missing or the closing tag comes first. Every closing tag contains its
// opening tag one byte in, so the closing tag cannot occur before the opening
// tag's position minus one, and searching from there is enough: the cost stays
// proportional to the distance of the field from the start.
QByteArrayView value(QByteArrayView text, const Tag &tag);

// Position just behind the first closing tag in text, or -1.
qsizetype endOf(QByteArrayView text, const Tag &tag);

// A decimal integer with an optional sign, as the writer produces them.
// Anything else throws FormatError.
int toInt(QByteArrayView value);

} // namespace scribora::project::tagged
