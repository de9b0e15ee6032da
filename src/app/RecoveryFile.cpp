#include "RecoveryFile.h"

#include "SaveFiles.h"
#include "StreamReader.h"
#include "StreamWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QThreadPool>

namespace {

const QString Signature = QStringLiteral("Datewright recovery 1");

} // namespace

QByteArray RecoveryBytes(const TRecoveryCopy &copy)
{
    TStreamWriter out;
    out.WriteString(Signature);
    out.WriteString(copy.DocumentFileName);
    out.WriteBinary(copy.Page.Style);
    for (const QByteArray &cell : copy.Page.Cells)
        out.WriteBinary(cell);
    out.WriteBinary(ObjectRecords(copy.Page));
    out.WriteSet(ObjectNames(copy.Page));
    return out.Data();
}

std::optional<TRecoveryCopy> ReadRecoveryBytes(const QByteArray &bytes, QString *error)
{
    TStreamReader in(bytes);
    TRecoveryCopy copy;
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (in.ReadString().value_or(QString()) != Signature)
        return fail(QCoreApplication::translate("RecoveryFile", "not a recovery copy"));
    const auto name = in.ReadString();
    const auto style = in.ReadBinary();
    if (!name || !style)
        return fail(in.Error() ? in.Error()->what
                               : QCoreApplication::translate("RecoveryFile", "truncated"));
    copy.DocumentFileName = *name;
    copy.Page.Style = *style;
    for (QByteArray &cell : copy.Page.Cells) {
        const auto read = in.ReadBinary();
        if (!read)
            return fail(QCoreApplication::translate("RecoveryFile", "truncated cells"));
        cell = *read;
    }
    const auto objects = in.ReadBinary();
    const auto names = in.ReadSet();
    if (!objects || !names || in.BytesLeft() != 0 || !SetObjectRecords(copy.Page, *objects, *names))
        return fail(QCoreApplication::translate("RecoveryFile", "truncated objects"));
    return copy;
}

QString RecoveryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/Recovery");
}

QList<TOrphanedCopy> OrphanedCopies(const QString &folder)
{
    QList<TOrphanedCopy> copies;
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.dwrec")}, QDir::Files, QDir::Time);
    for (const QFileInfo &file : files) {
        // A copy whose lock a running program holds is that program's.
        auto lock = std::make_shared<QLockFile>(file.filePath() + QStringLiteral(".lock"));
        lock->setStaleLockTime(0);
        if (lock->tryLock(0))
            copies.append({file.filePath(), file.lastModified(), std::move(lock)});
    }
    return copies;
}

void RemoveAbandonedLocks(const QString &folder)
{
    const QFileInfoList locks =
        QDir(folder).entryInfoList({QStringLiteral("*.dwrec.lock")}, QDir::Files);
    for (const QFileInfo &lockFile : locks) {
        if (QFileInfo::exists(lockFile.filePath().chopped(5)))
            continue; // its copy is offered, and the lock goes with it
        // A lock whose process is gone is taken over, then released, which
        // removes it.
        QLockFile lock(lockFile.filePath());
        lock.setStaleLockTime(0);
        if (lock.tryLock(0))
            lock.unlock();
    }
}

bool WorthOffering(const TRecoveryCopy &copy, const QDateTime &written)
{
    if (copy.DocumentFileName.isEmpty())
        return true;
    const QFileInfo document(copy.DocumentFileName);
    return !document.exists() || document.lastModified() < written;
}

TRecoveryWriter::TRecoveryWriter(QString folder)
    : m_fileName(folder + QStringLiteral("/%1-%2.dwrec")
                              .arg(QCoreApplication::applicationPid())
                              .arg(QDateTime::currentMSecsSinceEpoch())),
      m_pool(std::make_unique<QThreadPool>())
{
    m_pool->setMaxThreadCount(1);
}

TRecoveryWriter::~TRecoveryWriter()
{
    Remove();
    WaitForDone();
}

void TRecoveryWriter::Write(TRecoveryCopy copy)
{
    if (!m_lock) {
        QDir().mkpath(QFileInfo(m_fileName).path());
        m_lock = std::make_unique<QLockFile>(m_fileName + QStringLiteral(".lock"));
        m_lock->setStaleLockTime(0);
        if (!m_lock->tryLock(0)) {
            m_lock.reset();
            return;
        }
    }
    m_pool->start([fileName = m_fileName, copy = std::move(copy)] {
        // A copy that cannot be written is left for the next change to try.
        SaveBytesFile(RecoveryBytes(copy), fileName);
    });
}

void TRecoveryWriter::Remove()
{
    if (!m_lock)
        return;
    m_pool->start([fileName = m_fileName] { QFile::remove(fileName); });
    WaitForDone();
    m_lock.reset();
}

void TRecoveryWriter::WaitForDone()
{
    m_pool->waitForDone();
}
