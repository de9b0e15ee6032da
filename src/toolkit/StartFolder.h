#pragma once

#include <QString>

#include <utility>

// Where the program's file dialogs open: where the user's files are.

// The folder of the open document; else the last folder a file was chosen
// in; else the user's Documents folder, or the home folder when there is
// none. A folder that no longer exists is passed over. Never the program's
// own folder unless the user chose a file there.
QString StartFolder(const QString &documentFileName, const QString &lastFolder);

// Where the picture browser opens: the folder a picture was last taken from;
// else the user's Pictures folder, else the home folder. A folder that no
// longer exists is passed over.
QString PictureStartFolder(const QString &lastPictureFolder);

// The folder a chosen file is in, to remember as the last folder used.
QString FolderOf(const QString &fileName);

// The folder a dialog's file prompts open in, following the user's choices:
// after a file was chosen, the next prompt opens where it is.
class TFileFolder
{
public:
    explicit TFileFolder(QString start = StartFolder({}, {})) : m_start(std::move(start)) {}

    // Where the next prompt opens.
    const QString &Start() const { return m_start; }
    // The folder of the last file chosen; empty while none was.
    const QString &Chosen() const { return m_chosen; }
    // Notes a prompt's answer; an empty one (cancelled) changes nothing.
    void Note(const QString &fileName);

private:
    QString m_start;
    QString m_chosen;
};
