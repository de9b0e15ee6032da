#include "IconSamples.h"

#include "IconLibraryWriter.h"
#include "LittleEndian.h"

#include <QBuffer>

namespace {

constexpr int dosHeaderSize = 0x40;
constexpr quint32 sectionAddress = 0x1000;
constexpr int sectionAt = 0x200;
constexpr quint32 directoryBit = 0x80000000;

void U8(QByteArray &out, int value)
{
    out.append(char(value));
}

void U16(QByteArray &out, int value)
{
    U8(out, value & 0xFF);
    U8(out, (value >> 8) & 0xFF);
}

void U32(QByteArray &out, quint32 value)
{
    U16(out, int(value & 0xFFFF));
    U16(out, int(value >> 16));
}

void PadTo(QByteArray &out, qsizetype size)
{
    out.append(size - out.size(), '\0');
}

QByteArray DosHeader(quint32 newHeaderAt)
{
    QByteArray out("MZ");
    PadTo(out, 0x3C);
    U32(out, newHeaderAt);
    return out;
}

// A resource directory of entries (name, target).
void Directory(QByteArray &out, const QList<std::pair<quint32, quint32>> &entries)
{
    PadTo(out, out.size() + 12);
    U16(out, 0);
    U16(out, int(entries.size()));
    for (const auto &[name, target] : entries) {
        U32(out, name);
        U32(out, target);
    }
}

QByteArray GroupResource(const QList<TSampleImage> &images, int firstId)
{
    QByteArray out;
    U16(out, 0);
    U16(out, 1);
    U16(out, int(images.size()));
    for (int i = 0; i < images.size(); ++i) {
        out.append(images[i].Head);
        U32(out, quint32(images[i].Data.size()));
        U16(out, firstId + i);
    }
    return out;
}

// The resource section: the type directory, a name directory a type, one
// language directory a resource, the data entries and the data.
QByteArray ResourceSection(const QList<QByteArray> &icons, const QList<QByteArray> &groups)
{
    const qsizetype count = icons.size() + groups.size();
    const quint32 iconsAt = 16 + 2 * 8;
    const quint32 groupsAt = iconsAt + 16 + 8 * quint32(icons.size());
    const quint32 languagesAt = groupsAt + 16 + 8 * quint32(groups.size());
    const quint32 entriesAt = languagesAt + 24 * quint32(count);
    quint32 dataAt = entriesAt + 16 * quint32(count);
    QByteArray out;
    Directory(out, {{3, directoryBit | iconsAt}, {14, directoryBit | groupsAt}});
    QList<std::pair<quint32, quint32>> names;
    for (int i = 0; i < icons.size(); ++i)
        names.append({quint32(i + 1), directoryBit | (languagesAt + 24 * quint32(i))});
    Directory(out, names);
    names.clear();
    for (int i = 0; i < groups.size(); ++i)
        names.append(
            {quint32(i + 1), directoryBit | (languagesAt + 24 * quint32(icons.size() + i))});
    Directory(out, names);
    for (qsizetype i = 0; i < count; ++i)
        Directory(out, {{0x409, entriesAt + 16 * quint32(i)}});
    QList<QByteArray> all = icons + groups;
    for (const QByteArray &data : all) {
        U32(out, sectionAddress + dataAt);
        U32(out, quint32(data.size()));
        U32(out, 0);
        U32(out, 0);
        dataAt += quint32((data.size() + 3) / 4 * 4);
    }
    for (const QByteArray &data : all) {
        out.append(data);
        PadTo(out, (out.size() + 3) / 4 * 4);
    }
    return out;
}

QByteArray PeWithSection(const QByteArray &section, bool plus)
{
    QByteArray out = DosHeader(dosHeaderSize);
    out.append(QByteArrayView("PE\0\0", 4));
    const int optionalSize = plus ? 240 : 224;
    U16(out, plus ? 0x8664 : 0x14C);
    U16(out, 1);
    U32(out, 0);
    U32(out, 0);
    U32(out, 0);
    U16(out, optionalSize);
    U16(out, 0x2102); // an executable DLL
    const qsizetype optional = out.size();
    U16(out, plus ? 0x20B : 0x10B);
    PadTo(out, optional + (plus ? 108 : 92));
    U32(out, 16);
    for (int i = 0; i < 16; ++i) {
        U32(out, i == 2 ? sectionAddress : 0);
        U32(out, i == 2 ? quint32(section.size()) : 0);
    }
    out.append(".rsrc\0\0\0", 8);
    U32(out, quint32(section.size()));
    U32(out, sectionAddress);
    U32(out, quint32((section.size() + 0x1FF) / 0x200 * 0x200));
    U32(out, sectionAt);
    PadTo(out, out.size() + 12);
    U32(out, 0x40000040); // initialised, readable data
    PadTo(out, sectionAt);
    out.append(section);
    PadTo(out, (out.size() + 0x1FF) / 0x200 * 0x200);
    return out;
}

QByteArray EntryHead(int width, int height, int colours, int bits)
{
    QByteArray out;
    U8(out, width);
    U8(out, height);
    U8(out, colours);
    U8(out, 0);
    U16(out, 1);
    U16(out, bits);
    return out;
}

} // namespace

