#pragma once

#include "FileNamePrompt.h"
#include "Messages.h"
#include "ModalDialog.h"
#include "ProgramFolder.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// Messages recorded, dialogs answered and the program folder in a temporary
// folder while it lives.
class TDialogRun
{
public:
    TDialogRun()
    {
        TMessageAnswerer answerer;
        answerer.Information = [this](const QString &text) { Messages.append(text); };
        SetMessageAnswerer(answerer);
        SetProgramFolder(m_folder.path());
        SetModalAnswerer([this](QDialog &dialog) {
            ++Dialogs;
            return Answer ? Answer(dialog) : int(QDialog::Rejected);
        });
        SetFileNameAnswerer([this](QFileDialog &dialog) {
            FileFolders.append(dialog.directory().absolutePath());
            return FileAnswer;
        });
    }
    ~TDialogRun()
    {
        SetMessageAnswerer({});
        SetModalAnswerer({});
        SetFileNameAnswerer({});
        SetProgramFolder({});
    }
    TDialogRun(const TDialogRun &) = delete;
    TDialogRun &operator=(const TDialogRun &) = delete;

    QString Path(const QString &name) const { return m_folder.filePath(name); }
    QString Folder() const { return m_folder.path(); }

    QStringList Messages;
    int Dialogs = 0;
    std::function<int(QDialog &)> Answer;
    QString FileAnswer;
    // The folders the file dialogs opened in.
    QStringList FileFolders;

private:
    QTemporaryDir m_folder;
};
