#pragma once

#include <QDialog>
#include <QStringList>
#include <QTimer>

class QListWidget;
class QListWidgetItem;
class QPushButton;

// File > New from Template: the templates of the program folder as
// thumbnails with their names under them. The dialog opens at once with
// blank cards; the thumbnails are drawn one at a time while it waits for the
// user. A double click, Enter or "OK" chooses the selected template.
class TTemplateDialog : public QDialog
{
    Q_OBJECT

public:
    // The side of a thumbnail in pixels.
    static constexpr int ThumbnailSide = 150;

    explicit TTemplateDialog(const QString &programFolder, QWidget *parent = nullptr);

    QListWidget *Templates;
    QPushButton *OkButton, *CancelButton;

    // The document of the template chosen; empty when none is selected.
    QString ChosenFile() const;
    // How many thumbnails are still to be drawn.
    int ThumbnailsLeft() const { return int(m_pending.size()); }

private:
    void DrawNextThumbnail();
    void SelectionChanged();

    QStringList m_files;
    QList<int> m_pending;
    QTimer m_drawing;
};
