#pragma once

#include "IconFile.h"

#include <QListWidget>
#include <QString>

#include <memory>

class QMimeData;

// A list box of the icons of one icon library or icon file, drawn by the
// program, one icon an item in columns that scroll sideways. Each item's
// text is its icon's index. Dragging an item carries its icon as drag data
// of the icon type, which day cells take.
class TIconListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit TIconListBox(QWidget *parent = nullptr);

    static QString Version() { return QStringLiteral("TIconListBox v1.10"); }
    // Read-only: setting it does nothing.
    void SetVersion(const QString &) {}

    const QString &FileName() const { return m_fileName; }
    // Lists the icons of fileName when it differs from the file listed.
    void SetFileName(const QString &fileName);
    bool AutoDisable() const { return m_autoDisable; }
    // With AutoDisable the list is disabled while FileName names no file.
    void SetAutoDisable(bool value);
    bool EnableCaching() const { return m_enableCaching; }
    // With caching icons are extracted as they are first drawn; switching
    // it off extracts them all at once.
    void SetEnableCaching(bool value);
    // The icons of the file; -1 before a file has been read.
    int NumberOfIcons() const { return m_numberOfIcons; }
    int XIcons() const { return m_xIcons; }
    int YIcons() const { return m_yIcons; }
    // Icons a row and rows shown; values below 1 are ignored.
    void SetXIcons(int value);
    void SetYIcons(int value);

    // The size of an item and of a column: the icon's size and a margin.
    static int ItemHeight() { return IconSide + 6; }
    static int ColumnWidth() { return IconSide + 6; }

    // The icon of item index, extracted and kept on first use; null when
    // there is no such item or its icon cannot be read.
    QImage IconAt(int index);
    // Empties the list and lists the icons of FileName again.
    void Reload();
    // The selected item's icon as drag data; null when no icon is selected.
    std::unique_ptr<QMimeData> DragData();

signals:
    // FileName changed, after the list was reloaded.
    void FileChanged();

protected:
    void startDrag(Qt::DropActions supportedActions) override;

private:
    void Relayout();
    void UpdateEnabled();

    QString m_fileName;
    bool m_autoDisable = true;
    bool m_enableCaching = true;
    int m_numberOfIcons = -1;
    int m_xIcons = 4;
    int m_yIcons = 1;
    TIconFile m_file;
};
