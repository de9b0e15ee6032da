#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

class TComponent;
class TComponentOwner;
class TStreamWriter;
class TLumBasePanel;
class TLumGraphicControl;

// Writes placed objects to the object clipboard file and reads them back
// onto a panel. The file is a list of object records in the form documents
// use: 0x01, one component stream per object, 0x00. Objects are written at
// zoom 1 and are shown at the zoom of the panel's view when read.
//
// Reading never trusts the file: a record that cannot be read ends the list
// and the objects read before it stay; a file that is no clipboard file
// gives nothing. Read objects are renamed "Component" + N.
class TLumLabelObjectFiler
{
public:
    explicit TLumLabelObjectFiler(TLumBasePanel &panel) : m_panel(panel) {}

    // Each object read is moved 15 pixels right and down (a paste).
    void SetOffsetObjects(bool Value) { m_offset = Value; }

    // The selected objects in selection order, or one object, replacing
    // FileName; nothing is written for an empty selection. The file is
    // written to a staging file of its own beside FileName and then renamed
    // over it; no link is followed. Returns why it failed.
    std::optional<QString> WriteSelection(const QString &FileName);
    std::optional<QString> WriteObject(const TLumGraphicControl &Object, const QString &FileName);
    // The objects of FileName (or of a file's bytes) put on the panel, in
    // file order; nothing when it does not exist or is a link.
    QList<TLumGraphicControl *> ReadObjects(const QString &FileName);
    QList<TLumGraphicControl *> ReadObjectsFrom(const QByteArray &Data);
    // A copy of Object on the panel, in front, through a record in memory.
    TLumGraphicControl *CloneObject(const TLumGraphicControl &Object);

    // The clipboard file's bytes for these objects.
    QByteArray Records(const QList<const TLumGraphicControl *> &Objects) const;

private:
    std::optional<QString> WriteFile(const QList<const TLumGraphicControl *> &Objects,
                                     const QString &FileName);

    TLumBasePanel &m_panel;
    bool m_offset = false;
};

// Names component "Component" + the smallest N of 0 to 1000 that owner has
// not given; when all are taken the name stays.
void GiveFreeComponentName(TComponent &Component, const TComponentOwner &Owner);

// Writes object's record: its bounds at zoom 1, whatever zoom it is shown at.
void WritePlacedObject(TStreamWriter &Out, const TLumGraphicControl &Object);
