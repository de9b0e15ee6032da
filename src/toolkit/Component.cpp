#include "Component.h"

TClassInfo::TClassInfo(QString className, const TClassInfo *parent, Factory factory)
    : m_className(std::move(className)), m_parent(parent), m_factory(std::move(factory))
{}

std::unique_ptr<TComponent> TClassInfo::Create() const
{
    return m_factory ? m_factory() : nullptr;
}

TPropertyInfo &TClassInfo::AddProperty(TPropertyInfo property)
{
    return m_properties.emplace_back(std::move(property));
}

QList<const TPropertyInfo *> TClassInfo::Properties() const
{
    QList<const TPropertyInfo *> properties =
        m_parent ? m_parent->Properties() : QList<const TPropertyInfo *>{};
    for (const TPropertyInfo &property : m_properties)
        properties.append(&property);
    return properties;
}

const TPropertyInfo *TClassInfo::FindProperty(QStringView entry) const
{
    for (const TPropertyInfo &property : m_properties) {
        const bool match = property.SubObject
                               ? entry.size() > property.Name.size() &&
                                     entry.startsWith(property.Name, Qt::CaseInsensitive) &&
                                     entry[property.Name.size()] == QLatin1Char('.')
                               : entry.compare(property.Name, Qt::CaseInsensitive) == 0;
        if (match)
            return &property;
    }
    return m_parent ? m_parent->FindProperty(entry) : nullptr;
}

void TClassRegistry::Register(const TClassInfo &info)
{
    m_classes.insert(info.ClassName().toLower(), &info);
}

const TClassInfo *TClassRegistry::Find(const QString &className) const
{
    return m_classes.value(className.toLower(), nullptr);
}
