#pragma once

#include "Component.h"

#include <QList>

#include <memory>
#include <vector>

// Owns the placed objects a rendered document brings with it.
class TRenderedObjects : public TComponentOwner
{
public:
    bool HasComponentNamed(const QString &name) const override;
    void InsertComponent(std::unique_ptr<TComponent> component) override;

    QList<const TComponent *> Objects() const;

private:
    std::vector<std::unique_ptr<TComponent>> m_objects;
};
