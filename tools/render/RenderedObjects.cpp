#include "RenderedObjects.h"

bool TRenderedObjects::HasComponentNamed(const QString &name) const
{
    for (const auto &object : m_objects) {
        if (object->Name().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void TRenderedObjects::InsertComponent(std::unique_ptr<TComponent> component)
{
    m_objects.push_back(std::move(component));
}

QList<const TComponent *> TRenderedObjects::Objects() const
{
    QList<const TComponent *> objects;
    for (const auto &object : m_objects)
        objects.append(object.get());
    return objects;
}
