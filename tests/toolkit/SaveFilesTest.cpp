#include "SaveFiles.h"

#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// A limit on the size of the files this process writes: writes past it come
// out short, as on a disk that fills up, instead of killing the process.
class TFileSizeLimit
{
public:
    explicit TFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldSignal);
    }
    TFileSizeLimit(const TFileSizeLimit &) = delete;
    TFileSizeLimit &operator=(const TFileSizeLimit &) = delete;

private:
    rlimit m_old{};
    void (*m_oldSignal)(int) = nullptr;
};

QImage Noise(int side)
{
    QImage noise(side, side, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            noise.setPixel(x, y, random.generate());
    return noise;
}

QByteArray Bytes(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A picture and a settings file too large for the room there is in folder,
// and why each write failed. The picture is a bitmap: the toolkit's PNG
// writer leaks its row buffer when a write fails.
std::pair<std::optional<QString>, std::optional<QString>> WriteTooMuch(const QString &folder)
{
    TIniFile ini(QDir(folder).filePath(u"DW.ini"_s));
    for (int i = 0; i < 2000; ++i)
        ini.WriteString(u"Section"_s, u"Key%1"_s.arg(i), QString(500, u'v'));
    return {SaveImageFile(Noise(600), QDir(folder).filePath(u"page.bmp"_s), "BMP"),
            ini.UpdateFile()};
}

} // namespace

// Regression: a write that came out short said "Unknown error", and a picture
// write that failed left a truncated file behind.
TEST(SaveFilesTest, AShortWriteSaysSoAndLeavesNothingHalfWritten)
{
    QTemporaryDir temp;
    const QString old = temp.filePath(u"old.bmp"_s);
    QFile oldFile(old);
    ASSERT_TRUE(oldFile.open(QIODevice::WriteOnly));
    oldFile.write("old picture");
    oldFile.close();
    std::pair<std::optional<QString>, std::optional<QString>> failures;
    std::optional<QString> overOld;
    {
        TFileSizeLimit limit(64 * 1024);
        failures = WriteTooMuch(temp.path());
        overOld = SaveImageFile(Noise(600), old, "BMP");
    }
    for (const std::optional<QString> &failure : {failures.first, failures.second, overOld})
        EXPECT_EQ(failure, u"the file could not be written completely"_s);
    EXPECT_EQ(Bytes(old), "old picture");
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"old.bmp"_s});
    // Without the limit all is written.
    const QString picture = temp.filePath(u"page.png"_s);
    ASSERT_EQ(SaveImageFile(Noise(600), picture, "PNG"), std::nullopt);
    EXPECT_EQ(QImage(picture), Noise(600));
}

