#include "SaveFiles.h"

#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>

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
