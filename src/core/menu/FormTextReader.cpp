#include "core/menu/FormTextReader.h"

#include "core/text/Ansi.h"

#include <cstdlib>
#include <limits>

namespace scribora::menu {
namespace {

struct ParseFailure
{
    int line;
    QString reason;
};

bool isIdentStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool isIdentChar(char c)
{
    return isIdentStart(c) || (c >= '0' && c <= '9');
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool sameWord(QByteArrayView word, const char *lower)
{
    qsizetype i = 0;
    for (; lower[i]; ++i) {
        if (i >= word.size())
            return false;
        char c = word[i];
        if (c >= 'A' && c <= 'Z')
            c = char(c + 32);
        if (c != lower[i])
            return false;
    }
    return i == word.size();
}

QString describe(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (u >= 32 && u < 127)
        return QStringLiteral("'%1'").arg(QChar(u));
    return QStringLiteral("byte %1").arg(u);
}

class Parser
{
public:
    explicit Parser(QByteArrayView text) : m_p(text.data()), m_end(text.data() + text.size()) {}

    FormObject readRoot()
    {
        skipSpace();
        if (atEnd())
            fail(QStringLiteral("the text is empty ('object' expected)"));
        const QByteArrayView word = peekIdentifier();
        if (!isHeaderWord(word))
            fail(QStringLiteral("'object' expected"));
        FormObject root = readObject(0);
        skipSpace();
        if (!atEnd())
            fail(QStringLiteral("unexpected text after the final 'end'"));
        return root;
    }

private:
    const char *m_p;
    const char *m_end;
    int m_line = 1;

    [[noreturn]] void fail(const QString &reason, int line = 0) const
    {
        throw ParseFailure{line > 0 ? line : m_line, reason};
    }

    bool atEnd() const { return m_p >= m_end; }
    char peek() const { return m_p < m_end ? *m_p : '\0'; }

    void skipSpace()
    {
        while (m_p < m_end) {
            const char c = *m_p;
            if (c == '\n') {
                ++m_line;
            } else if (c == '\r') {
                if (m_p + 1 >= m_end || m_p[1] != '\n')
                    ++m_line; // a lone CR ends a line too
            } else if (c != ' ' && c != '\t') {
                return;
            }
            ++m_p;
        }
    }

    static bool isHeaderWord(QByteArrayView w)
    {
        return sameWord(w, "object") || sameWord(w, "inherited") || sameWord(w, "inline");
    }

    QByteArrayView peekIdentifier() const
    {
        const char *q = m_p;
        if (q >= m_end || !isIdentStart(*q))
            return {};
        while (q < m_end && (isIdentChar(*q) || (*q == '.' && q + 1 < m_end && isIdentStart(q[1]))))
            ++q;
        return QByteArrayView(m_p, q - m_p);
    }

    QByteArrayView readIdentifier(const char *what)
    {
        const QByteArrayView id = peekIdentifier();
        if (id.isEmpty()) {
            if (atEnd())
                fail(QStringLiteral("%1 expected, found the end of the text").arg(QLatin1String(what)));
            fail(QStringLiteral("%1 expected, found %2").arg(QLatin1String(what), describe(peek())));
        }
        m_p += id.size();
        return id;
    }

    void expect(char c, const char *what)
    {
        skipSpace();
        if (peek() != c || atEnd())
            fail(atEnd() ? QStringLiteral("%1 expected, found the end of the text").arg(QLatin1String(what))
                         : QStringLiteral("%1 expected, found %2").arg(QLatin1String(what), describe(peek())));
        ++m_p;
    }

    void checkDepth(int depth) const
    {
        if (depth > FormTextReader::maxDepth)
            fail(QStringLiteral("nesting is too deep"));
    }

    FormObject readObject(int depth)
    {
        checkDepth(depth);
        FormObject obj;
        obj.line = m_line;
        const QByteArrayView word = readIdentifier("'object'");
        if (sameWord(word, "inherited"))
            obj.header = FormObject::Header::Inherited;
        else if (sameWord(word, "inline"))
            obj.header = FormObject::Header::Inline;
        skipSpace();
        const QByteArrayView first = readIdentifier("component name or class name");
        skipSpace();
        if (peek() == ':' && !atEnd()) {
            ++m_p;
            skipSpace();
            obj.name = QString::fromLatin1(first);
            obj.className = QString::fromLatin1(readIdentifier("class name"));
            skipSpace();
        } else {
            obj.className = QString::fromLatin1(first);
        }
        if (peek() == '[' && !atEnd()) {
            ++m_p;
            skipSpace();
            const FormValue v = readNumber();
            if (v.kind != FormValue::Kind::Integer || v.integer < 0 || v.integer > std::numeric_limits<int>::max())
                fail(QStringLiteral("bad object index"));
            obj.index = int(v.integer);
            expect(']', "']'");
        }
        for (;;) {
            skipSpace();
            if (atEnd())
                fail(QStringLiteral("'end' missing for object %1 of line %2")
                         .arg(obj.name.isEmpty() ? obj.className : obj.name)
                         .arg(obj.line));
            const QByteArrayView id = peekIdentifier();
            if (id.isEmpty())
                fail(QStringLiteral("property name, 'object' or 'end' expected, found %1").arg(describe(peek())));
            if (sameWord(id, "end")) {
                m_p += id.size();
                return obj;
            }
            if (isHeaderWord(id)) {
                obj.children.push_back(readObject(depth + 1));
                continue;
            }
            obj.properties.push_back(readProperty(depth + 1));
        }
    }

    FormProperty readProperty(int depth)
    {
        FormProperty prop;
        prop.line = m_line;
        prop.name = QString::fromLatin1(readIdentifier("property name"));
        expect('=', "'='");
        skipSpace();
        prop.value = readValue(depth);
        return prop;
    }

    FormValue readValue(int depth)
    {
        checkDepth(depth);
        if (atEnd())
            fail(QStringLiteral("value expected, found the end of the text"));
        const char c = *m_p;
        if (c == '-' || c == '+' || c == '$' || isDigit(c))
            return readNumber();
        if (c == '\'' || c == '#')
            return readStringSum();
        if (isIdentStart(c))
            return FormValue::fromIdentifier(QString::fromLatin1(readIdentifier("identifier")));
        if (c == '[')
            return readSet();
        if (c == '{')
            return readBinary();
        if (c == '(')
            return readList(depth);
        if (c == '<')
            return readCollection(depth);
        fail(QStringLiteral("value expected, found %1").arg(describe(c)));
    }

    FormValue readNumber()
    {
        const char *start = m_p;
        bool negative = false;
        if (peek() == '-' || peek() == '+') {
            negative = *m_p == '-';
            ++m_p;
        }
        if (peek() == '$' && !atEnd()) {
            ++m_p;
            quint64 v = 0;
            int digits = 0;
            while (!atEnd() && hexValue(*m_p) >= 0) {
                if (++digits > 16)
                    fail(QStringLiteral("integer out of range"));
                v = v * 16 + quint64(hexValue(*m_p));
                ++m_p;
            }
            if (digits == 0)
                fail(QStringLiteral("hexadecimal digits expected after '$'"));
            if (!atEnd() && isIdentChar(*m_p))
                fail(QStringLiteral("bad hexadecimal number"));
            if (v > quint64(std::numeric_limits<qint64>::max()))
                fail(QStringLiteral("integer out of range"));
            return FormValue::fromInteger(negative ? -qint64(v) : qint64(v));
        }
        if (atEnd() || !isDigit(*m_p))
            fail(QStringLiteral("number expected"));
        bool isFloat = false;
        while (!atEnd() && isDigit(*m_p))
            ++m_p;
        if (!atEnd() && *m_p == '.' && m_p + 1 < m_end && isDigit(m_p[1])) {
            isFloat = true;
            ++m_p;
            while (!atEnd() && isDigit(*m_p))
                ++m_p;
        }
        if (!atEnd() && (*m_p == 'e' || *m_p == 'E')) {
            const char *q = m_p + 1;
            if (q < m_end && (*q == '+' || *q == '-'))
                ++q;
            if (q < m_end && isDigit(*q)) {
                isFloat = true;
                m_p = q;
                while (!atEnd() && isDigit(*m_p))
                    ++m_p;
            }
        }
        const QByteArray digits(start, m_p - start);
        char mark = 0;
        if (!atEnd() && (*m_p == 's' || *m_p == 'c' || *m_p == 'd' || *m_p == 'S' || *m_p == 'C' || *m_p == 'D')
            && (m_p + 1 >= m_end || !isIdentChar(m_p[1]))) {
            mark = char(*m_p | 0x20);
            isFloat = true;
            ++m_p;
        }
        if (!atEnd() && (isIdentChar(*m_p) || *m_p == '.'))
            fail(QStringLiteral("bad number"));
        if (isFloat) {
            bool ok = false;
            const double d = digits.toDouble(&ok);
            if (!ok)
                fail(QStringLiteral("bad floating point number"));
            return FormValue::fromFloat(d, mark);
        }
        bool ok = false;
        const qint64 v = digits.toLongLong(&ok);
        if (!ok)
            fail(QStringLiteral("integer out of range"));
        return FormValue::fromInteger(v);
    }

    // One string token: quoted runs and #codes with nothing between them.
    void readStringPieces(QString &out)
    {
        bool any = false;
        for (;;) {
            const char c = peek();
            if (atEnd() || (c != '\'' && c != '#')) {
                if (!any)
                    fail(QStringLiteral("string expected"));
                return;
            }
            any = true;
            if (c == '\'') {
                ++m_p;
                const char *run = m_p;
                QByteArray bytes;
                for (;;) {
                    if (atEnd() || *m_p == '\r' || *m_p == '\n')
                        fail(QStringLiteral("unterminated string"));
                    if (*m_p == '\'') {
                        if (m_p + 1 < m_end && m_p[1] == '\'') {
                            bytes.append(run, m_p - run + 1);
                            m_p += 2;
                            run = m_p;
                            continue;
                        }
                        bytes.append(run, m_p - run);
                        ++m_p;
                        break;
                    }
                    ++m_p;
                }
                out += text::fromAnsi(bytes);
            } else {
                ++m_p;
                qint64 code = 0;
                int digits = 0;
                const bool hex = peek() == '$' && !atEnd();
                if (hex) {
                    ++m_p;
                    while (!atEnd() && hexValue(*m_p) >= 0 && digits < 8) {
                        code = code * 16 + hexValue(*m_p++);
                        ++digits;
                    }
                } else {
                    while (!atEnd() && isDigit(*m_p) && digits < 10) {
                        code = code * 10 + (*m_p++ - '0');
                        ++digits;
                    }
                }
                if (digits == 0)
                    fail(QStringLiteral("character code expected after '#'"));
                const bool more = !atEnd() && (hex ? hexValue(*m_p) >= 0 : isDigit(*m_p));
                if (code > 0xFFFF || more)
                    fail(QStringLiteral("character code out of range"));
                out += QChar(char16_t(code));
            }
        }
    }

    FormValue readStringSum()
    {
        QString out;
        readStringPieces(out);
        for (;;) {
            const char *save = m_p;
            const int saveLine = m_line;
            skipSpace();
            if (peek() != '+' || atEnd()) {
                m_p = save;
                m_line = saveLine;
                break;
            }
            ++m_p;
            skipSpace();
            if (atEnd() || (peek() != '\'' && peek() != '#'))
                fail(QStringLiteral("string expected after '+'"));
            readStringPieces(out);
        }
        return FormValue::fromString(out);
    }

    FormValue readSet()
    {
        ++m_p; // '['
        FormValue v = FormValue::fromSet({});
        skipSpace();
        if (peek() == ']' && !atEnd()) {
            ++m_p;
            return v;
        }
        for (;;) {
            skipSpace();
            if (!atEnd() && (isDigit(*m_p) || *m_p == '-')) {
                const FormValue n = readNumber();
                if (n.kind != FormValue::Kind::Integer)
                    fail(QStringLiteral("bad set element"));
                v.names << QString::number(n.integer);
            } else {
                v.names << QString::fromLatin1(readIdentifier("set element"));
            }
            skipSpace();
            if (atEnd())
                fail(QStringLiteral("unterminated set (']' missing)"));
            if (*m_p == ']') {
                ++m_p;
                return v;
            }
            if (*m_p != ',')
                fail(QStringLiteral("',' or ']' expected in set, found %1").arg(describe(*m_p)));
            ++m_p;
        }
    }

    FormValue readBinary()
    {
        const int startLine = m_line;
        ++m_p; // '{'
        QByteArray data;
        data.reserve((m_end - m_p) / 2 > 1 << 20 ? 1 << 20 : (m_end - m_p) / 2);
        int high = -1;
        for (;;) {
            if (atEnd())
                fail(QStringLiteral("unterminated binary data ('}' missing for the '{' of line %1)").arg(startLine));
            const char c = *m_p;
            const int h = hexValue(c);
            if (h >= 0) {
                if (high < 0) {
                    high = h;
                } else {
                    data.append(char(high * 16 + h));
                    high = -1;
                }
                ++m_p;
                continue;
            }
            if (c == '}') {
                if (high >= 0)
                    fail(QStringLiteral("odd number of hexadecimal digits in binary data"));
                ++m_p;
                return FormValue::fromBinary(data);
            }
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
                skipSpace();
                continue;
            }
            fail(QStringLiteral("bad hexadecimal digit %1 in binary data").arg(describe(c)));
        }
    }

    FormValue readList(int depth)
    {
        const int startLine = m_line;
        ++m_p; // '('
        FormValue v = FormValue::emptyList();
        for (;;) {
            skipSpace();
            if (atEnd())
                fail(QStringLiteral("unterminated list (')' missing for the '(' of line %1)").arg(startLine));
            if (*m_p == ')') {
                ++m_p;
                return v;
            }
            v.list.push_back(readValue(depth + 1));
        }
    }

    FormValue readCollection(int depth)
    {
        const int startLine = m_line;
        ++m_p; // '<'
        FormValue v = FormValue::emptyCollection();
        for (;;) {
            skipSpace();
            if (atEnd())
                fail(QStringLiteral("unterminated collection ('>' missing for the '<' of line %1)").arg(startLine));
            if (*m_p == '>') {
                ++m_p;
                return v;
            }
            const QByteArrayView word = peekIdentifier();
            if (!sameWord(word, "item"))
                fail(QStringLiteral("'item' expected in collection"));
            const int itemLine = m_line;
            m_p += word.size();
            std::vector<FormProperty> item;
            for (;;) {
                skipSpace();
                if (atEnd())
                    fail(QStringLiteral("'end' missing for the item of line %1").arg(itemLine));
                const QByteArrayView id = peekIdentifier();
                if (id.isEmpty())
                    fail(QStringLiteral("property name or 'end' expected, found %1").arg(describe(*m_p)));
                if (sameWord(id, "end")) {
                    m_p += id.size();
                    break;
                }
                item.push_back(readProperty(depth + 1));
            }
            v.collection.push_back(std::move(item));
        }
    }
};

} // namespace

std::optional<FormObject> FormTextReader::read(QByteArrayView text, FormTextError *error)
{
    try {
        Parser parser(text);
        return parser.readRoot();
    } catch (const ParseFailure &f) {
        if (error) {
            error->line = f.line;
            error->reason = f.reason;
        }
        return std::nullopt;
    }
}

} // namespace scribora::menu