// Regression: a save onto a full disk said "Unknown error".
TEST(SaveFilesTest, ASaveOntoAFullDiskSaysTheDiskIsFull)
{
    QTemporaryDir temp;
    const QByteArray folder = QFile::encodeName(temp.path());
    if (mount("tmpfs", folder.constData(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "a small disk cannot be mounted here";
    const auto failures = WriteTooMuch(temp.path());
    const QStringList left = QDir(temp.path()).entryList(QDir::Files | QDir::Hidden);
    umount2(folder.constData(), MNT_DETACH);
    EXPECT_EQ(failures.first, u"the disk is full"_s);
    EXPECT_EQ(failures.second, u"the disk is full"_s);
    EXPECT_TRUE(left.isEmpty()) << left.join(u' ').toStdString();
}

// Regression: a save through a link to a device or pipe put a plain file in
// its place (as root, a link to /dev/full replaced the device).
TEST(SaveFilesTest, OnlyFilesAndLinksToFilesAreReplaced)
{
    QTemporaryDir temp;
    const QString pipe = temp.filePath(u"pipe"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString file = temp.filePath(u"file.png"_s);
    ASSERT_EQ(SaveBytesFile("old", file), std::nullopt);
    ASSERT_TRUE(QFile::link(pipe, temp.filePath(u"to-pipe.png"_s)));
    ASSERT_TRUE(QFile::link(temp.filePath(u"to-pipe.png"_s), temp.filePath(u"to-link.png"_s)));
    ASSERT_TRUE(QFile::link(temp.path(), temp.filePath(u"to-folder.png"_s)));
    ASSERT_TRUE(QFile::link(file, temp.filePath(u"to-file.png"_s)));
    const QString notAFile = u"it is not a file but a folder, a device or a pipe"_s;
    for (const char *name : {"pipe", "to-pipe.png", "to-link.png", "to-folder.png", "."}) {
        const QString target = temp.filePath(QString::fromLatin1(name));
        EXPECT_EQ(SaveBytesFile("new", target), notAFile) << name;
        EXPECT_EQ(SaveImageFile(Noise(4), target, "PNG"), notAFile) << name;
    }
    EXPECT_EQ(QFileInfo(pipe).isFile(), false);
    EXPECT_TRUE(QFileInfo(temp.filePath(u"to-pipe.png"_s)).isSymLink());
    // A link to a file writes the file it leads to, and stays a link.
    EXPECT_EQ(SaveBytesFile("new", temp.filePath(u"to-file.png"_s)), std::nullopt);
    EXPECT_EQ(Bytes(file), "new");
    EXPECT_TRUE(QFileInfo(temp.filePath(u"to-file.png"_s)).isSymLink());
}

// Regression: a link another user planted in a folder anyone may write to
// (as in /tmp) was followed, so a save wrote wherever that user chose.
TEST(SaveFilesTest, ALinkAnotherUserPlantedInASharedFolderIsNotFollowed)
{
    QTemporaryDir temp;
    const QString shared = temp.filePath(u"shared"_s);
    ASSERT_TRUE(QDir().mkdir(shared));
    ASSERT_EQ(chmod(QFile::encodeName(shared).constData(), 01777), 0);
    const QString victim = temp.filePath(u"victim"_s);
    ASSERT_EQ(SaveBytesFile("precious", victim), std::nullopt);
    const QString link = QDir(shared).filePath(u"out.png"_s);
    ASSERT_TRUE(QFile::link(victim, link));
    const QByteArray linkName = QFile::encodeName(link);
    const uid_t someoneElse = 65534;
    if (lchown(linkName.constData(), someoneElse, someoneElse) != 0)
        GTEST_SKIP() << "a link cannot be given to another user here";
    EXPECT_EQ(SaveBytesFile("planted", link),
              u"it is a link another user made in a folder anyone may write to"_s);
    EXPECT_EQ(Bytes(victim), "precious");
    // The user's own link there is followed.
    ASSERT_EQ(lchown(linkName.constData(), geteuid(), getegid()), 0);
    EXPECT_EQ(SaveBytesFile("mine", link), std::nullopt);
    EXPECT_EQ(Bytes(victim), "mine");
}

// Every file goes through one writer: the old file stays whole unless the
// new one was written completely, and a refused target is never written.
TEST(SaveFilesTest, OneWriterReplacesTheFileOnlyWhenTheWriteSucceeded)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(u"page.DWC"_s);
    const struct
    {
        const char *what;
        QString fileName;
        std::optional<QString> failure;
        bool written;
    } cases[] = {
        {"written", target, std::nullopt, true},
        {"the writer fails", target, u"stopped"_s, true},
        {"a folder is refused", dir.path(), std::nullopt, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        bool called = false;
        const std::optional<QString> result = SaveThrough(c.fileName, [&](QSaveFile &file) {
            called = true;
            file.write(c.failure ? "part" : "new");
            return c.failure;
        });
        EXPECT_EQ(called, c.written);
        if (c.written) {
            EXPECT_EQ(result, c.failure);
        } else {
            EXPECT_TRUE(result.has_value()) << "why it was refused";
        }
        EXPECT_EQ(Bytes(target), QByteArray("new"));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({u"page.DWC"_s}))
        << "no temporary file left";
}
