#pragma once

#include "CalendarTypes.h"

#include <QObject>
#include <QString>

class TWPRtfStorage;

// What the main window knows of the document being worked on, apart from the
// page itself: its file, whether it changed, whether it is new, the day cell
// open in the editor, the tool in use, and the last answers of the
// properties dialog and of the print job. It holds no widget: the window
// follows its signals, and tests call it without a window.
class TDocumentSession : public QObject
{
    Q_OBJECT

public:
    explicit TDocumentSession(QObject *parent = nullptr);

    // The document's file; empty while it is untitled.
    const QString &FileName() const { return m_fileName; }
    bool Untitled() const { return m_fileName.isEmpty(); }
    void SetFileName(const QString &fileName);

    // Whether the document has changes not on disk. ModifiedChanged is sent
    // on a real change only.
    bool Modified() const { return m_modified; }
    void SetModified(bool modified);

    // A new calendar whose properties are being chosen: the dialog has no
    // cell text or objects to warn about.
    bool NewDocument() const { return m_newDocument; }
    void SetNewDocument(bool value) { m_newDocument = value; }
    // Whether the properties dialog was last closed with OK.
    bool PropertiesAccepted() const { return m_propertiesAccepted; }
    void SetPropertiesAccepted(bool value) { m_propertiesAccepted = value; }

    // The day cell last clicked (1-based; 0 before any), also once its edit
    // ended: the keys that move between cells start from it.
    int CurrentCell() const { return m_currentCell; }
    void SetCurrentCell(int cell) { m_currentCell = cell; }
    // Opens cell's text in the editor; typing counts once the cell is marked
    // loaded, when the editor holds its text.
    void BeginCellEdit(TWPRtfStorage &cell);
    void SetCellLoaded(bool loaded) { m_cellLoaded = loaded; }
    // The editor took a change; true when it is typing into the open cell,
    // false while the cell is still being loaded.
    bool NoteCellChange();
    // The cell open in the editor, or none.
    TWPRtfStorage *EditedCell() const { return m_cellEditing ? m_editedCell : nullptr; }
    bool CellEditing() const { return m_cellEditing; }
    bool CellLoaded() const { return m_cellLoaded; }
    // Text was typed into the open cell since it was opened.
    bool CellTyped() const { return m_cellEditing && m_cellTyped; }
    void EndCellEdit();

    // The tool the page is used with; ToolChanged is sent on a real change.
    TLPanelState Tool() const { return m_tool; }
    void SetTool(TLPanelState tool);

    // The print job: whether it drew anything, and how many copies it draws.
    bool Printed() const { return m_printed; }
    void SetPrinted(bool value) { m_printed = value; }
    int CopiesToPrint() const { return m_copiesToPrint; }
    void SetCopiesToPrint(int copies) { m_copiesToPrint = copies; }

signals:
    void ModifiedChanged(bool modified);
    void FileNameChanged(const QString &fileName);
    void ToolChanged(TLPanelState tool);

private:
    QString m_fileName;
    bool m_modified = false;
    bool m_newDocument = false;
    bool m_propertiesAccepted = false;
    int m_currentCell = 0;
    TWPRtfStorage *m_editedCell = nullptr;
    bool m_cellEditing = false;
    bool m_cellLoaded = false;
    bool m_cellTyped = false;
    TLPanelState m_tool = psPointing;
    bool m_printed = false;
    int m_copiesToPrint = 1;
};
