#include "PlacedObjects.h"

#include "LumBasePanel.h"
#include "LumGraphicControl.h"

#include <algorithm>
#include <utility>

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
    return Insert(std::move(object), 0);
}

TLumGraphicControl &TPlacedObjects::Insert(std::unique_ptr<TLumGraphicControl> object, quint64 id)
{
    if (id == 0 || WithId(id))
        id = m_nextId;
    m_nextId = std::max(m_nextId, id + 1);
    m_ids[object.get()] = id;
    // Objects keep their bounds at full size and are shown at the zoom of
    // the panel's view; they take it before they join, so joining sends no
    // notice.
    object->FollowZoom(m_panel.Zoom());
    TLumGraphicControl &inserted = *m_objects.emplace_back(std::move(object));
    inserted.SetParent(&m_panel);
    m_panel.HookObjectEvents(inserted);
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
        if ((*it)->BoundsRect().Contains(x, y))
            return it->get();
    }
    return nullptr;
}

bool TPlacedObjects::AnyContains(int x, int y) const
{
    return std::ranges::any_of(
        m_objects, [x, y](const auto &object) { return object->BoundsRect().Contains(x, y); });
}

quint64 TPlacedObjects::IdOf(const TLumGraphicControl *object) const
{
    const auto found = m_ids.find(object);
    return found == m_ids.end() ? 0 : found->second;
}

TLumGraphicControl *TPlacedObjects::WithId(quint64 id) const
{
    const auto found = std::ranges::find_if(
        m_objects, [this, id](const auto &object) { return IdOf(object.get()) == id; });
    return found == m_objects.end() ? nullptr : found->get();
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

void TPlacedObjects::Reorder(const QList<quint64> &ids)
{
    const auto rank = [&ids, this](const std::unique_ptr<TLumGraphicControl> &object) {
        const qsizetype index = ids.indexOf(IdOf(object.get()));
        return index < 0 ? ids.size() : index;
    };
    std::vector<TLumGraphicControl *> before;
    for (const auto &object : m_objects)
        before.push_back(object.get());
    std::ranges::stable_sort(m_objects, {}, rank);
    for (size_t i = 0; i < m_objects.size(); ++i) {
        if (m_objects[i].get() != before[i])
            m_panel.InvalidateObject(m_objects[i]->Bounds());
    }
}

std::unique_ptr<TLumGraphicControl>
TPlacedObjects::Replace(TLumGraphicControl *old, std::unique_ptr<TLumGraphicControl> fresh)
{
    const int index = IndexOf(old);
    if (index < 0 || !fresh)
        return nullptr;
    const qsizetype slot = m_selection.indexOf(old);
    if (slot >= 0 && fresh->Unselectable())
        m_selection.remove(slot);
    else if (slot >= 0)
        m_selection[slot] = fresh.get();
    fresh->FollowZoom(m_panel.Zoom());
    const quint64 id = m_ids[old];
    m_ids.erase(old);
    m_ids[fresh.get()] = id;
    std::unique_ptr<TLumGraphicControl> taken =
        std::exchange(m_objects[size_t(index)], std::move(fresh));
    m_panel.InvalidateObject(taken->Bounds());
    taken->SetParent(nullptr);
    TLumGraphicControl &placed = *m_objects[size_t(index)];
    placed.SetParent(&m_panel);
    m_panel.HookObjectEvents(placed);
    m_panel.InvalidateObject(placed.Bounds());
    return taken;
}

std::unique_ptr<TLumGraphicControl> TPlacedObjects::Take(TLumGraphicControl *object)
{
    const int index = IndexOf(object);
    if (index < 0)
        return nullptr;
    Deselect(object);
    std::unique_ptr<TLumGraphicControl> taken = std::move(m_objects[size_t(index)]);
    m_objects.erase(m_objects.begin() + index);
    m_ids.erase(object);
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
