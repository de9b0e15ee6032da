#pragma once

#include "Component.h"
#include "ComponentStream.h"
#include "StreamReader.h"
#include "StreamWriter.h"

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <optional>

// Describes the published properties of class C (a TComponent) in declaration
// order, each by its stream name, a getter and a setter (member functions or
// callables), and optionally its declared default: a property equal to its
// default is not stored. StoredWhen adds a storage condition to the property
// described last.
//
//     TPublishedProperties<TLabel>(info)
//         .Integer("Tag", &TLabel::Tag, &TLabel::SetTag, 0)
//         .String("Hint", &TLabel::Hint, &TLabel::SetHint)
//         .StoredWhen([](const TLabel &label) { return !label.Hint().isEmpty(); })
//         .Font("Font", &TLabel::Font, &TLabel::SetFont);
template <class C> class TPublishedProperties
{
public:
    explicit TPublishedProperties(TClassInfo &info) : m_info(info) {}

    template <class Getter, class Setter>
    TPublishedProperties &Integer(const QString &name, Getter get, Setter set,
                                  std::optional<qint32> byDefault = {})
    {
        return Add<qint32>(
            name, get, set, byDefault, [](TStreamWriter &out, qint32 v) { out.WriteInteger(v); },
            [](TStreamReader &in) { return in.ReadInteger(); });
    }

    template <class Getter, class Setter>
    TPublishedProperties &Boolean(const QString &name, Getter get, Setter set,
                                  std::optional<bool> byDefault = {})
    {
        return Add<bool>(
            name, get, set, byDefault, [](TStreamWriter &out, bool v) { out.WriteBoolean(v); },
            [](TStreamReader &in) { return in.ReadBoolean(); });
    }

    template <class Getter, class Setter>
    TPublishedProperties &String(const QString &name, Getter get, Setter set,
                                 std::optional<QString> byDefault = {})
    {
        return Add<QString>(
            name, get, set, byDefault,
            [](TStreamWriter &out, const QString &v) { out.WriteString(v); },
            [](TStreamReader &in) { return in.ReadString(); });
    }

    template <class Getter, class Setter>
    TPublishedProperties &Float(const QString &name, Getter get, Setter set,
                                std::optional<double> byDefault = {})
    {
        return Add<double>(
            name, get, set, byDefault, [](TStreamWriter &out, double v) { out.WriteFloat(v); },
            [](TStreamReader &in) { return in.ReadFloat(); });
    }

    template <class Getter, class Setter>
    TPublishedProperties &Colour(const QString &name, Getter get, Setter set,
                                 std::optional<TColor> byDefault = {})
    {
        return Add<TColor>(
            name, get, set, byDefault, [](TStreamWriter &out, TColor v) { out.WriteColor(v); },
            [](TStreamReader &in) { return in.ReadColor(); });
    }

    // Bytes such as "RtfText.Data" or "Picture.Data".
    template <class Getter, class Setter>
    TPublishedProperties &Binary(const QString &name, Getter get, Setter set)
    {
        return Add<QByteArray>(
            name, get, set, {}, [](TStreamWriter &out, const QByteArray &v) { out.WriteBinary(v); },
            [](TStreamReader &in) { return in.ReadBinary(); });
    }

    // An enumeration written as the identifier names[ordinal].
    template <class E, class Getter, class Setter>
    TPublishedProperties &Enumeration(const QString &name, const QStringList &names, Getter get,
                                      Setter set, std::optional<E> byDefault = {})
    {
        return Add<E>(
            name, get, set, byDefault,
            [names](TStreamWriter &out, E v) { out.WriteIdent(names.value(int(v))); },
            [names, name](TStreamReader &in) -> std::optional<E> {
                const auto ident = in.ReadIdent();
                if (!ident)
                    return std::nullopt;
                const int ordinal = IndexOf(names, *ident);
                if (ordinal < 0) {
                    in.Fail(QStringLiteral("%1 cannot be %2").arg(name, *ident));
                    return std::nullopt;
                }
                return E(ordinal);
            });
    }

    // A set held as bits, bit i standing for names[i].
    template <class Getter, class Setter>
    TPublishedProperties &Set(const QString &name, const QStringList &names, Getter get, Setter set,
                              std::optional<quint32> byDefault = {})
    {
        return Add<quint32>(
            name, get, set, byDefault,
            [names](TStreamWriter &out, quint32 bits) {
                QStringList members;
                for (int i = 0; i < names.size(); ++i) {
                    if (bits & (1u << i))
                        members.append(names[i]);
                }
                out.WriteSet(members);
            },
            [names, name](TStreamReader &in) -> std::optional<quint32> {
                const auto members = in.ReadSet();
                if (!members)
                    return std::nullopt;
                quint32 bits = 0;
                for (const QString &member : *members) {
                    const int index = IndexOf(names, member);
                    if (index < 0 || index >= 32) {
                        in.Fail(QStringLiteral("%1 cannot hold %2").arg(name, member));
                        return std::nullopt;
                    }
                    bits |= 1u << index;
                }
                return bits;
            });
    }

    // A font, written as the entries name.Color, name.Height, name.Name and
    // name.Style.
    template <class Getter, class Setter>
    TPublishedProperties &Font(const QString &name, Getter get, Setter set)
    {
        TPropertyInfo info;
        info.Name = name;
        info.SubObject = true;
        info.IsStored = [](const TComponent &) { return true; };
        info.Write = [name, get](const TComponent &c, TStreamWriter &out) {
            WriteFont(out, name, std::invoke(get, Object(c)));
        };
        info.Read = [name, get, set](TComponent &c, TStreamReader &in, QStringView entry) {
            TFontDesc font = std::invoke(get, Object(c));
            if (!ReadFontEntry(in, entry.mid(name.size() + 1), font))
                return false;
            std::invoke(set, Object(c), font);
            return true;
        };
        m_last = &m_info.AddProperty(std::move(info));
        return *this;
    }

    // The property described last is stored only when condition holds (and,
    // with a default, when it differs from it).
    TPublishedProperties &StoredWhen(std::function<bool(const C &)> condition)
    {
        m_last->IsStored = [stored = std::move(m_last->IsStored), condition = std::move(condition)](
                               const TComponent &c) { return condition(Object(c)) && stored(c); };
        return *this;
    }

private:
    // Descriptions are only ever applied to objects of their own class.
    static const C &Object(const TComponent &c) { return static_cast<const C &>(c); }
    static C &Object(TComponent &c) { return static_cast<C &>(c); }

    static int IndexOf(const QStringList &names, const QString &ident)
    {
        for (int i = 0; i < names.size(); ++i) {
            if (names[i].compare(ident, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    }

    template <class T, class Getter, class Setter, class WriteValue, class ReadValue>
    TPublishedProperties &Add(const QString &name, Getter get, Setter set,
                              std::optional<T> byDefault, WriteValue writeValue,
                              ReadValue readValue)
    {
        TPropertyInfo info;
        info.Name = name;
        info.IsStored = [get, byDefault](const TComponent &c) {
            return !byDefault || T(std::invoke(get, Object(c))) != *byDefault;
        };
        info.Write = [name, get, writeValue](const TComponent &c, TStreamWriter &out) {
            out.WriteName(name);
            writeValue(out, T(std::invoke(get, Object(c))));
        };
        info.Read = [set, readValue](TComponent &c, TStreamReader &in, QStringView) {
            const std::optional<T> value = readValue(in);
            if (value)
                std::invoke(set, Object(c), *value);
            return value.has_value();
        };
        m_last = &m_info.AddProperty(std::move(info));
        return *this;
    }

    TClassInfo &m_info;
    TPropertyInfo *m_last = nullptr;
};
