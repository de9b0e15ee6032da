#include "PlacedObjects.h"

#include "LumBasePanel.h"
#include "LumGraphicControl.h"

#include <algorithm>

TPlacedObjects::TPlacedObjects(TLumBasePanel &panel) : m_panel(panel) {}

TPlacedObjects::~TPlacedObjects()
{
    DeleteAll();
}

bool TPlacedObjects::HasComponentNamed(const QString &name) const
{
    return std::ranges::any_of(m_objects, [&](const std::unique_ptr<TLumGraphicControl> &object) {
        return object->Name().compare(name, Qt::CaseInsensitive) == 0;
    });
}

void TPlacedObjects::InsertComponent(std::unique_ptr<TComponent> component)
{
    auto *object = dynamic_cast<TLumGraphicControl *>(component.get());
    if (!object)
        return;
    component.release();
    Insert(std::unique_ptr<TLumGraphicControl>(object));
}

TLumGraphicControl &TPlacedObjects::Insert(std::unique_ptr<TLumGraphicControl> object)
{
    TLumGraphicControl &inserted = *m_objects.emplace_back(std::move(object));
    inserted.SetParent(&m_panel);
    m_panel.HookObjectEvents(inserted);
    if (inserted.Visible())
        m_panel.InvalidateObject(inserted.Bounds());
    return inserted;
}

QList<TLumGraphicControl *> TPlacedObjects::Objects() const
{
    QList<TLumGraphicControl *> objects;
    objects.reserve(Count());
    for (const std::unique_ptr<TLumGraphicControl> &object : m_objects)
        objects.append(object.get());
    return objects;
}

TLumGraphicControl *TPlacedObjects::At(int index) const
{
    return index >= 0 && index < Count() ? m_objects[size_t(index)].get() : nullptr;
}

int TPlacedObjects::IndexOf(const TLumGraphicControl *object) const
{
    const auto found = std::ranges::find_if(
        m_objects, [object](const auto &candidate) { return candidate.get() == object; });
    return found == m_objects.end() ? -1 : int(found - m_objects.begin());
}

TLumGraphicControl *TPlacedObjects::TopmostAt(int x, int y) const
{
    for (auto it = m_objects.rbegin(); it != m_objects.rend(); ++it) {
        if ((*it)->Visible() && (*it)->BoundsRect().Contains(x, y))
            return it->get();
    }
    return nullptr;
}

bool TPlacedObjects::AnyContains(int x, int y) const
{
    return std::ranges::any_of(
        m_objects, [x, y](const auto &object) { return object->BoundsRect().Contains(x, y); });
}

void TPlacedObjects::BringToFront(TLumGraphicControl *object)
{
    const int index = IndexOf(object);
    if (index < 0 || index == Count() - 1)
        return;
    std::rotate(m_objects.begin() + index, m_objects.begin() + index + 1, m_objects.end());
    m_panel.InvalidateObject(object->Bounds());
}

void TPlacedObjects::SendToBack(TLumGraphicControl *object)
{
    const int index = IndexOf(object);
    if (index <= 0)
        return;
    std::rotate(m_objects.begin(), m_objects.begin() + index, m_objects.begin() + index + 1);
    m_panel.InvalidateObject(object->Bounds());
}

std::unique_ptr<TLumGraphicControl> TPlacedObjects::Take(TLumGraphicControl *object)
{
    const int index = IndexOf(object);
    if (index < 0)
        return nullptr;
    Deselect(object);
    std::unique_ptr<TLumGraphicControl> taken = std::move(m_objects[size_t(index)]);
    m_objects.erase(m_objects.begin() + index);
    if (taken->Visible())
        m_panel.InvalidateObject(taken->Bounds());
    taken->SetParent(nullptr);
    return taken;
}

void TPlacedObjects::DeleteAll()
{
    m_selection.clear();
    while (!m_objects.empty())
        Take(m_objects.back().get());
}

bool TPlacedObjects::IsSelected(const TLumGraphicControl *object) const
{
    return m_selection.contains(object);
}

bool TPlacedObjects::Select(TLumGraphicControl *object)
{
    if (!object || object->Unselectable() || IsSelected(object) || !Contains(object))
        return false;
    m_selection.append(object);
    return true;
}

bool TPlacedObjects::Deselect(TLumGraphicControl *object)
{
    return m_selection.removeOne(object);
}
