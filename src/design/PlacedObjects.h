#pragma once

#include "Component.h"

#include <QList>

#include <memory>
#include <unordered_map>
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
//
// Each object in the list has an identity: a number no other object of this
// list ever had, kept while the object stays and handed on when another
// object takes its place (Replace). It is never stored in any file.
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
    // Inserts object at the front under the identity id, as an object put
    // back by an undo; a new identity when id is 0 or taken.
    TLumGraphicControl &Insert(std::unique_ptr<TLumGraphicControl> object, quint64 id);

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
    // The object's identity; 0 for an object not in the list.
    quint64 IdOf(const TLumGraphicControl *object) const;
    // The object with identity id, or null.
    TLumGraphicControl *WithId(quint64 id) const;

    void BringToFront(TLumGraphicControl *object);
    void SendToBack(TLumGraphicControl *object);
    // Stacks the objects in the order of ids, back first; objects not named
    // there keep their order in front of those named.
    void Reorder(const QList<quint64> &ids);

    // Out of the list and the selection, to the caller.
    std::unique_ptr<TLumGraphicControl> Take(TLumGraphicControl *object);
    void Delete(TLumGraphicControl *object) { Take(object); }
    // Frees every object, front first.
    void DeleteAll();
    // Puts fresh where old is: the same place in the stacking order, the same
    // identity and the same place in the selection (none when fresh is
    // unselectable). Old goes to the caller; null when it is not in the list.
    std::unique_ptr<TLumGraphicControl> Replace(TLumGraphicControl *old,
                                                std::unique_ptr<TLumGraphicControl> fresh);

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
    std::unordered_map<const TLumGraphicControl *, quint64> m_ids;
    quint64 m_nextId = 1;
};
