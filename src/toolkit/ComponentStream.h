#pragma once

#include "FontDesc.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <memory>
#include <optional>

class TClassRegistry;
class TComponent;
class TStreamReader;
class TStreamWriter;

// Component streams: "TPF0", the class name, the component name, the stored
// properties as name and value up to a 0x00, then the children up to a 0x00.

// Writes component with its stored properties, inherited ones first.
void WriteComponent(TStreamWriter &out, const TComponent &component);

// Creates an object of the class the stream names and sets the properties it
// holds; entries the class does not know are stepped over. Null when the
// class is not registered or the stream is damaged (the reader holds why).
std::unique_ptr<TComponent> ReadComponent(TStreamReader &in, const TClassRegistry &classes);

// The pieces, for records of objects that are not TComponents.
struct TComponentHeader
{
    QString ClassName;
    QString Name;
};
void WriteComponentHeader(TStreamWriter &out, const QString &className, const QString &name);
// The end of the properties and an empty list of children.
void WriteComponentEnd(TStreamWriter &out);
std::optional<TComponentHeader> ReadComponentHeader(TStreamReader &in);
// Hands each property entry's name to readEntry, which reads (or skips) its
// value and returns false once the reader failed; then reads the end of the
// properties and the (empty) children.
bool ReadComponentBody(TStreamReader &in, const std::function<bool(QStringView entry)> &readEntry);

// A font as the entries name.Color, name.Height (pixels at 96 ppi, negative),
// name.Name and name.Style.
void WriteFont(TStreamWriter &out, const QString &name, const TFontDesc &font);
// Reads the value of the entry name.member into font. Charset, pitch and
// unknown members are stepped over.
bool ReadFontEntry(TStreamReader &in, QStringView member, TFontDesc &font);
