#pragma once

#include "Color.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Writes values in the component-stream encoding into a byte array: a type
// byte, then the value's data. Strings are Windows-1252 where the code page
// holds them, so files stay readable by older copies of the program; text it
// cannot hold is written as UTF-8 so nothing is lost.
class TStreamWriter
{
public:
    const QByteArray &Data() const { return m_data; }

    void WriteListBegin();
    // Ends a list, a collection or a component's properties or children.
    void WriteListEnd();
    // The smallest of the 8-, 16- and 32-bit forms that holds value.
    void WriteInteger(qint32 value);
    void WriteFloat(double value);
    void WriteString(const QString &value);
    void WriteIdent(const QString &name);
    void WriteBoolean(bool value);
    void WriteBinary(QByteArrayView bytes);
    void WriteSet(const QStringList &names);
    void WriteNil();
    void WriteCollectionBegin();
    // A colour by its name where it has one (clWhite), else as an integer.
    void WriteColor(TColor color);

    // Parts of a component stream that carry no type byte.
    void WriteSignature();
    // A length byte and at most 255 Windows-1252 characters: class,
    // component and property names.
    void WriteName(const QString &name);

private:
    void WriteType(quint8 type);
    void WriteUInt32(quint32 value);

    QByteArray m_data;
};
