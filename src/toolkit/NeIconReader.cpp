// The icon groups of a 16-bit ("NE") program or resource file: the
// resource table, found from the NE header, lists the resources type by
// type, each resource's place given in units of a power of two.

#include "IconDirectory.h"
#include "LittleEndian.h"

namespace {

constexpr qint64 neHeaderSize = 0x40;
constexpr qint64 resourceTableAt = 0x24;
constexpr qint64 typeInfoSize = 8;
constexpr qint64 nameInfoSize = 12;
constexpr quint16 integerId = 0x8000;
constexpr quint16 iconType = integerId | 3;
constexpr quint16 groupIconType = integerId | 14;
constexpr qint64 groupEntrySize = 14;
// Larger alignment shifts place every resource beyond any real file.
constexpr int maxAlignShift = 24;

void AddResource(QByteArrayView file, quint16 type, quint16 id, TByteRange range,
                 TIconDirectory &directory)
{
    if (type == iconType && (id & integerId) && !directory.Images.contains(id & ~integerId))
        directory.Images.insert(id & ~integerId, range);
    else if (type == groupIconType && directory.Groups.size() < MaxIconsInFile &&
             IsGroupDirectory(file, range, groupEntrySize))
        directory.Groups.append(range);
}

} // namespace

TIconDirectory ReadNeIconDirectory(QByteArrayView file)
{
    const std::optional<qint64> ne = NewHeaderAt(file, neHeaderSize);
    if (!ne || file.sliced(*ne, 2) != "NE")
        return {};
    qint64 at = *ne + Le16(file, *ne + resourceTableAt);
    if (at > file.size() - 2)
        return {};
    const int shift = Le16(file, at);
    if (shift > maxAlignShift)
        return {};
    at += 2;
    TIconDirectory directory;
    directory.Form = TIconDirectory::TForm::Resources;
    for (;;) {
        if (at > file.size() - 2)
            return {};
        const quint16 type = Le16(file, at);
        if (type == 0)
            break;
        if (at > file.size() - typeInfoSize)
            return {};
        const qint64 count = Le16(file, at + 2);
        at += typeInfoSize;
        if (count > (file.size() - at) / nameInfoSize)
            return {};
        for (qint64 i = 0; i < count; ++i, at += nameInfoSize) {
            const qint64 offset = qint64(Le16(file, at)) << shift;
            const qint64 length = qint64(Le16(file, at + 2)) << shift;
            AddResource(file, type, Le16(file, at + 6), ClampedRange(offset, length, file.size()),
                        directory);
        }
    }
    return directory;
}
