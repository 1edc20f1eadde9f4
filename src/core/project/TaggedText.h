#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <stdexcept>

// The tagged-field text of the data store file: "TAG" CR LF, the value, "/TAG"
// CR LF. Nothing is escaped. Internal to the data store reader and writer.
namespace scribora::project::tagged {

class SearchMemo;

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

// First position at or after from where tagText (which ends with CR LF) occurs,
// or -1. Finds the CR LFs with memchr, which beats a general substring search
// on this text.
qsizetype find(QByteArrayView text, QByteArrayView tagText, qsizetype from = 0);

// Position just behind the first closing tag in text, or -1.
qsizetype endOf(QByteArrayView text, const Tag &tag);

// The text between the end of the first opening tag and the start of the first
// closing tag, both counted from the start of text; empty when either is
// missing or the closing tag comes first. Every closing tag contains its
// opening tag one byte in, so the closing tag cannot occur before the opening
// tag's position minus one, and searching from there is enough: the cost stays
// proportional to the distance of the field from the start.
// memo, when given, takes slots slot and slot + 1.
QByteArrayView value(QByteArrayView text, const Tag &tag, SearchMemo *memo = nullptr, int slot = 0);

// Remembers, per tag, where its next occurrence after some point of one buffer
// is, so that a tag missing from many records of a file is not searched for to
// the end of the file again and again. Slot k belongs to one tag throughout.
class SearchMemo
{
public:
    static constexpr int kSlots = 32;

    // As find(text, tagText, from), where text always ends where the buffer ends.
    qsizetype find(int slot, QByteArrayView text, QByteArrayView tagText, qsizetype from);

private:
    struct Entry
    {
        const char *from = nullptr;
        const char *hit = nullptr; // null: none from `from` to the end
    };
    Entry m_entries[kSlots];
};

// The first occurrences of several tags, found in one pass over the CR LFs of
// text (every tag ends with one); the same positions as searching each tag from
// the start of text, at a fraction of the cost.
class TagScan
{
public:
    static constexpr int kMaxTags = 12;

    // Scans text for tags[0..count). With stopAt >= 0 the scan ends right
    // behind the first closing tag of tags[stopAt].
    // memo, when given, takes slots 2k and 2k + 1 for tags[k].
    TagScan(QByteArrayView text, const Tag *const *tags, int count, int stopAt = -1,
            SearchMemo *memo = nullptr);

    // Just behind the first closing tag of tags[stopAt], or -1.
    qsizetype stopEnd() const { return m_stopEnd; }
    // As tagged::value(text, *tags[k]).
    QByteArrayView value(int k) const;

private:
    QByteArrayView m_text;
    const Tag *const *m_tags;
    SearchMemo *m_memo;
    qsizetype m_scanned; // every tag ending before this was seen
    qsizetype m_stopEnd = -1;
    qsizetype m_open[kMaxTags];
    qsizetype m_close[kMaxTags];
};

// A decimal integer with an optional sign, as the writer produces them.
// Anything else throws FormatError.
int toInt(QByteArrayView value);

} // namespace scribora::project::tagged
