#pragma once

#include "Messages.h"
#include "ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

// A temporary program folder for settings tests, with every message the code
// shows recorded instead of shown.
class TSettingsFolder
{
public:
    TSettingsFolder()
    {
        QStandardPaths::setTestModeEnabled(true);
        SetProgramFolder(m_temp.path());
        TMessageAnswerer answerer;
        answerer.Information = [this](const QString &text) { Messages.append(text); };
        answerer.Warning = [this](const QString &text, const QString &) { Messages.append(text); };
        SetMessageAnswerer(answerer);
    }
    ~TSettingsFolder()
    {
        SetMessageAnswerer({});
        SetProgramFolder(QString());
        QStandardPaths::setTestModeEnabled(false);
    }
    TSettingsFolder(const TSettingsFolder &) = delete;
    TSettingsFolder &operator=(const TSettingsFolder &) = delete;

    QString Path(const QString &name) const { return m_temp.filePath(name); }

    // A folder nobody may create files in: a read-only one, or, where this
    // user ignores permissions, the kernel's process folder.
    QString UnwritableFolder() const
    {
        const QString folder = Path(QStringLiteral("readonly"));
        QDir().mkdir(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        return QFileInfo(folder).isWritable() ? QStringLiteral("/proc") : folder;
    }

    QStringList Messages;

private:
    QTemporaryDir m_temp;
};

inline QByteArray FileBytes(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
