#include "PreviousInstance.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

bool WaitForRaise(const int &raised)
{
    QDeadlineTimer deadline(5000);
    while (raised == 0 && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return raised > 0;
}

TEST(PreviousInstanceTest, SecondCopyFindsTheFirstAndAsksItToRaise)
{
    QTemporaryDir folder;
    auto first = std::make_unique<TPreviousInstance>(folder.path(), u"datewright"_s);
    ASSERT_TRUE(first->IsFirst());
    int raised = 0;
    QObject::connect(first.get(), &TPreviousInstance::RaiseRequested, [&raised] { ++raised; });

    const TPreviousInstance second(folder.path(), u"datewright"_s);
    EXPECT_FALSE(second.IsFirst());
    EXPECT_TRUE(second.AskToRaise());
    EXPECT_TRUE(WaitForRaise(raised));
    EXPECT_EQ(raised, 1);

    // Another program name is another lock.
    EXPECT_TRUE(TPreviousInstance(folder.path(), u"other"_s).IsFirst());
    // Once the first copy has ended a new one runs.
    first.reset();
    EXPECT_TRUE(TPreviousInstance(folder.path(), u"datewright"_s).IsFirst());
}

// The first copy in a folder of its own, with what later copies asked of it.
struct TFirstCopy
{
    TFirstCopy()
    {
        QObject::connect(&Instance, &TPreviousInstance::OpenRequested,
                         [this](const QString &fileName) { Opened.append(fileName); });
        QObject::connect(&Instance, &TPreviousInstance::RaiseRequested, [this] { ++Raised; });
    }
    TFirstCopy(const TFirstCopy &) = delete;
    TFirstCopy &operator=(const TFirstCopy &) = delete;

    QTemporaryDir Folder;
    TPreviousInstance Instance{Folder.path(), u"datewright"_s};
    QStringList Opened;
    int Raised = 0;
};

// Every file name a later copy passes arrives as it was given, whatever
// characters it holds.
TEST(PreviousInstanceTest, ALaterCopyPassesTheFileItWasGivenToTheFirst)
{
    TFirstCopy first;
    ASSERT_TRUE(first.Instance.IsFirst());
    QStringList &opened = first.Opened;
    const QStringList names = {u"/home/me/Dec 2026.DWC"_s, u"/tmp/a\nraise\n.DWC"_s,
                               u"/tmp/100% Überall #1?.DWS"_s, u"/"_s + QString(4000, u'x')};
    for (const QString &name : names) {
        const int before = opened.size();
        EXPECT_TRUE(TPreviousInstance(first.Folder.path(), u"datewright"_s).AskToOpen(name));
        QDeadlineTimer deadline(5000);
        while (opened.size() == before && !deadline.hasExpired())
            QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_EQ(opened, names);
    EXPECT_EQ(first.Raised, 0);
}

// A request that comes in parts is answered once whole; lines no copy sends
// are ignored, and one longer than any request is dropped unread.
TEST(PreviousInstanceTest, RequestsInPartsAreJoinedAndStrangeOnesIgnored)
{
    TFirstCopy first;
    ASSERT_TRUE(first.Instance.IsFirst());
    const auto send = [&first](const QList<QByteArray> &parts) {
        QLocalSocket socket;
        socket.connectToServer(first.Folder.filePath(u"datewright.socket"_s));
        ASSERT_TRUE(socket.waitForConnected(3000));
        for (const QByteArray &part : parts) {
            socket.write(part);
            socket.waitForBytesWritten(3000);
            QApplication::processEvents(QEventLoop::AllEvents, 50);
            QThread::msleep(20);
        }
        QDeadlineTimer deadline(2000);
        while (socket.state() == QLocalSocket::ConnectedState && !deadline.hasExpired()) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
            socket.waitForDisconnected(20);
        }
        EXPECT_NE(socket.state(), QLocalSocket::ConnectedState) << "the first copy hung up";
    };
    send({"ope", "n file:///tmp/a%20b.DWC", "\n"});
    send({"open http://example.org/x.DWC\n"});
    send({"rai", "se\n"});
    send({"quit\n"});
    send({QByteArray(20000, 'x')});
    QApplication::processEvents(QEventLoop::AllEvents, 100);

    EXPECT_EQ(first.Opened, QStringList{u"/tmp/a b.DWC"_s});
    EXPECT_EQ(first.Raised, 1);
}

TEST(PreviousInstanceTest, SocketLeftByACrashedCopyDoesNotBlockTheNextOne)
{
    QTemporaryDir folder;
    QFile leftOver(folder.filePath(u"datewright.socket"_s));
    ASSERT_TRUE(leftOver.open(QIODevice::WriteOnly));
    leftOver.close();

    const TPreviousInstance first(folder.path(), u"datewright"_s);
    ASSERT_TRUE(first.IsFirst());
    int raised = 0;
    QObject::connect(&first, &TPreviousInstance::RaiseRequested, [&raised] { ++raised; });
    EXPECT_TRUE(TPreviousInstance(folder.path(), u"datewright"_s).AskToRaise());
    EXPECT_TRUE(WaitForRaise(raised));
}

TEST(PreviousInstanceTest, ALaterCopyWhoseRequestIsNotAnsweredGivesUp)
{
    QTemporaryDir folder;
    const TPreviousInstance first(folder.path(), u"datewright"_s);
    ASSERT_TRUE(first.IsFirst());
    // A lock without its socket: nobody listens.
    QFile::remove(folder.filePath(u"datewright.socket"_s));
    const TPreviousInstance second(folder.path(), u"datewright"_s);
    EXPECT_FALSE(second.IsFirst());
    EXPECT_FALSE(second.AskToRaise(200));
}

TEST(PreviousInstanceTest, ProgramStartedWhileACopyRunsRaisesItAndEnds)
{
    QTemporaryDir runtime;
    const TPreviousInstance running(runtime.path(), u"datewright"_s);
    ASSERT_TRUE(running.IsFirst());
    int raised = 0;
    QObject::connect(&running, &TPreviousInstance::RaiseRequested, [&raised] { ++raised; });

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(DW_PROGRAM_FILE), {});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(WaitForRaise(raised));
}

