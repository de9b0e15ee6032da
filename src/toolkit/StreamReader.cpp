#include "StreamReader.h"

#include "Extended80.h"
#include "StreamValueType.h"
#include "Windows1252.h"

#include <QCoreApplication>
#include <QtEndian>

#include <cstring>

namespace {

// Lists inside lists deeper than this are taken as damage, not data.
constexpr int MaxDepth = 32;

constexpr quint8 TypeByte(TValueType type)
{
    return quint8(type);
}

QString TypeText(quint8 type)
{
    return QStringLiteral("0x%1").arg(type, 2, 16, QLatin1Char('0'));
}

} // namespace

TStreamReader::TStreamReader(QByteArray data) : m_data(std::move(data)) {}

bool TStreamReader::Fail(const QString &what)
{
    if (!m_error)
        m_error = ReadError{m_valueStart, what};
    return false;
}

bool TStreamReader::Truncated(qint64 needed)
{
    if (needed <= BytesLeft())
        return false;
    if (!m_error)
        m_error =
            ReadError{m_pos, QCoreApplication::translate("StreamReader", "unexpected end of input: %1 bytes needed, %2 left")
                                 .arg(needed)
                                 .arg(BytesLeft())};
    return true;
}

std::optional<quint8> TStreamReader::ReadByte()
{
    if (Failed() || Truncated(1))
        return std::nullopt;
    return quint8(m_data[m_pos++]);
}

std::optional<quint32> TStreamReader::ReadUInt32()
{
    const auto bytes = ReadBytes(4);
    if (!bytes)
        return std::nullopt;
    return qFromLittleEndian<quint32>(bytes->constData());
}

std::optional<QByteArray> TStreamReader::ReadBytes(qint64 length)
{
    if (Failed() || Truncated(length))
        return std::nullopt;
    QByteArray bytes = m_data.mid(m_pos, length);
    m_pos += length;
    return bytes;
}

std::optional<quint8> TStreamReader::ReadType()
{
    if (Failed())
        return std::nullopt;
    m_valueStart = m_pos;
    return ReadByte();
}

bool TStreamReader::ExpectType(quint8 expected, const char *what)
{
    const auto type = ReadType();
    if (!type)
        return false;
    if (*type == expected)
        return true;
    return Fail(
        QCoreApplication::translate("StreamReader", "expected %1, found type %2")
            .arg(QCoreApplication::translate("StreamReader", what), TypeText(*type)));
}

bool TStreamReader::ReadListBegin()
{
    return ExpectType(TypeByte(TValueType::vaList), QT_TRANSLATE_NOOP("StreamReader", "the start of a list"));
}

bool TStreamReader::ReadListEnd()
{
    return ExpectType(TypeByte(TValueType::vaNull), QT_TRANSLATE_NOOP("StreamReader", "the end of a list"));
}

bool TStreamReader::AtListEnd() const
{
    return !Failed() && m_pos < m_data.size() && m_data[m_pos] == 0;
}

std::optional<qint32> TStreamReader::ReadInteger()
{
    const auto type = ReadType();
    if (!type)
        return std::nullopt;
    switch (TValueType(*type)) {
    case TValueType::vaInt8:
        if (const auto byte = ReadByte())
            return qint8(*byte);
        return std::nullopt;
    case TValueType::vaInt16:
        if (const auto bytes = ReadBytes(2))
            return qFromLittleEndian<qint16>(bytes->constData());
        return std::nullopt;
    case TValueType::vaInt32:
        if (const auto value = ReadUInt32())
            return qint32(*value);
        return std::nullopt;
    default:
        Fail(QCoreApplication::translate("StreamReader", "expected an integer, found type %1").arg(TypeText(*type)));
        return std::nullopt;
    }
}

std::optional<double> TStreamReader::ReadFloat()
{
    if (Failed() || Truncated(1))
        return std::nullopt;
    if (quint8(m_data[m_pos]) != TypeByte(TValueType::vaExtended)) {
        const auto integer = ReadInteger();
        return integer ? std::optional<double>(*integer) : std::nullopt;
    }
    ReadType();
    const auto bytes = ReadBytes(10);
    if (!bytes)
        return std::nullopt;
    TExtended80 extended;
    std::memcpy(extended.data(), bytes->constData(), extended.size());
    return ExtendedToDouble(extended);
}

std::optional<QString> TStreamReader::ReadString()
{
    const auto type = ReadType();
    if (!type)
        return std::nullopt;
    if (*type == TypeByte(TValueType::vaString)) {
        const auto length = ReadByte();
        const auto bytes = length ? ReadBytes(*length) : std::nullopt;
        return bytes ? std::optional<QString>(FromWindows1252(*bytes)) : std::nullopt;
    }
    return ReadLongString(*type);
}

std::optional<QString> TStreamReader::ReadLongString(quint8 type)
{
    const bool known = type == TypeByte(TValueType::vaLString) ||
                       type == TypeByte(TValueType::vaUTF8String) ||
                       type == TypeByte(TValueType::vaWString);
    if (!known) {
        Fail(QCoreApplication::translate("StreamReader", "expected a string, found type %1").arg(TypeText(type)));
        return std::nullopt;
    }
    const auto count = ReadUInt32();
    if (!count)
        return std::nullopt;
    const bool utf16 = type == TypeByte(TValueType::vaWString);
    const auto bytes = ReadBytes(qint64(*count) * (utf16 ? 2 : 1));
    if (!bytes)
        return std::nullopt;
    if (type == TypeByte(TValueType::vaLString))
        return FromWindows1252(*bytes);
    if (type == TypeByte(TValueType::vaUTF8String))
        return QString::fromUtf8(*bytes);
    QString text(qsizetype(*count), Qt::Uninitialized);
    qFromLittleEndian<char16_t>(bytes->constData(), *count, text.data());
    return WithoutLoneSurrogates(text);
}

