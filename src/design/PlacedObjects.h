#pragma once

#include "Component.h"

#include <QList>

#include <memory>
#include <vector>

class TLumBasePanel;
class TLumGraphicControl;

// The objects placed on a design panel, owned with it: their stacking order
// (later is in front), their names and which of them are selected, in the
// order they were selected. An object is at most once in the selection, an
// unselectable one never, and a freed one leaves it with the list.
//
// Streams hand their objects here (as the owner of what they read); every
// object taken in is placed on the panel and hooked to it.
class TPlacedObjects : public TComponentOwner
{
public:
    explicit TPlacedObjects(TLumBasePanel &panel);
    ~TPlacedObjects() override;
    TPlacedObjects(const TPlacedObjects &) = delete;
    TPlacedObjects &operator=(const TPlacedObjects &) = delete;

    bool HasComponentNamed(const QString &name) const override;
    // Takes a placed object at the front; any other component is freed.
    void InsertComponent(std::unique_ptr<TComponent> component) override;
    TLumGraphicControl &Insert(std::unique_ptr<TLumGraphicControl> object);

    int Count() const { return int(m_objects.size()); }
    bool IsEmpty() const { return m_objects.empty(); }
    // In stacking order, back first.
    QList<TLumGraphicControl *> Objects() const;
    TLumGraphicControl *At(int index) const;
    // -1 for an object not in the list.
    int IndexOf(const TLumGraphicControl *object) const;
    bool Contains(const TLumGraphicControl *object) const { return IndexOf(object) >= 0; }
    // The front-most visible object whose bounds contain the point.
    TLumGraphicControl *TopmostAt(int x, int y) const;
    bool AnyContains(int x, int y) const;

    void BringToFront(TLumGraphicControl *object);
    void SendToBack(TLumGraphicControl *object);

    // Out of the list and the selection, to the caller.
    std::unique_ptr<TLumGraphicControl> Take(TLumGraphicControl *object);
    void Delete(TLumGraphicControl *object) { Take(object); }
    // Frees every object, front first.
    void DeleteAll();

    const QList<TLumGraphicControl *> &Selection() const { return m_selection; }
    bool IsSelected(const TLumGraphicControl *object) const;
    // Appends object; false when it is not in the list, already selected or
    // unselectable.
    bool Select(TLumGraphicControl *object);
    bool Deselect(TLumGraphicControl *object);
    void ClearSelection() { m_selection.clear(); }

private:
    TLumBasePanel &m_panel;
    std::vector<std::unique_ptr<TLumGraphicControl>> m_objects;
    QList<TLumGraphicControl *> m_selection;
};
