#include "StreamWriter.h"

#include "Extended80.h"
#include "StreamValueType.h"
#include "Windows1252.h"

#include <QtEndian>

#include <limits>

namespace {

constexpr qsizetype MaxShortLength = 255;

quint8 TypeByte(TValueType type)
{
    return quint8(type);
}

} // namespace

void TStreamWriter::WriteType(quint8 type)
{
    m_data.append(char(type));
}

void TStreamWriter::WriteUInt32(quint32 value)
{
    const quint32 little = qToLittleEndian(value);
    m_data.append(reinterpret_cast<const char *>(&little), sizeof little);
}

void TStreamWriter::WriteListBegin()
{
    WriteType(TypeByte(TValueType::vaList));
}

void TStreamWriter::WriteListEnd()
{
    WriteType(TypeByte(TValueType::vaNull));
}

void TStreamWriter::WriteInteger(qint32 value)
{
    if (value >= std::numeric_limits<qint8>::min() && value <= std::numeric_limits<qint8>::max()) {
        WriteType(TypeByte(TValueType::vaInt8));
        m_data.append(char(value));
    } else if (value >= std::numeric_limits<qint16>::min() &&
               value <= std::numeric_limits<qint16>::max()) {
        WriteType(TypeByte(TValueType::vaInt16));
        const qint16 little = qToLittleEndian(qint16(value));
        m_data.append(reinterpret_cast<const char *>(&little), sizeof little);
    } else {
        WriteType(TypeByte(TValueType::vaInt32));
        WriteUInt32(quint32(value));
    }
}

void TStreamWriter::WriteFloat(double value)
{
    WriteType(TypeByte(TValueType::vaExtended));
    const TExtended80 bytes = DoubleToExtended(value);
    m_data.append(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

void TStreamWriter::WriteString(const QString &text)
{
    const QString value = WithoutLoneSurrogates(text);
    if (!FitsWindows1252(value)) {
        const QByteArray utf8 = value.toUtf8();
        WriteType(TypeByte(TValueType::vaUTF8String));
        WriteUInt32(quint32(utf8.size()));
        m_data.append(utf8);
        return;
    }
    const QByteArray bytes = ToWindows1252(value);
    if (bytes.size() <= MaxShortLength) {
        WriteType(TypeByte(TValueType::vaString));
        m_data.append(char(bytes.size()));
    } else {
        WriteType(TypeByte(TValueType::vaLString));
        WriteUInt32(quint32(bytes.size()));
    }
    m_data.append(bytes);
}

void TStreamWriter::WriteIdent(const QString &name)
{
    WriteType(TypeByte(TValueType::vaIdent));
    WriteName(name);
}

void TStreamWriter::WriteBoolean(bool value)
{
    WriteType(TypeByte(value ? TValueType::vaTrue : TValueType::vaFalse));
}

void TStreamWriter::WriteBinary(QByteArrayView bytes)
{
    WriteType(TypeByte(TValueType::vaBinary));
    WriteUInt32(quint32(bytes.size()));
    m_data.append(bytes);
}

void TStreamWriter::WriteSet(const QStringList &names)
{
    WriteType(TypeByte(TValueType::vaSet));
    for (const QString &name : names)
        WriteName(name);
    WriteName({});
}

void TStreamWriter::WriteNil()
{
    WriteType(TypeByte(TValueType::vaNil));
}

void TStreamWriter::WriteCollectionBegin()
{
    WriteType(TypeByte(TValueType::vaCollection));
}

void TStreamWriter::WriteColor(TColor color)
{
    if (const auto ident = ColorToIdent(color))
        WriteIdent(*ident);
    else
        WriteInteger(qint32(color));
}

void TStreamWriter::WriteSignature()
{
    m_data.append(ComponentSignature, 4);
}

void TStreamWriter::WriteName(const QString &name)
{
    const QByteArray bytes = ToWindows1252(name).left(MaxShortLength);
    m_data.append(char(bytes.size()));
    m_data.append(bytes);
}