// Opened from a file manager while a copy runs: the file, by its absolute
// name, goes to the running copy.
TEST(PreviousInstanceTest, ProgramStartedWithAFileWhileACopyRunsPassesItOn)
{
    QTemporaryDir runtime;
    const TPreviousInstance running(runtime.path(), u"datewright"_s);
    ASSERT_TRUE(running.IsFirst());
    QStringList opened;
    QObject::connect(&running, &TPreviousInstance::OpenRequested,
                     [&opened](const QString &fileName) { opened.append(fileName); });

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(runtime.path());
    program.start(QStringLiteral(DW_PROGRAM_FILE), {u"Dec 1999.DWC"_s});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0);
    QDeadlineTimer deadline(5000);
    while (opened.isEmpty() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(opened, QStringList{runtime.filePath(u"Dec 1999.DWC"_s)});
}

// Regression: where the runtime folder could not be used, the lock fell back
// to a name in /tmp that every user shared, so another user's lock there
// made the program end at once.
TEST(PreviousInstanceTest, TheFallbackFolderIsTheUsersOwnAndNoOneElses)
{
    QTemporaryDir parent;
    QString why;
    const QString own = TPreviousInstance::OwnFolder(parent.path(), &why);
    ASSERT_FALSE(own.isEmpty()) << why.toStdString();
    EXPECT_EQ(own, parent.filePath(u"datewright-%1"_s.arg(geteuid())));
    const QByteArray name = QFile::encodeName(own);
    const auto mode = [&name] {
        struct stat status = {};
        ::lstat(name.constData(), &status);
        return status.st_mode & 07777;
    };
    EXPECT_EQ(mode(), 0700u);
    // Opened to others, it is closed again before it is used.
    ASSERT_EQ(chmod(name.constData(), 0777), 0);
    EXPECT_EQ(TPreviousInstance::OwnFolder(parent.path()), own);
    EXPECT_EQ(mode(), 0700u);
    // A link in its place, or a file, is not a folder of the user's.
    ASSERT_TRUE(QDir(own).removeRecursively());
    ASSERT_TRUE(QFile::link(parent.path(), own));
    EXPECT_EQ(TPreviousInstance::OwnFolder(parent.path(), &why), QString());
    EXPECT_TRUE(why.endsWith(u"is not a folder"_s)) << why.toStdString();
    ASSERT_TRUE(QFile::remove(own));
    // Made by someone else first, it is theirs.
    ASSERT_TRUE(QDir().mkdir(own));
    if (lchown(name.constData(), 65534, 65534) != 0)
        GTEST_SKIP() << "a folder cannot be given to another user here";
    EXPECT_EQ(TPreviousInstance::OwnFolder(parent.path(), &why), QString());
    EXPECT_TRUE(why.endsWith(u"belongs to another user"_s)) << why.toStdString();
}

// Regression: a copy whose lock could not be made, or whose running copy did
// not answer, ended at once and said nothing.
TEST(PreviousInstanceTest, ACopyNeverEndsWithoutAWord)
{
    QTemporaryDir folder;
    const QString name = u"datewright"_s;
    // No folder for the lock: the program runs, and says what it cannot do.
    const TStartCheck noFolder = CheckOtherCopies({}, u"the folder x is not a folder"_s, name);
    EXPECT_TRUE(noFolder.Run);
    EXPECT_EQ(noFolder.Instance, nullptr);
    EXPECT_EQ(noFolder.Warning, u"Datewright cannot make sure that it is the only copy "
                                u"running: the folder x is not a folder."_s);
    // A file where the folder should be: the lock cannot be made.
    const QString file = folder.filePath(u"file"_s);
    QFile(file).open(QIODevice::WriteOnly);
    const TStartCheck noLock = CheckOtherCopies(file, {}, name);
    EXPECT_TRUE(noLock.Run);
    EXPECT_TRUE(noLock.Warning.contains(u"cannot be made"_s)) << noLock.Warning.toStdString();

    // The first copy runs and says nothing.
    TStartCheck first = CheckOtherCopies(folder.path(), {}, name);
    EXPECT_TRUE(first.Run);
    ASSERT_NE(first.Instance, nullptr);
    EXPECT_EQ(first.Warning, QString());
    // A second copy that found the first ends quietly once it was asked.
    const TStartCheck answered = CheckOtherCopies(folder.path(), {}, name);
    EXPECT_FALSE(answered.Run);
    EXPECT_EQ(answered.ExitCode, 0);
    EXPECT_EQ(answered.Warning, QString());
    // One that was not answered ends saying so.
    QFile::remove(folder.filePath(u"datewright.socket"_s));
    const TStartCheck unanswered = CheckOtherCopies(folder.path(), {}, name, {}, 200);
    EXPECT_FALSE(unanswered.Run);
    EXPECT_EQ(unanswered.ExitCode, 1);
    EXPECT_TRUE(unanswered.Warning.startsWith(u"Datewright is already running"_s));
}

} // namespace
