#include "PreviousInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QUrl>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// A request is one line: "raise", or "open" and the file's address, in which
// any line break of the name is percent-encoded.
const QByteArray raiseRequest = QByteArrayLiteral("raise\n");
const QByteArray openRequest = QByteArrayLiteral("open ");
// Longer than any request of a copy: a file address of the longest path.
constexpr qint64 maxRequest = 16384;

} // namespace

TPreviousInstance::TPreviousInstance(const QString &folder, const QString &name, QObject *parent)
    : QObject(parent), m_socketPath(QDir(folder).filePath(name + QStringLiteral(".socket"))),
      m_lock(QDir(folder).filePath(name + QStringLiteral(".lock")))
{
    // The lock of a running copy never goes stale by age; one left by a copy
    // that died is recognised by its process id and taken over.
    m_lock.setStaleLockTime(0);
    m_first = m_lock.tryLock(0);
    if (m_first)
        Listen();
    else if (m_lock.error() != QLockFile::LockFailedError)
        m_error = tr("the lock file %1 cannot be made")
                      .arg(QDir::toNativeSeparators(QDir(folder).filePath(name + u".lock"_s)));
}

TPreviousInstance::~TPreviousInstance()
{
    if (m_server)
        m_server->close();
}

QString TPreviousInstance::DefaultFolder(QString *why)
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? OwnFolder(QDir::tempPath(), why) : runtime;
}

QString TPreviousInstance::OwnFolder(const QString &parent, QString *why)
{
    const uid_t user = ::geteuid();
    QString folder = QDir(parent).filePath(u"datewright-%1"_s.arg(user));
    const QByteArray name = QFile::encodeName(folder);
    const QString shown = QDir::toNativeSeparators(folder);
    const auto refuse = [why](const QString &reason) {
        if (why)
            *why = reason;
        return QString();
    };
    if (::mkdir(name.constData(), S_IRWXU) != 0 && errno != EEXIST) {
        const QString error = QString::fromLocal8Bit(std::strerror(errno));
        return refuse(tr("the folder %1 cannot be made (%2)").arg(shown, error));
    }
    struct stat status = {};
    if (::lstat(name.constData(), &status) != 0 || !S_ISDIR(status.st_mode))
        return refuse(tr("the folder %1 is not a folder").arg(shown));
    if (status.st_uid != user)
        return refuse(tr("the folder %1 belongs to another user").arg(shown));
    if ((status.st_mode & (S_IRWXG | S_IRWXO)) != 0 && ::chmod(name.constData(), S_IRWXU) != 0)
        return refuse(tr("the folder %1 is open to other users").arg(shown));
    return folder;
}

QString TPreviousInstance::DefaultName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

void TPreviousInstance::Listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a copy that died is in the way; the lock says it is
    // nobody's now.
    QLocalServer::removeServer(m_socketPath);
    if (!m_server->listen(m_socketPath))
        return;
    connect(m_server, &QLocalServer::newConnection, this, &TPreviousInstance::TakeConnection);
}

void TPreviousInstance::TakeConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            // The request may come in parts; a line longer than any request
            // of a copy is not from one and is dropped unread.
            const bool tooLong = socket->bytesAvailable() > maxRequest;
            if (!socket->canReadLine() && !tooLong)
                return;
            if (!tooLong)
                Answer(socket->readLine(maxRequest));
            socket->disconnectFromServer();
        });
    }
}

void TPreviousInstance::Answer(const QByteArray &request)
{
    if (request == raiseRequest) {
        emit RaiseRequested();
        return;
    }
    if (!request.startsWith(openRequest) || !request.endsWith('\n'))
        return;
    const QUrl address = QUrl::fromEncoded(request.sliced(openRequest.size()).chopped(1));
    if (address.isLocalFile())
        emit OpenRequested(address.toLocalFile());
}

bool TPreviousInstance::AskToRaise(int timeoutMs) const
{
    return Send(raiseRequest, timeoutMs);
}

bool TPreviousInstance::AskToOpen(const QString &fileName, int timeoutMs) const
{
    return Send(openRequest + QUrl::fromLocalFile(fileName).toEncoded() + '\n', timeoutMs);
}

bool TPreviousInstance::Send(const QByteArray &request, int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(request);
    const bool written = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return written;
}

TStartCheck CheckOtherCopies(const QString &folder, const QString &folderError, const QString &name,
                             const QString &givenFile, int raiseTimeoutMs)
{
    TStartCheck check;
    QString why = folderError;
    if (!folder.isEmpty()) {
        auto instance = std::make_unique<TPreviousInstance>(folder, name);
        why = instance->Error();
        if (!instance->IsFirst() && why.isEmpty()) {
            check.Run = false;
            const bool answered = givenFile.isEmpty()
                                      ? instance->AskToRaise(raiseTimeoutMs)
                                      : instance->AskToOpen(givenFile, raiseTimeoutMs);
            if (!answered) {
                check.ExitCode = 1;
                check.Warning =
                    TPreviousInstance::tr("Datewright is already running, but the running copy "
                                          "did not come to the front. If it no longer responds, "
                                          "end it and start Datewright again.");
            }
            return check;
        }
        if (instance->IsFirst())
            check.Instance = std::move(instance);
    }
    if (!why.isEmpty())
        check.Warning = TPreviousInstance::tr(
                            "Datewright cannot make sure that it is the only copy running: %1.")
                            .arg(why);
    return check;
}
