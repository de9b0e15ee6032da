#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <memory>
#include <vector>

class TClassInfo;
class TClassRegistry;
class TStreamReader;
class TStreamWriter;

// An object written to and read from a component stream: a name and a class
// whose published properties the stream carries. Placed objects derive from
// it and describe their class with a TClassInfo (see PublishedProperties.h).
class TComponent
{
public:
    virtual ~TComponent() = default;

    const QString &Name() const { return m_name; }
    void SetName(const QString &name) { m_name = name; }

    virtual const TClassInfo &ClassInfo() const = 0;
    // Runs once the stream has set every property it holds.
    virtual void Loaded() {}
    // True while a stream sets the component's properties, before Loaded.
    bool Reading() const { return m_reading; }

private:
    friend std::unique_ptr<TComponent> ReadComponent(TStreamReader &in,
                                                     const TClassRegistry &classes);

    QString m_name;
    bool m_reading = false;
};

// Takes the components a stream creates: it tells which names are in use and
// becomes the owner of each component handed to it.
class TComponentOwner
{
public:
    virtual ~TComponentOwner() = default;

    // Whether one of the owned components has this name, letter case ignored.
    virtual bool HasComponentNamed(const QString &name) const = 0;
    virtual void InsertComponent(std::unique_ptr<TComponent> component) = 0;
};

// One published property: whether it is stored, how its entries are written
// and how one of them is read. A sub-object's values are entries with a
// dotted name: a font "Font" owns "Font.Color", "Font.Height", ...
struct TPropertyInfo
{
    QString Name;
    // Whether its entries are Name + "." + a member rather than Name itself.
    bool SubObject = false;
    // The storage condition, the comparison with the declared default
    // included; true for a property that is always stored.
    std::function<bool(const TComponent &)> IsStored;
    // Writes the property's entries: each name, then its value.
    std::function<void(const TComponent &, TStreamWriter &)> Write;
    // Reads the value of the entry named entry; false once the reader failed.
    std::function<bool(TComponent &, TStreamReader &, QStringView entry)> Read;
};

// A class that can be streamed: its name, its parent's class, its own
// published properties in declaration order and how to create an object.
class TClassInfo
{
public:
    using Factory = std::function<std::unique_ptr<TComponent>()>;

    // A class without factory is abstract: its objects are never read.
    TClassInfo(QString className, const TClassInfo *parent, Factory factory = {});

    const QString &ClassName() const { return m_className; }
    const TClassInfo *Parent() const { return m_parent; }
    std::unique_ptr<TComponent> Create() const;

    // Adds the next property in declaration order and returns it.
    TPropertyInfo &AddProperty(TPropertyInfo property);
    // Every published property, inherited ones first.
    QList<const TPropertyInfo *> Properties() const;
    // The property an entry of a stream sets, or null for an unknown one.
    const TPropertyInfo *FindProperty(QStringView entry) const;

private:
    QString m_className;
    const TClassInfo *m_parent = nullptr;
    Factory m_factory;
    std::vector<TPropertyInfo> m_properties;
};

// The classes a stream may create, by class name (letter case ignored). The
// class descriptions are not owned: each class keeps its own for the run.
class TClassRegistry
{
public:
    void Register(const TClassInfo &info);
    const TClassInfo *Find(const QString &className) const;

private:
    QHash<QString, const TClassInfo *> m_classes;
};
