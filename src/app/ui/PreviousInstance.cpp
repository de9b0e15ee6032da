#include "PreviousInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QUrl>

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
}

TPreviousInstance::~TPreviousInstance()
{
    if (m_server)
        m_server->close();
}

QString TPreviousInstance::DefaultFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
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
