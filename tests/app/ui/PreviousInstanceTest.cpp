#include "PreviousInstance.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

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

} // namespace
