#include "core/menu/FormValue.h"

namespace scribora::menu {

FormValue FormValue::fromInteger(qint64 v)
{
    FormValue f;
    f.kind = Kind::Integer;
    f.integer = v;
    return f;
}

FormValue FormValue::fromFloat(double v, char mark)
{
    FormValue f;
    f.kind = Kind::Float;
    f.number = v;
    f.floatMark = mark;
    return f;
}

FormValue FormValue::fromIdentifier(const QString &name)
{
    FormValue f;
    f.kind = Kind::Identifier;
    f.text = name;
    return f;
}

FormValue FormValue::fromBool(bool v)
{
    return fromIdentifier(v ? QStringLiteral("True") : QStringLiteral("False"));
}

FormValue FormValue::fromString(const QString &s)
{
    FormValue f;
    f.kind = Kind::String;
    f.text = s;
    return f;
}

FormValue FormValue::fromSet(const QStringList &elements)
{
    FormValue f;
    f.kind = Kind::Set;
    f.names = elements;
    return f;
}

FormValue FormValue::fromBinary(const QByteArray &data)
{
    FormValue f;
    f.kind = Kind::Binary;
    f.bytes = data;
    return f;
}

FormValue FormValue::fromStrings(const QStringList &lines)
{
    FormValue f = emptyList();
    f.list.reserve(lines.size());
    for (const QString &l : lines)
        f.list.push_back(fromString(l));
    return f;
}

FormValue FormValue::emptyList()
{
    FormValue f;
    f.kind = Kind::List;
    return f;
}

FormValue FormValue::emptyCollection()
{
    FormValue f;
    f.kind = Kind::Collection;
    return f;
}

QStringList FormValue::stringItems() const
{
    QStringList out;
    for (const FormValue &v : list)
        if (v.kind == Kind::String)
            out << v.text;
    return out;
}

bool operator==(const FormValue &a, const FormValue &b)
{
    if (a.kind != b.kind)
        return false;
    switch (a.kind) {
    case FormValue::Kind::Integer:
        return a.integer == b.integer;
    case FormValue::Kind::Float:
        return a.number == b.number && a.floatMark == b.floatMark;
    case FormValue::Kind::Identifier:
    case FormValue::Kind::String:
        return a.text == b.text;
    case FormValue::Kind::Set:
        return a.names == b.names;
    case FormValue::Kind::Binary:
        return a.bytes == b.bytes;
    case FormValue::Kind::List:
        return a.list == b.list;
    case FormValue::Kind::Collection:
        return a.collection == b.collection;
    }
    return false;
}

bool operator==(const FormProperty &a, const FormProperty &b)
{
    return a.name == b.name && a.value == b.value;
}

} // namespace scribora::menu
