#include "IniFile.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

// Any bytes read as a settings file: reading never fails, and whatever was
// read is written back in a form that reads the same.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    TIniFile ini;
    ini.LoadFromBytes(bytes);
    // Some keys of each section, as the program reads a few known keys.
    constexpr qsizetype keysRead = 64;
    for (const QString &section : ini.Sections()) {
        for (const QString &key : ini.ReadSection(section).mid(0, keysRead))
            (void)ini.ReadBool(section, key, false);
        (void)ini.ReadSectionValues(section);
    }
    const QByteArray written = ini.ToBytes();
    if (!ini.ReadError().isEmpty() || written.size() > TIniFile::MaxFileBytes)
        return 0;
    TIniFile reread;
    reread.LoadFromBytes(written);
    if (reread.ToBytes() != written)
        std::abort();
    return 0;
}
