#pragma once

#include <QString>
#include <QWidget>

class QLabel;

// The icon palette "Icons": a small tool window beside the main window from
// which icons are dragged into day cells. For now it shows which icon
// library it holds.
class TFloatingPalette : public QWidget
{
    Q_OBJECT

public:
    explicit TFloatingPalette(QWidget *parent = nullptr);

    // Shows the icons of the library file.
    void ShowLibrary(const QString &fileName);
    // The library shown now.
    const QString &LibraryFileName() const { return m_libraryFileName; }

private:
    QString m_libraryFileName;
    QLabel *m_library;
};
