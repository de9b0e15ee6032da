#include "LumLabelObjectFiler.h"

#include "ComponentStream.h"
#include "LumBasePanel.h"
#include "LumGraphicControl.h"
#include "SaveFiles.h"
#include "StreamReader.h"
#include "StreamWriter.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int MaxObjectNumber = 1000;
// A clipboard file larger than this is no clipboard file of ours.
constexpr qint64 MaxClipboardBytes = qint64(256) << 20;

// The bytes of fileName, unless it is a link, missing or too large.
std::optional<QByteArray> ReadWithoutFollowingLinks(const QString &fileName)
{
    const int fd =
        ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    if (file.size() > MaxClipboardBytes)
        return std::nullopt;
    return file.read(MaxClipboardBytes);
}

} // namespace

void GiveFreeComponentName(TComponent &Component, const TComponentOwner &Owner)
{
    for (int number = 0; number <= MaxObjectNumber; ++number) {
        const QString name = QStringLiteral("Component%1").arg(number);
        if (!Owner.HasComponentNamed(name)) {
            Component.SetName(name);
            return;
        }
    }
}

void WritePlacedObject(TStreamWriter &Out, const TLumGraphicControl &Object)
{
    WriteComponent(Out, Object);
}

QByteArray TLumLabelObjectFiler::Records(const QList<const TLumGraphicControl *> &Objects) const
{
    TStreamWriter out;
    out.WriteListBegin();
    for (const TLumGraphicControl *object : Objects)
        WritePlacedObject(out, *object);
    out.WriteListEnd();
    return out.Data();
}

std::optional<QString>
TLumLabelObjectFiler::WriteFile(const QList<const TLumGraphicControl *> &Objects,
                                const QString &FileName)
{
    m_panel.NoteClipboardWritten();
    return ReplaceFileBytes(Records(Objects), FileName);
}

std::optional<QString> TLumLabelObjectFiler::WriteSelection(const QString &FileName)
{
    const QList<TLumGraphicControl *> &selection = m_panel.Objects().Selection();
    if (selection.isEmpty())
        return std::nullopt;
    return WriteFile({selection.begin(), selection.end()}, FileName);
}

std::optional<QString> TLumLabelObjectFiler::WriteObject(const TLumGraphicControl &Object,
                                                         const QString &FileName)
{
    return WriteFile({&Object}, FileName);
}

QList<TLumGraphicControl *> TLumLabelObjectFiler::ReadObjects(const QString &FileName)
{
    const std::optional<QByteArray> data = ReadWithoutFollowingLinks(FileName);
    return data ? ReadObjectsFrom(*data) : QList<TLumGraphicControl *>{};
}

QList<TLumGraphicControl *> TLumLabelObjectFiler::ReadObjectsFrom(const QByteArray &Data)
{
    QList<TLumGraphicControl *> read;
    TStreamReader in(Data);
    if (!in.ReadListBegin())
        return read;
    while (in.BytesLeft() > 0 && !in.AtListEnd()) {
        std::unique_ptr<TComponent> component = ReadComponent(in, m_panel.ObjectClasses());
        auto *object = dynamic_cast<TLumGraphicControl *>(component.get());
        if (!object)
            break;
        component.release();
        std::unique_ptr<TLumGraphicControl> owned(object);
        GiveFreeComponentName(*owned, m_panel.Objects());
        owned->FollowZoom(m_panel.Zoom());
        if (m_offset)
            owned->SetObjectBounds(owned->Left() + 15, owned->Top() + 15, owned->Width(),
                                   owned->Height());
        read.append(&m_panel.Objects().Insert(std::move(owned)));
    }
    return read;
}

TLumGraphicControl *TLumLabelObjectFiler::CloneObject(const TLumGraphicControl &Object)
{
    TStreamWriter out;
    out.WriteListBegin();
    WriteComponent(out, Object);
    out.WriteListEnd();
    const QList<TLumGraphicControl *> read = ReadObjectsFrom(out.Data());
    return read.value(0, nullptr);
}
