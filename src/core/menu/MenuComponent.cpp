#include "core/menu/MenuComponent.h"

namespace scribora::menu {

MenuComponent::MenuComponent(const ClassInfo &cls, const QString &name) : m_class(&cls), m_name(name)
{
    m_values.reserve(cls.properties.size());
    for (size_t i = 0; i < cls.properties.size(); ++i)
        m_values.push_back(cls.initialValue(int(i)));
}

MenuComponent *MenuComponent::findChild(QStringView name) const
{
    for (const auto &c : m_children)
        if (c->m_name.compare(name, Qt::CaseInsensitive) == 0)
            return c.get();
    return nullptr;
}

FormValue MenuComponent::value(QStringView property) const
{
    const int i = m_class->propertyIndex(property);
    return i < 0 ? FormValue() : m_values[size_t(i)];
}

bool MenuComponent::boolValue(QStringView property) const
{
    return value(property).text == QLatin1String("True");
}

bool MenuComponent::setValue(QStringView property, const FormValue &v, QString *reason)
{
    const int i = m_class->propertyIndex(property);
    if (i < 0) {
        if (reason)
            *reason = QStringLiteral("%1 has no property %2").arg(m_class->name, property.toString());
        return false;
    }
    const PropertyInfo &p = m_class->properties[size_t(i)];
    auto held = p.normalize(v, reason);
    if (!held)
        return false;
    m_values[size_t(i)] = std::move(*held);
    if (p.fontGroup) {
        const int pf = m_class->propertyIndex(u"ParentFont");
        if (pf >= 0)
            m_values[size_t(pf)] = FormValue::fromBool(false);
    }
    return true;
}

bool MenuComponent::setElement(QStringView property, const QString &element, bool included)
{
    QStringList names = setElements(property);
    names.removeAll(element);
    if (included)
        names << element;
    return setValue(property, FormValue::fromSet(names));
}

namespace {

// a * b / c rounded half away from zero, as the platform's MulDiv.
qint64 mulDiv(qint64 a, qint64 b, qint64 c)
{
    if (c == 0)
        return -1;
    const qint64 p = a * b;
    const qint64 ap = p < 0 ? -p : p;
    const qint64 ac = c < 0 ? -c : c;
    const qint64 r = (ap + ac / 2) / ac;
    return ((p < 0) != (c < 0)) ? -r : r;
}

} // namespace

int MenuComponent::fontSize(int pixelsPerInch) const
{
    return int(-mulDiv(intValue(u"Font.Height"), 72, pixelsPerInch));
}

bool MenuComponent::setFontSize(int points, int pixelsPerInch)
{
    return setInt(u"Font.Height", -mulDiv(points, pixelsPerInch, 72));
}

std::vector<FormProperty> MenuComponent::storedProperties() const
{
    std::vector<FormProperty> out;
    const bool parentFont = m_class->hasParentFont() && boolValue(u"ParentFont");
    for (size_t i = 0; i < m_class->properties.size(); ++i) {
        const PropertyInfo &p = m_class->properties[i];
        const FormValue &v = m_values[i];
        if (p.isEmptyValue(v) || (p.fontGroup && parentFont))
            continue;
        // A value equal to the declared default is left out, unless the
        // constructor sets another value: reading it back would then lose it.
        if (p.defaultValue && v == *p.defaultValue && v == m_class->initialValue(int(i)))
            continue;
        out.push_back({p.name, p.toText(v), 0});
    }
    return out;
}

} // namespace scribora::menu
