#include "ComponentStream.h"

#include "Component.h"
#include "StreamReader.h"
#include "StreamWriter.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {

constexpr int DefaultPpi = 96;

struct StyleName
{
    TFontStyle style;
    const char *name;
};

constexpr std::array<StyleName, 4> StyleNames{{
    {TFontStyle::fsBold, "fsBold"},
    {TFontStyle::fsItalic, "fsItalic"},
    {TFontStyle::fsUnderline, "fsUnderline"},
    {TFontStyle::fsStrikeOut, "fsStrikeOut"},
}};

QStringList StyleSet(TFontStyles styles)
{
    QStringList names;
    for (const StyleName &entry : StyleNames) {
        if (styles.testFlag(entry.style))
            names.append(QLatin1String(entry.name));
    }
    return names;
}

bool ReadStyleSet(TStreamReader &in, TFontStyles &styles)
{
    const auto names = in.ReadSet();
    if (!names)
        return false;
    TFontStyles read;
    for (const QString &name : *names) {
        const auto found = std::find_if(StyleNames.begin(), StyleNames.end(), [&](const auto &e) {
            return name.compare(QLatin1String(e.name), Qt::CaseInsensitive) == 0;
        });
        if (found == StyleNames.end())
            return in.Fail(QCoreApplication::translate("StreamReader", "unknown font style %1").arg(name));
        read |= found->style;
    }
    styles = read;
    return true;
}

template <typename T> bool Store(const std::optional<T> &value, T &target)
{
    if (value)
        target = *value;
    return value.has_value();
}

} // namespace

void WriteComponentHeader(TStreamWriter &out, const QString &className, const QString &name)
{
    out.WriteSignature();
    out.WriteName(className);
    out.WriteName(name);
}

void WriteComponentEnd(TStreamWriter &out)
{
    out.WriteListEnd();
    out.WriteListEnd();
}

void WriteComponent(TStreamWriter &out, const TComponent &component)
{
    const TClassInfo &info = component.ClassInfo();
    WriteComponentHeader(out, info.ClassName(), component.Name());
    for (const TPropertyInfo *property : info.Properties()) {
        if (!property->IsStored || property->IsStored(component))
            property->Write(component, out);
    }
    WriteComponentEnd(out);
}

std::optional<TComponentHeader> ReadComponentHeader(TStreamReader &in)
{
    if (!in.ReadSignature())
        return std::nullopt;
    auto className = in.ReadName();
    auto name = in.ReadName();
    if (!className || !name)
        return std::nullopt;
    return TComponentHeader{std::move(*className), std::move(*name)};
}

bool ReadComponentBody(TStreamReader &in, const std::function<bool(QStringView entry)> &readEntry)
{
    while (const auto entry = in.ReadName()) {
        if (entry->isEmpty()) {
            if (in.BytesLeft() > 0 && !in.AtListEnd())
                return in.Fail(QCoreApplication::translate("StreamReader", "child components are not supported"));
            return in.ReadListEnd();
        }
        if (!readEntry(*entry))
            return false;
    }
    return false;
}

std::unique_ptr<TComponent> ReadComponent(TStreamReader &in, const TClassRegistry &classes)
{
    const auto header = ReadComponentHeader(in);
    if (!header)
        return nullptr;
    const TClassInfo *info = classes.Find(header->ClassName);
    std::unique_ptr<TComponent> component = info ? info->Create() : nullptr;
    if (!component) {
        in.Fail(QCoreApplication::translate("StreamReader", "unknown class %1").arg(header->ClassName));
        return nullptr;
    }
    component->SetName(header->Name);
    component->m_reading = true;
    const bool read = ReadComponentBody(in, [&](QStringView entry) {
        const TPropertyInfo *property = info->FindProperty(entry);
        return property ? property->Read(*component, in, entry) : in.SkipValue();
    });
    component->m_reading = false;
    if (!read)
        return nullptr;
    component->Loaded();
    return component;
}

void WriteFont(TStreamWriter &out, const QString &name, const TFontDesc &font)
{
    out.WriteName(name + QLatin1String(".Color"));
    out.WriteColor(font.Color);
    out.WriteName(name + QLatin1String(".Height"));
    out.WriteInteger(font.Height(DefaultPpi));
    out.WriteName(name + QLatin1String(".Name"));
    out.WriteString(font.Name);
    out.WriteName(name + QLatin1String(".Style"));
    out.WriteSet(StyleSet(font.Style));
}

bool ReadFontEntry(TStreamReader &in, QStringView member, TFontDesc &font)
{
    const auto is = [member](const char *name) {
        return member.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    if (is("Color"))
        return Store(in.ReadColor(), font.Color);
    if (is("Name"))
        return Store(in.ReadString(), font.Name);
    if (is("Style"))
        return ReadStyleSet(in, font.Style);
    if (is("Size"))
        return Store(in.ReadInteger(), font.Size);
    if (is("Height")) {
        const auto height = in.ReadInteger();
        if (height)
            font.Size = TFontDesc::PointsFromHeight(*height, DefaultPpi);
        return height.has_value();
    }
    return in.SkipValue();
}
