#pragma once

#include "core/menu/FormValue.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace scribora::menu {

// What a property's value means; decides how it is read, checked and written.
enum class PropertyType {
    Integer,     // 32-bit signed
    Boolean,     // True / False
    Enumeration, // one of PropertyInfo::names
    Set,         // a subset of PropertyInfo::names
    Color,       // colour name, decimal or $hex; held as an Integer value
    Charset,     // character set name or number; held as an Integer value
    String,
    Strings,     // a list of strings ("Lines.Strings")
    Picture,     // graphic class name + the graphic's data (MenuPicture)
    Bitmap,      // size + .bmp file (MenuPicture)
    TreeNodes,   // a tree's nodes (TreeNodes)
    Event,       // the handler's method name
};

struct PropertyInfo
{
    QString name;
    PropertyType type = PropertyType::Integer;
    QStringList names;                    // enumeration values / set elements, declared order
    std::optional<FormValue> defaultValue; // the declared default; none: always written
    bool fontGroup = false;               // "Font.*": written only while ParentFont is False

    // The value in its held form (see PropertyType), or empty with a reason
    // when the text's value does not fit the property.
    std::optional<FormValue> normalize(const FormValue &v, QString *reason) const;
    // The value as it is written in the file (colour and charset names).
    FormValue toText(const FormValue &held) const;
    // An empty string, list, picture or handler, which is never written.
    bool isEmptyValue(const FormValue &held) const;
    // The value a property takes when nothing sets it.
    FormValue emptyValue() const;
};

enum class ComponentRole { Form, Control, NonVisual, MenuItem };

struct ClassInfo
{
    QString name;
    QString baseName;
    ComponentRole role = ComponentRole::Control;
    QString kindWord;   // the control tool's word ("Button"); empty for other classes
    QString nameBase;   // base of a new control's name ("Button" -> Button0)
    QString caption;    // the tool bar caption ("File List")
    QString textProperty; // the text that shows the name when it equals it: "Caption", "Text"
    bool acceptsControls = false; // controls may be placed inside (the Panel)
    bool loadable = true;         // the design surface creates it from a file
    std::vector<PropertyInfo> properties;        // declared order, inherited first
    QHash<QString, FormValue> initial;           // constructor values, by property name

    int propertyIndex(QStringView name) const; // case-insensitive; -1 when unknown
    const PropertyInfo *property(QStringView name) const;
    FormValue initialValue(int index) const;
    bool hasParentFont() const { return propertyIndex(u"ParentFont") >= 0; }
};

// Every class a menu design may hold, with the published properties the menu
// configuration file carries. The writer, the reader, the property panel and
// the menu player all take class names, property order, defaults and value sets
// from here.
class ClassRegistry
{
public:
    static const ClassRegistry &instance();

    const ClassInfo *find(QStringView className) const; // case-insensitive
    // The control class of a tool's kind word, compared exactly.
    const ClassInfo *findByKind(QStringView kindWord) const;
    const std::vector<ClassInfo> &classes() const { return m_classes; }
    // The eleven kind words in the tool bar's order.
    QStringList kindWords() const;

    static QString charsetName(qint64 charset); // "DEFAULT_CHARSET"; empty when none
    static std::optional<qint64> charsetFromName(QStringView name);

private:
    ClassRegistry();
    std::vector<ClassInfo> m_classes;
};

} // namespace scribora::menu
