#pragma once

#include <QByteArrayView>

// Little-endian numbers inside a byte array. The caller has checked that the
// bytes at..at+size-1 exist.

inline quint8 Le8(QByteArrayView bytes, qsizetype at)
{
    return quint8(bytes[at]);
}

inline quint16 Le16(QByteArrayView bytes, qsizetype at)
{
    return quint16(Le8(bytes, at) | (Le8(bytes, at + 1) << 8));
}

inline quint32 Le32(QByteArrayView bytes, qsizetype at)
{
    return quint32(Le16(bytes, at)) | (quint32(Le16(bytes, at + 2)) << 16);
}

inline void PutLe16(uchar *at, quint16 value)
{
    at[0] = uchar(value);
    at[1] = uchar(value >> 8);
}

inline void PutLe32(uchar *at, quint32 value)
{
    PutLe16(at, quint16(value));
    PutLe16(at + 2, quint16(value >> 16));
}
