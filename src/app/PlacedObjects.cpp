#include "PlacedObjects.h"

#include "PublishedProperties.h"

#include <algorithm>

bool TPlacedObjects::HasComponentNamed(const QString &name) const
{
    return std::ranges::any_of(m_objects, [&](const std::unique_ptr<TComponent> &object) {
        return object->Name().compare(name, Qt::CaseInsensitive) == 0;
    });
}

void TPlacedObjects::InsertComponent(std::unique_ptr<TComponent> component)
{
    if (component)
        m_objects.push_back(std::move(component));
}

QList<const TComponent *> TPlacedObjects::Objects() const
{
    QList<const TComponent *> objects;
    for (const std::unique_ptr<TComponent> &object : m_objects)
        objects.append(object.get());
    return objects;
}

bool TPlacedObjects::HasSuperText() const
{
    return std::ranges::any_of(m_objects, [](const std::unique_ptr<TComponent> &object) {
        return object->ClassInfo().ClassName().compare(u"TLumSuperText", Qt::CaseInsensitive) == 0;
    });
}
