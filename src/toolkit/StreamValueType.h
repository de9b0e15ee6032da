#pragma once

#include <QtGlobal>

// The type byte that starts every value of a component stream.
enum class TValueType : quint8 {
    vaNull = 0x00,       // end of a list, a set or a collection
    vaList = 0x01,       // values up to the next vaNull
    vaInt8 = 0x02,       // 1 byte, signed
    vaInt16 = 0x03,      // 2 bytes, signed, little-endian
    vaInt32 = 0x04,      // 4 bytes, signed, little-endian
    vaExtended = 0x05,   // 10 bytes: an 80-bit extended-precision number
    vaString = 0x06,     // length byte, then Windows-1252 characters
    vaIdent = 0x07,      // length byte, then the characters of a name
    vaFalse = 0x08,      //
    vaTrue = 0x09,       //
    vaBinary = 0x0A,     // 4-byte length, then the bytes
    vaSet = 0x0B,        // names (length byte and characters) up to an empty one
    vaLString = 0x0C,    // 4-byte length, then Windows-1252 characters
    vaNil = 0x0D,        // a reference to nothing
    vaCollection = 0x0E, // items, each a list of properties, up to vaNull
    vaWString = 0x12,    // 4-byte count, then that many UTF-16LE units
    vaUTF8String = 0x14, // 4-byte length, then UTF-8 bytes
};

// The four bytes that open a component stream.
inline constexpr char ComponentSignature[] = "TPF0";
