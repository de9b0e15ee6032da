#include "IconLibraryWriter.h"

#include "IconImage.h"
#include "LittleEndian.h"
#include "SaveFiles.h"

#include <QCoreApplication>

namespace {

constexpr int infoHeaderSize = 40;
constexpr int pixelBits = 32;
constexpr int dosHeaderSize = 0x40;
constexpr int neHeaderAt = 0x50;
constexpr int neHeaderSize = 0x40;
constexpr quint16 integerId = 0x8000;
constexpr quint16 iconType = integerId | 3;
constexpr quint16 groupIconType = integerId | 14;
// Moveable, pure and discardable, as resources of libraries are.
constexpr quint16 resourceFlags = 0x1030;
constexpr int minAlignShift = 4;
constexpr int maxUnits = 0xFFFF;
constexpr int maxImages = 0x7FFF;

// A little-endian byte buffer.
class TBytes
{
public:
    void U8(int value) { m_bytes.append(char(value)); }
    void U16(int value)
    {
        U8(value & 0xFF);
        U8((value >> 8) & 0xFF);
    }
    void U32(quint32 value)
    {
        U16(int(value & 0xFFFF));
        U16(int(value >> 16));
    }
    void Raw(QByteArrayView bytes) { m_bytes.append(bytes); }
    void PadTo(qsizetype size) { m_bytes.append(size - m_bytes.size(), '\0'); }
    // A name with its length byte first.
    void Counted(const QByteArray &name)
    {
        U8(int(name.size()));
        Raw(name);
    }
    qsizetype Size() const { return m_bytes.size(); }
    void PutU16(qsizetype at, int value)
    {
        PutLe16(reinterpret_cast<uchar *>(m_bytes.data()) + at, quint16(value));
    }
    void PutU32(qsizetype at, quint32 value)
    {
        PutLe32(reinterpret_cast<uchar *>(m_bytes.data()) + at, value);
    }
    const QByteArray &Bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

bool Writable(const QImage &image)
{
    return !image.isNull() && image.width() <= MaxIconImageSide &&
           image.height() <= MaxIconImageSide;
}

int EntrySide(int side)
{
    return side == MaxIconImageSide ? 0 : side;
}

// A DOS header whose program only ends with an error code, leading to the
// NE header.
void WriteDosStub(TBytes &out)
{
    out.Raw("MZ");
    out.U16(dosHeaderSize + 5); // bytes in the last page
    out.U16(1);                 // pages
    out.U16(0);                 // relocations
    out.U16(dosHeaderSize / 16);
    out.U16(0);      // least extra paragraphs
    out.U16(0xFFFF); // most extra paragraphs
    out.U16(0);      // stack segment
    out.U16(0xB8);   // stack pointer
    out.PadTo(0x18);
    out.U16(dosHeaderSize); // relocation table: a new executable follows
    out.PadTo(0x3C);
    out.U32(neHeaderAt);
    out.Raw("\xB8\x01\x4C\xCD\x21"); // mov ax, 4C01h; int 21h
    out.PadTo(neHeaderAt);
}

struct TLayout
{
    int Shift = minAlignShift;
    QList<QByteArray> Images;
    QList<QByteArray> Groups;
};

QByteArray GroupDirectory(const TIconImages &icon, int firstId, const QList<QByteArray> &images)
{
    TBytes out;
    out.U16(0);
    out.U16(1);
    out.U16(int(icon.size()));
    for (int i = 0; i < icon.size(); ++i) {
        out.Raw(IconEntryHead(icon[i]));
        out.U32(quint32(images[firstId - 1 + i].size()));
        out.U16(firstId + i);
    }
    return out.Bytes();
}

qint64 Units(qint64 bytes, int shift)
{
    return (bytes + (qint64(1) << shift) - 1) >> shift;
}

void WriteResourceTable(TBytes &out, const TLayout &layout, qint64 dataAt)
{
    out.U16(layout.Shift);
    qint64 at = dataAt;
    const auto writeType = [&](quint16 type, const QList<QByteArray> &resources) {
        out.U16(type);
        out.U16(int(resources.size()));
        out.U32(0);
        for (int i = 0; i < resources.size(); ++i) {
            const qint64 length = Units(resources[i].size(), layout.Shift);
            out.U16(int(at >> layout.Shift));
            out.U16(int(length));
            out.U16(resourceFlags);
            out.U16(integerId | (i + 1));
            out.U32(0);
            at += length << layout.Shift;
        }
    };
    writeType(iconType, layout.Images);
    writeType(groupIconType, layout.Groups);
    out.U16(0);
    out.U8(0); // no resource names
}

// Whether every resource's offset and length, in units of the layout's
// alignment, fit in 16 bits when the resources start after headerBytes.
bool FitsShift(const TLayout &layout, qint64 headerBytes)
{
    qint64 end = Units(headerBytes, layout.Shift);
    for (const QList<QByteArray> *resources : {&layout.Images, &layout.Groups})
        for (const QByteArray &resource : *resources) {
            if (end > maxUnits)
                return false;
            end += Units(resource.size(), layout.Shift);
        }
    return end <= maxUnits + 1;
}

// The NE header and its tables; the resources follow at an aligned offset.
QByteArray LibraryFile(const TLayout &layout, const QByteArray &module,
                       const QByteArray &description)
{
    TBytes tables;
    const qint64 tablesAt = neHeaderAt + neHeaderSize;
    const qint64 resourceTableSize =
        2 + 2 * 8 + 12 * (layout.Images.size() + layout.Groups.size()) + 2 + 1;
    const qint64 residentAt = neHeaderSize + resourceTableSize;
    const qint64 residentSize = 1 + module.size() + 2 + 1;
    const qint64 importedAt = residentAt + residentSize;
    const qint64 entryAt = importedAt + 1;
    const qint64 nonResidentAt = tablesAt + entryAt - neHeaderSize + 2;
    const qint64 nonResidentSize = 1 + description.size() + 2 + 1;
    const qint64 align = qint64(1) << layout.Shift;
    const qint64 dataAt = (nonResidentAt + nonResidentSize + align - 1) / align * align;

    WriteResourceTable(tables, layout, dataAt);
    tables.Counted(module);
    tables.U16(0);
    tables.U8(0);
    tables.U8(0);  // imported names: none
    tables.U16(0); // entry table: no entries
    tables.Counted(description);
    tables.U16(0);
    tables.U8(0);

    TBytes out;
    WriteDosStub(out);
    out.Raw("NE");
    out.U8(5);
    out.U8(10);
    out.U16(int(entryAt));
    out.U16(2);
    out.U32(0);      // checksum
    out.U16(0x8000); // a library without data segment
    out.U16(0);      // automatic data segment
    out.U32(0);      // heap and stack
    out.U32(0);      // entry point
    out.U32(0);      // stack
    out.U16(0);      // segments
    out.U16(0);      // module references
    out.U16(int(nonResidentSize));
    out.U16(neHeaderSize); // segment table (empty)
    out.U16(neHeaderSize); // resource table
    out.U16(int(residentAt));
    out.U16(int(importedAt)); // module reference table (empty)
    out.U16(int(importedAt));
    out.U32(quint32(nonResidentAt));
    out.U16(0); // moveable entry points
    out.U16(layout.Shift);
    out.U16(0); // resource segments
    out.U8(2);  // for Windows
    out.PadTo(neHeaderAt + 0x3E);
    out.U16(0x030A); // Windows 3.10
    out.Raw(tables.Bytes());
    out.PadTo(dataAt);
    for (const QList<QByteArray> *resources : {&layout.Images, &layout.Groups})
        for (const QByteArray &resource : *resources) {
            out.Raw(resource);
            out.PadTo(out.Size() + Units(resource.size(), layout.Shift) * align - resource.size());
        }
    return out.Bytes();
}

} // namespace

QByteArray IconEntryHead(const QImage &image)
{
    TBytes out;
    out.U8(EntrySide(image.width()));
    out.U8(EntrySide(image.height()));
    out.U8(0);
    out.U8(0);
    out.U16(1);
    out.U16(pixelBits);
    return out.Bytes();
}

QByteArray IconImageData(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int width = argb.width();
    const int height = argb.height();
    const int maskStride = (width + 31) / 32 * 4;
    TBytes out;
    out.U32(infoHeaderSize);
    out.U32(quint32(width));
    out.U32(quint32(height * 2));
    out.U16(1);
    out.U16(pixelBits);
    out.U32(0); // uncompressed
    out.U32(quint32(width * height * 4 + maskStride * height));
    out.PadTo(infoHeaderSize);
    for (int y = height - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < width; ++x)
            out.U32(line[x]);
    }
    for (int y = height - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < width; ++x)
            if (qAlpha(line[x]) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.Raw(row);
    }
    return out.Bytes();
}

QByteArray IconLibraryBytes(const QList<TIconImages> &icons, const QString &moduleName)
{
    TLayout layout;
    for (const TIconImages &icon : icons) {
        if (icon.isEmpty())
            return {};
        const int firstId = int(layout.Images.size()) + 1;
        for (const QImage &image : icon) {
            if (!Writable(image) || layout.Images.size() >= maxImages)
                return {};
            layout.Images.append(IconImageData(image));
        }
        layout.Groups.append(GroupDirectory(icon, firstId, layout.Images));
    }
    if (layout.Groups.isEmpty())
        return {};
    const QByteArray module = moduleName.toLatin1().left(64);
    while (!FitsShift(layout, 0x400 + 12 * (layout.Images.size() + layout.Groups.size())))
        ++layout.Shift;
    return LibraryFile(layout, module.toUpper(), "ICL: " + module);
}

std::optional<QString> SaveIconLibrary(const QString &fileName, const QList<TIconImages> &icons,
                                       const QString &moduleName)
{
    const QByteArray bytes = IconLibraryBytes(icons, moduleName);
    if (bytes.isEmpty())
        return QCoreApplication::translate("IconLibraryWriter", "no icons that an icon library can hold");
    return SaveBytesFile(bytes, fileName);
}
