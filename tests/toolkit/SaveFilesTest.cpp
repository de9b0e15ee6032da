#include "SaveFiles.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

// A limit on the size of the files this process writes, as a nearly full
// disk: writes past it fail (with "File too large") instead of killing the
// process.
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

} // namespace

// Regression: a save that ran out of room said "Unknown error", and a picture
// write that failed left a truncated file behind.
TEST(SaveFilesTest, AFailedWriteSaysWhyAndLeavesNothingHalfWritten)
{
    QTemporaryDir temp;
    const QString reason = QString::fromLocal8Bit(std::strerror(EFBIG));
    const QString picture = temp.filePath(u"page.png"_s);
    const QString old = temp.filePath(u"old.png"_s);
    QFile oldFile(old);
    ASSERT_TRUE(oldFile.open(QIODevice::WriteOnly));
    oldFile.write("old picture");
    oldFile.close();
    const QImage noise = Noise(600);
    const QByteArray large(1 << 20, 'x');
    std::optional<QString> newPicture, overOld, document;
    {
        TFileSizeLimit limit(64 * 1024);
        newPicture = SaveImageFile(noise, picture, "PNG");
        overOld = SaveImageFile(noise, old, "PNG");
        QSaveFile file(temp.filePath(u"page.DWC"_s));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(large);
        document = CommitSaveFile(file);
    }
    for (const std::optional<QString> &failure : {newPicture, overOld, document}) {
        ASSERT_NE(failure, std::nullopt);
        EXPECT_EQ(*failure, reason);
    }
    EXPECT_FALSE(QFile::exists(picture));
    EXPECT_EQ(Bytes(old), "old picture");
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"old.png"_s});
    // Without the limit all is written.
    ASSERT_EQ(SaveImageFile(noise, picture, "PNG"), std::nullopt);
    EXPECT_EQ(QImage(picture), noise);
}
