#include "PreviousInstance.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

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
    const TStartCheck unanswered = CheckOtherCopies(folder.path(), {}, name, 200);
    EXPECT_FALSE(unanswered.Run);
    EXPECT_EQ(unanswered.ExitCode, 1);
    EXPECT_TRUE(unanswered.Warning.startsWith(u"Datewright is already running"_s));
}

} // namespace
