#pragma once

#include "Component.h"

#include <QList>

#include <memory>
#include <vector>

// The placed objects of the open document, owned by the main window.
class TPlacedObjects : public TComponentOwner
{
public:
    bool HasComponentNamed(const QString &name) const override;
    void InsertComponent(std::unique_ptr<TComponent> component) override;

    QList<const TComponent *> Objects() const;
    // Whether one of them is special-effect text, which printers take long
    // to produce.
    bool HasSuperText() const;
    // Frees every object.
    void DeleteAll() { m_objects.clear(); }

private:
    std::vector<std::unique_ptr<TComponent>> m_objects;
};
