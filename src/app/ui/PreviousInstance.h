#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

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

    // The per-user runtime folder; where the system gives none that is
    // usable, OwnFolder in the temporary folder. Empty, and why in *why,
    // when neither can be had.
    static QString DefaultFolder(QString *why = nullptr);
    // The folder "datewright-" and the user's number inside parent, made for
    // the user alone. It is used only when it is a folder, not a link, that
    // belongs to the user and that no one else may use (a folder of the
    // user's own open to others is closed first): in a folder anyone may
    // write to, someone else could have made it first. Empty, and why in
    // *why, when it cannot be used.
    static QString OwnFolder(const QString &parent, QString *why = nullptr);
    static QString DefaultName();

    // Whether this copy took the lock, so no other copy is running.
    bool IsFirst() const { return m_first; }
    // Why the lock could not be taken, when it was not because another copy
    // holds it (a folder that cannot be written in); empty otherwise.
    const QString &Error() const { return m_error; }
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
    QString m_error;
};

// What a copy of the program does about other copies as it starts. It runs,
// holding Instance (none when no lock could be had, and then Warning says
// that it cannot make sure that it is the only copy); or, when another copy
// holds the lock, it asks that copy to come to the front and ends with
// ExitCode, 0 when asked, else 1 with a Warning saying so. It never ends
// without a word but when the running copy came to the front.
struct TStartCheck
{
    bool Run = true;
    int ExitCode = 0;
    QString Warning;
    std::unique_ptr<TPreviousInstance> Instance;
};
// folder and name as for TPreviousInstance; folder empty, and why in
// folderError, when there is none (see DefaultFolder).
// givenFile, when not empty, is the file the running copy is asked to open
// instead of only coming to the front.
TStartCheck CheckOtherCopies(const QString &folder, const QString &folderError, const QString &name,
                             const QString &givenFile = {}, int raiseTimeoutMs = 3000);
