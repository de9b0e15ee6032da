#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

// Keeps a second copy of the program from running. The first copy holds a
// lock file in the per-user runtime folder and listens on a local socket
// beside it; a later copy finds the lock taken, asks the first copy over the
// socket to bring its window to the front or to open a file, and ends.
class TPreviousInstance : public QObject
{
    Q_OBJECT

public:
    // The lock and the socket are folder/name.lock and folder/name.socket.
    TPreviousInstance(const QString &folder, const QString &name, QObject *parent = nullptr);
    ~TPreviousInstance() override;

    // The per-user runtime folder, and the program file's name.
    static QString DefaultFolder();
    static QString DefaultName();

    // Whether this copy took the lock, so no other copy is running.
    bool IsFirst() const { return m_first; }
    // Asks the copy holding the lock to raise its window; false when it could
    // not be reached within timeoutMs.
    bool AskToRaise(int timeoutMs = 3000) const;
    // Asks the copy holding the lock to open fileName (an absolute path);
    // false when it could not be reached within timeoutMs.
    bool AskToOpen(const QString &fileName, int timeoutMs = 3000) const;

signals:
    // A later copy asked for the window.
    void RaiseRequested();
    // A later copy was given fileName to open.
    void OpenRequested(const QString &fileName);

private:
    void Listen();
    void TakeConnection();
    // Answers one request line of a later copy.
    void Answer(const QByteArray &request);
    bool Send(const QByteArray &request, int timeoutMs) const;

    QString m_socketPath;
    QLockFile m_lock;
    QLocalServer *m_server = nullptr;
    bool m_first = false;
};
