#pragma once

#include "PageSnapshot.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

class QLockFile;

// The recovery copy of a document with unsaved changes: the name of the
// document it belongs to (empty for one never saved) and the page in the
// parts the undo history keeps. The file is a stream of its own: a
// signature, the document's name, the style, the 42 cells, the objects and
// their names.
struct TRecoveryCopy
{
    QString DocumentFileName;
    TPageSnapshot Page;
};

QByteArray RecoveryBytes(const TRecoveryCopy &copy);
// The copy in bytes, or why they are not one.
std::optional<TRecoveryCopy> ReadRecoveryBytes(const QByteArray &bytes, QString *error = nullptr);

// The folder recovery copies are kept in: "Recovery" in the user's data
// folder.
QString RecoveryFolder();

// A recovery copy left behind by a copy of the program that is no longer
// running: its lock file was stale or missing, and is now held by whoever
// holds this, so that no other copy takes the same file meanwhile.
struct TOrphanedCopy
{
    QString FileName;
    QDateTime Written;
    std::shared_ptr<QLockFile> Lock;
};

// The recovery copies in folder that no running copy of the program holds,
// newest first.
QList<TOrphanedCopy> OrphanedCopies(const QString &folder);

// Removes the locks in folder left by copies of the program that ended
// before their recovery copy was written (a crash or a kill just after the
// first change): no copy is there to offer, and the lock would stay for
// ever. The locks of running copies stay.
void RemoveAbandonedLocks(const QString &folder);

// Whether the copy should be offered: one of a document never saved, or
// newer than the document on disk (or whose document is gone).
bool WorthOffering(const TRecoveryCopy &copy, const QDateTime &written);

// Writes the recovery copy of this run of the program, on a thread of its
// own, one write or removal after the other. Its file is locked by this
// process from the first write until it is removed.
class TRecoveryWriter
{
public:
    explicit TRecoveryWriter(QString folder);
    // Removes the copy and waits until it is gone.
    ~TRecoveryWriter();
    TRecoveryWriter(const TRecoveryWriter &) = delete;
    TRecoveryWriter &operator=(const TRecoveryWriter &) = delete;

    // Queues writing copy; what the copy holds is shared, not copied, so
    // this costs the caller next to nothing.
    void Write(TRecoveryCopy copy);
    // Queues removing the copy, if one was written.
    void Remove();
    // Waits until what was queued is done.
    void WaitForDone();
    QString FileName() const { return m_fileName; }

private:
    QString m_fileName;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<class QThreadPool> m_pool;
};
