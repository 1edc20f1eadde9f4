#include "core/menu/FormTextWriter.h"

#include <QLocale>

#include <cmath>

namespace scribora::menu {
namespace {

const char kHex[] = "0123456789ABCDEF";

class Writer
{
public:
    QByteArray out;

    void newLine(int level)
    {
        out.append("\r\n", 2);
        indent(level);
    }

    void indent(int level) { out.append(QByteArray(level * 2, ' ')); }

    void object(const FormObject &obj, int level)
    {
        indent(level);
        switch (obj.header) {
        case FormObject::Header::Object: out.append("object "); break;
        case FormObject::Header::Inherited: out.append("inherited "); break;
        case FormObject::Header::Inline: out.append("inline "); break;
        }
        if (!obj.name.isEmpty()) {
            out.append(obj.name.toLatin1());
            out.append(": ");
        }
        out.append(obj.className.toLatin1());
        if (obj.index >= 0) {
            out.append(" [");
            out.append(QByteArray::number(obj.index));
            out.append(']');
        }
        out.append("\r\n");
        for (const FormProperty &p : obj.properties)
            property(p, level + 1);
        for (const FormObject &child : obj.children)
            object(child, level + 1);
        indent(level);
        out.append("end\r\n");
    }

    void property(const FormProperty &p, int level)
    {
        indent(level);
        out.append(p.name.toLatin1());
        out.append(" = ");
        value(p.value, level, false);
        out.append("\r\n");
    }

    // level is that of the line the value starts on; continuation lines go one
    // level deeper, or stay at level when the value already starts its own line.
    void value(const FormValue &v, int level, bool ownLine)
    {
        switch (v.kind) {
        case FormValue::Kind::Integer:
            out.append(QByteArray::number(v.integer));
            break;
        case FormValue::Kind::Float:
            floating(v);
            break;
        case FormValue::Kind::Identifier:
            out.append(v.text.toLatin1());
            break;
        case FormValue::Kind::String:
            string(v.text, level, ownLine);
            break;
        case FormValue::Kind::Set:
            out.append('[');
            for (int i = 0; i < v.names.size(); ++i) {
                if (i)
                    out.append(", ");
                out.append(v.names[i].toLatin1());
            }
            out.append(']');
            break;
        case FormValue::Kind::Binary:
            binary(v.bytes, level);
            break;
        case FormValue::Kind::List:
            out.append('(');
            for (const FormValue &item : v.list) {
                newLine(level + 1);
                value(item, level + 1, true);
            }
            out.append(')');
            break;
        case FormValue::Kind::Collection:
            out.append('<');
            for (const auto &item : v.collection) {
                newLine(level + 1);
                out.append("item");
                for (const FormProperty &p : item) {
                    newLine(level + 2);
                    out.append(p.name.toLatin1());
                    out.append(" = ");
                    value(p.value, level + 2, false);
                }
                newLine(level + 1);
                out.append("end");
            }
            out.append('>');
            break;
        }
    }

    void floating(const FormValue &v)
    {
        QByteArray text;
        if (std::isfinite(v.number))
            text = QByteArray::number(v.number, 'g', QLocale::FloatingPointShortest);
        else
            text = "0";
        // Without a mark, a float must not read back as an integer.
        if (v.floatMark == 0 && !text.contains('.') && !text.contains('e'))
            text.append(".0");
        out.append(text);
        if (v.floatMark)
            out.append(v.floatMark);
    }

    void string(const QString &s, int level, bool ownLine)
    {
        const int n = FormTextWriter::stringLineLength;
        if (s.size() <= n) {
            out.append(FormTextWriter::stringPieces(s));
            return;
        }
        const int lineLevel = ownLine ? level : level + 1;
        for (qsizetype i = 0; i < s.size(); i += n) {
            if (i > 0)
                out.append(" +");
            if (i > 0 || !ownLine)
                newLine(lineLevel);
            out.append(FormTextWriter::stringPieces(QStringView(s).mid(i, n)));
        }
    }

    void hex(const char *data, qsizetype size)
    {
        const qsizetype start = out.size();
        out.resize(start + size * 2);
        char *dst = out.data() + start;
        for (qsizetype i = 0; i < size; ++i) {
            const auto b = static_cast<unsigned char>(data[i]);
            *dst++ = kHex[b >> 4];
            *dst++ = kHex[b & 15];
        }
    }

    void binary(const QByteArray &bytes, int level)
    {
        const int n = FormTextWriter::binaryLineBytes;
        out.append('{');
        if (bytes.size() < n) {
            hex(bytes.constData(), bytes.size());
        } else {
            for (qsizetype i = 0; i < bytes.size(); i += n) {
                newLine(level + 1);
                hex(bytes.constData() + i, qMin<qsizetype>(n, bytes.size() - i));
            }
        }
        out.append('}');
    }
};

} // namespace

QByteArray FormTextWriter::stringPieces(QStringView text)
{
    if (text.isEmpty())
        return QByteArrayLiteral("''");
    QByteArray out;
    out.reserve(text.size() + 2);
    bool quoted = false;
    for (QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c >= 32 && c < 127 && c != '\'') {
            if (!quoted) {
                out.append('\'');
                quoted = true;
            }
            out.append(char(c));
        } else {
            if (quoted) {
                out.append('\'');
                quoted = false;
            }
            out.append('#');
            out.append(QByteArray::number(int(c)));
        }
    }
    if (quoted)
        out.append('\'');
    return out;
}

QByteArray FormTextWriter::write(const FormObject &root)
{
    Writer w;
    w.object(root, 0);
    return w.out;
}

} // namespace scribora::menu
