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
