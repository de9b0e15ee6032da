// The icon groups of a 32- or 64-bit ("PE") program or library: the
// optional header's data directory gives the resource tree's address, the
// section table where that address lies in the file, and the tree's three
// levels (type, name, language) lead to each resource's address and size.

#include "IconDirectory.h"
#include "LittleEndian.h"

namespace {

constexpr qint64 signatureSize = 4;
constexpr qint64 fileHeaderSize = 20;
constexpr quint16 pe32Magic = 0x10B;
constexpr quint16 pe32PlusMagic = 0x20B;
constexpr qint64 pe32DirectoriesAt = 96;
constexpr qint64 pe32PlusDirectoriesAt = 112;
constexpr qint64 resourceDirectoryIndex = 2;
constexpr qint64 sectionHeaderSize = 40;
constexpr qint64 resourceDirectorySize = 16;
constexpr qint64 resourceEntrySize = 8;
constexpr qint64 dataEntrySize = 16;
constexpr quint32 highBit = 0x80000000;
constexpr quint32 iconType = 3;
constexpr quint32 groupIconType = 14;
constexpr qint64 groupEntrySize = 14;

struct TSection
{
    qint64 Address = 0;
    qint64 RawSize = 0;
    qint64 RawAt = 0;
};

struct TEntry
{
    quint32 Name = 0;
    quint32 Target = 0;
    bool IsDirectory() const { return Target & highBit; }
    qint64 Offset() const { return Target & ~highBit; }
};

// The file's bytes at a relative virtual address, up to the end of the
// section's data in the file; empty where no section holds it.
QByteArrayView AtAddress(QByteArrayView file, const QList<TSection> &sections, qint64 address)
{
    for (const TSection &section : sections) {
        const qint64 inSection = address - section.Address;
        if (inSection < 0 || inSection >= section.RawSize)
            continue;
        const TByteRange raw = ClampedRange(section.RawAt, section.RawSize, file.size());
        if (inSection >= raw.Size)
            return {};
        return file.sliced(raw.At + inSection, raw.Size - inSection);
    }
    return {};
}

std::optional<QList<TSection>> ReadSections(QByteArrayView file, qint64 tableAt, qint64 count)
{
    if (tableAt > file.size() || count > (file.size() - tableAt) / sectionHeaderSize)
        return std::nullopt;
    QList<TSection> sections;
    for (qint64 i = 0; i < count; ++i) {
        const qint64 at = tableAt + i * sectionHeaderSize;
        sections.append({Le32(file, at + 12), Le32(file, at + 16), Le32(file, at + 20)});
    }
    return sections;
}

// The entries of the resource directory at offset in the tree; none when
// they do not all lie inside it.
QList<TEntry> ReadEntries(QByteArrayView tree, qint64 offset)
{
    if (offset > tree.size() - resourceDirectorySize)
        return {};
    const qint64 count = qint64(Le16(tree, offset + 12)) + Le16(tree, offset + 14);
    const qint64 first = offset + resourceDirectorySize;
    if (count > (tree.size() - first) / resourceEntrySize)
        return {};
    QList<TEntry> entries;
    for (qint64 i = 0; i < count; ++i)
        entries.append({Le32(tree, first + i * resourceEntrySize),
                        Le32(tree, first + i * resourceEntrySize + 4)});
    return entries;
}

// The subdirectory of the first entry of type.
std::optional<qint64> TypeDirectory(const QList<TEntry> &types, quint32 type)
{
    for (const TEntry &entry : types)
        if (entry.Name == type)
            return entry.IsDirectory() ? std::optional<qint64>(entry.Offset()) : std::nullopt;
    return std::nullopt;
}

// Where the data of a named resource lies: its first language's data entry,
// or a data entry right under the name.
std::optional<TByteRange> ResourceData(QByteArrayView file, const QList<TSection> &sections,
                                       QByteArrayView tree, const TEntry &name)
{
    TEntry leaf = name;
    if (leaf.IsDirectory()) {
        const QList<TEntry> languages = ReadEntries(tree, name.Offset());
        if (languages.isEmpty() || languages.first().IsDirectory())
            return std::nullopt;
        leaf = languages.first();
    }
    if (leaf.Offset() > tree.size() - dataEntrySize)
        return std::nullopt;
    const QByteArrayView data = AtAddress(file, sections, Le32(tree, leaf.Offset()));
    if (data.isEmpty())
        return std::nullopt;
    const qint64 at = data.data() - file.data();
    return ClampedRange(at, Le32(tree, leaf.Offset() + 4), at + data.size());
}

std::optional<QByteArrayView> ResourceTree(QByteArrayView file, QList<TSection> &sections)
{
    const std::optional<qint64> pe = NewHeaderAt(file, signatureSize + fileHeaderSize);
    if (!pe || file.sliced(*pe, signatureSize) != QByteArrayView("PE\0\0", 4))
        return std::nullopt;
    const qint64 header = *pe + signatureSize;
    const qint64 optional = header + fileHeaderSize;
    const qint64 optionalSize = Le16(file, header + 16);
    if (optionalSize > file.size() - optional || optionalSize < 2)
        return std::nullopt;
    const quint16 magic = Le16(file, optional);
    const qint64 directoriesAt = magic == pe32Magic       ? pe32DirectoriesAt
                                 : magic == pe32PlusMagic ? pe32PlusDirectoriesAt
                                                          : 0;
    const qint64 resourceAt = directoriesAt + resourceDirectoryIndex * 8;
    if (directoriesAt == 0 || resourceAt + 8 > optionalSize ||
        Le32(file, optional + directoriesAt - 4) <= resourceDirectoryIndex)
        return std::nullopt;
    std::optional<QList<TSection>> read =
        ReadSections(file, optional + optionalSize, Le16(file, header + 2));
    if (!read)
        return std::nullopt;
    sections = *read;
    const QByteArrayView tree = AtAddress(file, sections, Le32(file, optional + resourceAt));
    if (tree.isEmpty())
        return std::nullopt;
    return tree;
}

} // namespace

TIconDirectory ReadPeIconDirectory(QByteArrayView file)
{
    QList<TSection> sections;
    const std::optional<QByteArrayView> tree = ResourceTree(file, sections);
    if (!tree)
        return {};
    const QList<TEntry> types = ReadEntries(*tree, 0);
    const std::optional<qint64> icons = TypeDirectory(types, iconType);
    const std::optional<qint64> groups = TypeDirectory(types, groupIconType);
    if (!icons || !groups)
        return {};
    TIconDirectory directory;
    directory.Form = TIconDirectory::TForm::Resources;
    for (const TEntry &name : ReadEntries(*tree, *icons)) {
        if (name.Name & highBit || name.Name > 0xFFFF || directory.Images.contains(name.Name))
            continue;
        if (const std::optional<TByteRange> data = ResourceData(file, sections, *tree, name))
            directory.Images.insert(quint16(name.Name), *data);
    }
    for (const TEntry &name : ReadEntries(*tree, *groups)) {
        if (directory.Groups.size() >= MaxIconsInFile)
            break;
        const std::optional<TByteRange> data = ResourceData(file, sections, *tree, name);
        if (data && IsGroupDirectory(file, *data, groupEntrySize))
            directory.Groups.append(*data);
    }
    return directory;
}
