#pragma once

#include "core/menu/ClassRegistry.h"
#include "core/menu/FormValue.h"

#include <QString>

#include <memory>
#include <vector>

namespace scribora::menu {

// One component of a menu design: the form, a control, a non-visual component
// or a pop-up menu item. Its values are held per declared property of its class
// and start as the class's constructor sets them.
class MenuComponent
{
public:
    MenuComponent(const ClassInfo &cls, const QString &name);

    const QString &name() const { return m_name; }
    const ClassInfo &classInfo() const { return *m_class; }
    const QString &className() const { return m_class->name; }
    bool isControl() const { return m_class->role == ComponentRole::Control; }
    MenuComponent *parent() const { return m_parent; }

    const std::vector<std::unique_ptr<MenuComponent>> &children() const { return m_children; }
    MenuComponent *findChild(QStringView name) const; // direct children, any letter case

    bool hasProperty(QStringView property) const { return m_class->propertyIndex(property) >= 0; }
    // The held value (colours and charsets as integers); the property's empty
    // value when the class has no such property.
    FormValue value(QStringView property) const;
    // Checks the value against the property's type and stores its held form.
    // Setting a font value makes the control stop taking its parent's font.
    bool setValue(QStringView property, const FormValue &value, QString *reason = nullptr);

    qint64 intValue(QStringView property) const { return value(property).integer; }
    QString stringValue(QStringView property) const { return value(property).text; }
    bool boolValue(QStringView property) const;
    QStringList setElements(QStringView property) const { return value(property).names; }
    QByteArray binaryValue(QStringView property) const { return value(property).bytes; }

    bool setInt(QStringView property, qint64 v) { return setValue(property, FormValue::fromInteger(v)); }
    bool setString(QStringView property, const QString &v) { return setValue(property, FormValue::fromString(v)); }
    bool setBool(QStringView property, bool v) { return setValue(property, FormValue::fromBool(v)); }
    bool setIdentifier(QStringView property, const QString &v) { return setValue(property, FormValue::fromIdentifier(v)); }
    bool setBinary(QStringView property, const QByteArray &v) { return setValue(property, FormValue::fromBinary(v)); }
    // Adds or removes one element of a set property.
    bool setElement(QStringView property, const QString &element, bool included);

    // The font's size in points, from and to Font.Height at the screen's pixels
    // per inch (8 points are -11 at 96), rounded as the class library does.
    int fontSize(int pixelsPerInch = 96) const;
    bool setFontSize(int points, int pixelsPerInch = 96);

    // The properties that the file carries for this component, as written.
    std::vector<FormProperty> storedProperties() const;

private:
    friend class MenuDesign;

    const ClassInfo *m_class;
    QString m_name;
    MenuComponent *m_parent = nullptr;
    std::vector<std::unique_ptr<MenuComponent>> m_children;
    std::vector<FormValue> m_values; // by property index
};

} // namespace scribora::menu