TSampleImage BitmapImage(const QImage &image)
{
    return {IconEntryHead(image), IconImageData(image)};
}

TSampleImage PngImage(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {IconEntryHead(image), bytes};
}

TSampleImage FourBitImage(int width, int height, const QList<int> &indices,
                          const QList<bool> &transparent)
{
    static const QRgb palette[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                     0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                     0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    const int colourStride = (width * 4 + 31) / 32 * 4;
    const int maskStride = (width + 31) / 32 * 4;
    QByteArray data;
    U32(data, 40);
    U32(data, quint32(width));
    U32(data, quint32(height * 2));
    U16(data, 1);
    U16(data, 4);
    PadTo(data, 40);
    for (QRgb colour : palette) {
        U8(data, qBlue(colour));
        U8(data, qGreen(colour));
        U8(data, qRed(colour));
        U8(data, 0);
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(colourStride, '\0');
        for (int x = 0; x < width; ++x)
            row[x / 2] = char(row[x / 2] | (indices[y * width + x] << (x % 2 ? 0 : 4)));
        data.append(row);
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < width; ++x)
            if (transparent[y * width + x])
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        data.append(row);
    }
    return {EntryHead(width, height, 16, 4), data};
}

QByteArray IcoFile(const QList<TSampleImage> &images)
{
    QByteArray out;
    U16(out, 0);
    U16(out, 1);
    U16(out, int(images.size()));
    quint32 at = 6 + 16 * quint32(images.size());
    for (const TSampleImage &image : images) {
        out.append(image.Head);
        U32(out, quint32(image.Data.size()));
        U32(out, at);
        at += quint32(image.Data.size());
    }
    for (const TSampleImage &image : images)
        out.append(image.Data);
    return out;
}

QByteArray PeFile(const QList<QList<TSampleImage>> &icons, bool plus)
{
    QList<QByteArray> images;
    QList<QByteArray> groups;
    for (const QList<TSampleImage> &icon : icons) {
        groups.append(GroupResource(icon, int(images.size()) + 1));
        for (const TSampleImage &image : icon)
            images.append(image.Data);
    }
    return PeWithSection(ResourceSection(images, groups), plus);
}

QByteArray IclFile(const QList<QImage> &icons)
{
    QList<TIconImages> library;
    for (const QImage &icon : icons)
        library.append({icon});
    return IconLibraryBytes(library, QStringLiteral("samples"));
}

QImage SampleIcon(int side, QColor colour)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(colour);
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    return image;
}

QByteArray CountingIco()
{
    QByteArray file = IcoFile({BitmapImage(SampleIcon(16, Qt::red))});
    PutLe16(reinterpret_cast<uchar *>(file.data()) + 4, 0xFFFF);
    return file;
}

QByteArray FarShiftedIcl()
{
    QByteArray file = IclFile({SampleIcon(32, Qt::green), SampleIcon(32, Qt::blue)});
    const qsizetype ne = Le32(file, 0x3C);
    const qsizetype table = ne + Le16(file, ne + 0x24);
    PutLe16(reinterpret_cast<uchar *>(file.data()) + table, 24);
    return file;
}

QByteArray SelfPointingPe()
{
    QByteArray section;
    // Each level's only entry leads back to the root directory.
    Directory(section, {{3, directoryBit}, {14, directoryBit}});
    return PeWithSection(section, false);
}
