#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace scribora::menu {

struct FormProperty;

// One property value of the form text, as written: the kinds the class library's
// component streams know. The meaning (colour, enumeration ...) comes from the
// class registry, not from here.
struct FormValue
{
    enum class Kind { Integer, Float, Identifier, String, Set, Binary, List, Collection };

    Kind kind = Kind::Integer;
    qint64 integer = 0;
    double number = 0;
    char floatMark = 0;             // 0 (extended), 's' single, 'c' currency, 'd' date
    QString text;                   // identifier or string
    QStringList names;              // set elements
    QByteArray bytes;               // binary data
    std::vector<FormValue> list;    // list items
    std::vector<std::vector<FormProperty>> collection; // collection items

    static FormValue fromInteger(qint64 v);
    static FormValue fromFloat(double v, char mark = 0);
    static FormValue fromIdentifier(const QString &name);
    static FormValue fromBool(bool v); // True / False
    static FormValue fromString(const QString &s);
    static FormValue fromSet(const QStringList &elements);
    static FormValue fromBinary(const QByteArray &data);
    static FormValue fromStrings(const QStringList &lines); // a list of strings
    static FormValue emptyList();
    static FormValue emptyCollection();

    // The strings of a list value (non-string items are left out).
    QStringList stringItems() const;
};

bool operator==(const FormValue &a, const FormValue &b);
inline bool operator!=(const FormValue &a, const FormValue &b) { return !(a == b); }

struct FormProperty
{
    QString name;   // possibly dotted: "Font.Name"
    FormValue value;
    int line = 0;   // where it was read; 0 when made in memory
};

bool operator==(const FormProperty &a, const FormProperty &b);

// One "object" block: header, property lines and child blocks.
struct FormObject
{
    enum class Header { Object, Inherited, Inline };

    Header header = Header::Object;
    QString name;      // empty for a nameless object
    QString className;
    int index = -1;    // the " [n]" suffix; -1 when absent
    std::vector<FormProperty> properties;
    std::vector<FormObject> children;
    int line = 0;
};

} // namespace scribora::menu