std::optional<QString> TStreamReader::ReadIdent()
{
    if (!ExpectType(TypeByte(TValueType::vaIdent), QT_TRANSLATE_NOOP("StreamReader", "an identifier")))
        return std::nullopt;
    return ReadName();
}

std::optional<bool> TStreamReader::ReadBoolean()
{
    const auto type = ReadType();
    if (!type)
        return std::nullopt;
    return *type == TypeByte(TValueType::vaTrue);
}

std::optional<QByteArray> TStreamReader::ReadBinary()
{
    if (!ExpectType(TypeByte(TValueType::vaBinary), QT_TRANSLATE_NOOP("StreamReader", "binary data")))
        return std::nullopt;
    const auto length = ReadUInt32();
    return length ? ReadBytes(*length) : std::nullopt;
}

std::optional<QStringList> TStreamReader::ReadSet()
{
    if (!ExpectType(TypeByte(TValueType::vaSet), QT_TRANSLATE_NOOP("StreamReader", "a set")))
        return std::nullopt;
    QStringList names;
    // Each name takes at least one byte, so the loop ends with the input.
    while (const auto name = ReadName()) {
        if (name->isEmpty())
            return names;
        names.append(*name);
    }
    return std::nullopt;
}

bool TStreamReader::ReadNil()
{
    return ExpectType(TypeByte(TValueType::vaNil), QT_TRANSLATE_NOOP("StreamReader", "nil"));
}

bool TStreamReader::ReadCollectionBegin()
{
    return ExpectType(TypeByte(TValueType::vaCollection), QT_TRANSLATE_NOOP("StreamReader", "a collection"));
}

std::optional<TColor> TStreamReader::ReadColor()
{
    if (Failed() || Truncated(1))
        return std::nullopt;
    if (quint8(m_data[m_pos]) != TypeByte(TValueType::vaIdent)) {
        const auto integer = ReadInteger();
        return integer ? std::optional<TColor>(TColor(*integer)) : std::nullopt;
    }
    const auto ident = ReadIdent();
    if (!ident)
        return std::nullopt;
    const auto color = IdentToColor(*ident);
    if (!color)
        Fail(QCoreApplication::translate("StreamReader", "unknown colour %1").arg(*ident));
    return color;
}

bool TStreamReader::SkipValue()
{
    return SkipValue(0);
}

bool TStreamReader::SkipValue(int depth)
{
    if (depth > MaxDepth)
        return Fail(QCoreApplication::translate("StreamReader", "values nested deeper than %1").arg(MaxDepth));
    if (Failed() || Truncated(1))
        return false;
    const auto type = TValueType(quint8(m_data[m_pos]));
    switch (type) {
    case TValueType::vaList:
        ReadType();
        while (!Failed() && !AtListEnd())
            SkipValue(depth + 1);
        return ReadListEnd();
    case TValueType::vaCollection:
        ReadType();
        while (!Failed() && !AtListEnd()) {
            if (ReadListBegin())
                SkipProperties(depth + 1);
        }
        return ReadListEnd();
    case TValueType::vaInt8:
    case TValueType::vaInt16:
    case TValueType::vaInt32:
        return ReadInteger().has_value();
    case TValueType::vaExtended:
        return ReadFloat().has_value();
    case TValueType::vaString:
    case TValueType::vaLString:
    case TValueType::vaUTF8String:
    case TValueType::vaWString:
        return ReadString().has_value();
    case TValueType::vaIdent:
        return ReadIdent().has_value();
    case TValueType::vaFalse:
    case TValueType::vaTrue:
    case TValueType::vaNil:
        return ReadType().has_value();
    case TValueType::vaBinary:
        return ReadBinary().has_value();
    case TValueType::vaSet:
        return ReadSet().has_value();
    default:
        ReadType();
        return Fail(QCoreApplication::translate("StreamReader", "unknown value type %1").arg(TypeText(quint8(type))));
    }
}

// Named values up to the 0x00 that ends them, as a collection item holds.
bool TStreamReader::SkipProperties(int depth)
{
    while (const auto name = ReadName()) {
        if (name->isEmpty())
            return true;
        SkipValue(depth);
    }
    return false;
}

bool TStreamReader::ReadSignature()
{
    if (Failed())
        return false;
    m_valueStart = m_pos;
    const auto bytes = ReadBytes(4);
    if (!bytes)
        return false;
    if (*bytes != QByteArrayView(ComponentSignature, 4))
        return Fail(QCoreApplication::translate("StreamReader", "not a component stream"));
    return true;
}

std::optional<QString> TStreamReader::ReadName()
{
    if (Failed())
        return std::nullopt;
    m_valueStart = m_pos;
    const auto length = ReadByte();
    const auto bytes = length ? ReadBytes(*length) : std::nullopt;
    return bytes ? std::optional<QString>(FromWindows1252(*bytes)) : std::nullopt;
}
