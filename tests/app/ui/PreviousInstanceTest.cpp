#include "PreviousInstance.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

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

} // namespace
