#pragma once

#include "Color.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Where reading stopped and why.
struct ReadError
{
    qint64 offset = 0;
    QString what;
};

// Reads values in the component-stream encoding from bytes held in memory.
//
// A read that fails (wrong type byte, early end, a length beyond the end of
// the input) returns nothing and records the first error; from then on every
// read fails, so a caller may read a run of values and look at Error() once.
// Every length and count is checked against the bytes left before anything is
// allocated, and nesting is bounded, so no input can make a read crash, hang
// or allocate more than the input's size.
class TStreamReader
{
public:
    explicit TStreamReader(QByteArray data);

    qint64 Position() const { return m_pos; }
    qint64 BytesLeft() const { return m_data.size() - m_pos; }
    bool Failed() const { return m_error.has_value(); }
    const std::optional<ReadError> &Error() const { return m_error; }
    // Records what as the error at the start of the last value read (when no
    // error is recorded yet) and returns false. For values of the right type
    // that the caller cannot take.
    bool Fail(const QString &what);

    bool ReadListBegin();
    // The end of a list, a collection or a component's properties or children.
    bool ReadListEnd();
    // Whether the next byte ends a list; nothing is consumed.
    bool AtListEnd() const;

    // Each of the 8-, 16- and 32-bit forms.
    std::optional<qint32> ReadInteger();
    // An extended number, or an integer.
    std::optional<double> ReadFloat();
    // Short, long, UTF-8 and UTF-16 strings.
    std::optional<QString> ReadString();
    std::optional<QString> ReadIdent();
    // True for the true type byte, false for any other.
    std::optional<bool> ReadBoolean();
    std::optional<QByteArray> ReadBinary();
    std::optional<QStringList> ReadSet();
    bool ReadNil();
    bool ReadCollectionBegin();
    // An identifier naming a colour, or an integer.
    std::optional<TColor> ReadColor();
    // Steps over one value of any type, lists and collections included.
    bool SkipValue();

    bool ReadSignature();
    // A length byte and Windows-1252 characters without a type byte; empty
    // for the 0x00 that ends properties and sets.
    std::optional<QString> ReadName();

private:
    bool Truncated(qint64 needed);
    std::optional<quint8> ReadByte();
    std::optional<quint32> ReadUInt32();
    std::optional<QByteArray> ReadBytes(qint64 length);
    std::optional<quint8> ReadType();
    bool ExpectType(quint8 expected, const char *what);
    std::optional<QString> ReadLongString(quint8 type);
    bool SkipValue(int depth);
    bool SkipProperties(int depth);

    QByteArray m_data;
    qint64 m_pos = 0;
    qint64 m_valueStart = 0;
    std::optional<ReadError> m_error;
};
