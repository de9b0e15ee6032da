#include "IconDirectory.h"

#include "LittleEndian.h"

#include <algorithm>

namespace {

constexpr qint64 groupHeaderSize = 6;
constexpr qint64 fileEntrySize = 16;
constexpr qint64 resourceEntrySize = 14;
constexpr qint64 newHeaderOffsetAt = 0x3C;

QByteArrayView Slice(QByteArrayView file, TByteRange range)
{
    return file.sliced(range.At, range.Size);
}

// An icon file's entry gives its image's place in the file.
std::optional<TByteRange> FileEntryData(QByteArrayView file, qint64 entry)
{
    const TByteRange range =
        ClampedRange(Le32(file, entry + 12), Le32(file, entry + 8), file.size());
    if (range.Size == 0)
        return std::nullopt;
    return range;
}

// A group resource's entry names its image resource.
std::optional<TByteRange> ResourceEntryData(QByteArrayView file, const TIconDirectory &directory,
                                            qint64 entry)
{
    const auto found = directory.Images.constFind(Le16(file, entry + 12));
    if (found == directory.Images.cend() || found->Size == 0)
        return std::nullopt;
    return *found;
}

} // namespace

TByteRange ClampedRange(qint64 at, qint64 size, qint64 fileSize)
{
    if (at < 0 || size < 0 || at >= fileSize)
        return {std::clamp<qint64>(at, 0, fileSize), 0};
    return {at, std::min(size, fileSize - at)};
}

bool IsGroupDirectory(QByteArrayView file, TByteRange range, qint64 entrySize)
{
    if (range.Size < groupHeaderSize)
        return false;
    const QByteArrayView group = Slice(file, range);
    const qint64 count = Le16(group, 4);
    return Le16(group, 0) == 0 && Le16(group, 2) == 1 && count > 0 &&
           count <= (group.size() - groupHeaderSize) / entrySize;
}

std::optional<qint64> NewHeaderAt(QByteArrayView file, qint64 headerSize)
{
    if (file.size() < newHeaderOffsetAt + 4 || !file.startsWith("MZ"))
        return std::nullopt;
    const qint64 at = Le32(file, newHeaderOffsetAt);
    if (at > file.size() - headerSize)
        return std::nullopt;
    return at;
}

TIconDirectory ReadIcoDirectory(QByteArrayView file)
{
    const TByteRange whole{0, file.size()};
    if (!IsGroupDirectory(file, whole, fileEntrySize))
        return {};
    const qint64 count = Le16(file, 4);
    for (qint64 i = 0; i < count; ++i) {
        if (FileEntryData(file, groupHeaderSize + i * fileEntrySize)) {
            TIconDirectory directory;
            directory.Groups.append({0, groupHeaderSize + count * fileEntrySize});
            return directory;
        }
    }
    return {};
}

TIconDirectory ReadIconDirectory(QByteArrayView file)
{
    if (file.startsWith("MZ")) {
        TIconDirectory directory = ReadPeIconDirectory(file);
        return directory.Groups.isEmpty() ? ReadNeIconDirectory(file) : directory;
    }
    return ReadIcoDirectory(file);
}

QList<TIconImageInfo> GroupImages(QByteArrayView file, const TIconDirectory &directory, int index)
{
    if (index < 0 || index >= directory.Groups.size())
        return {};
    const bool iconFile = directory.Form == TIconDirectory::TForm::IconFile;
    const qint64 entrySize = iconFile ? fileEntrySize : resourceEntrySize;
    const TByteRange group = directory.Groups[index];
    if (!IsGroupDirectory(file, group, entrySize))
        return {};
    QList<TIconImageInfo> images;
    const qint64 count = Le16(file, group.At + 4);
    for (qint64 i = 0; i < count; ++i) {
        const qint64 entry = group.At + groupHeaderSize + i * entrySize;
        const std::optional<TByteRange> data =
            iconFile ? FileEntryData(file, entry) : ResourceEntryData(file, directory, entry);
        if (data)
            images.append(DescribeIconImage(Slice(file, *data), Le8(file, entry),
                                            Le8(file, entry + 1), Le16(file, entry + 6),
                                            Le8(file, entry + 2)));
    }
    return images;
}
