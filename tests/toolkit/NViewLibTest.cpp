#include "NViewTestSupport.h"
#include "PictureSamples.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

class NViewLibTest : public NViewLibTestBase
{
protected:
    QString WriteFile(const QString &name, const QByteArray &bytes) const
    {
        QString path = Temp.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QByteArray SmallBmp() const
    {
        TBmpSpec spec{3, 2, 24, 0, 40, {}, 0, {}, BmpRows({{1, 2, 3}, {4, 5, 6}}, 24)};
        return BmpFile(spec);
    }
};

} // namespace

TEST_F(NViewLibTest, MissingLibraryMakesEveryEntryPointWarnAndAnswerZero)
{
    EXPECT_FALSE(Missing.IsLoaded());
    EXPECT_EQ(Missing.NViewLibLoad(u"any.jpg"_s, 0), nullptr);
    EXPECT_FALSE(Missing.NViewLibSaveAsJPG(80, Temp.filePath(u"out.jpg"_s)));
    Missing.NViewLibFree(nullptr);
    EXPECT_EQ(Missing.GetWidth(), 0);
    EXPECT_EQ(Missing.GetHeight(), 0);
    Missing.NViewLibSetLanguage(1);
    Missing.NViewLibSetCustomLang(u"lang.txt"_s);
    EXPECT_EQ(Warnings.size(), 7);
    EXPECT_TRUE(OnlyMissingLibraryWarnings());
    EXPECT_FALSE(QFile::exists(Temp.filePath(u"out.jpg"_s)));
}

TEST_F(NViewLibTest, FileThatIsNoUsableLibraryCountsAsMissing)
{
    WriteFile(QLatin1StringView(TNViewLib::FileName), "not a shared library");
    const TNViewLib notALibrary(Temp.path());
    EXPECT_FALSE(notALibrary.IsLoaded());
    EXPECT_EQ(notALibrary.NViewLibLoad(u"any.jpg"_s, 0), nullptr);
    EXPECT_EQ(Warnings.size(), 1);

    // A real shared library without the entry points: placeholders, not
    // null functions.
    const QString other = u"/usr/lib/x86_64-linux-gnu/libz.so.1"_s;
    if (!QFile::exists(other))
        GTEST_SKIP() << "no second shared library to stand in";
    QFile::remove(Temp.filePath(QLatin1StringView(TNViewLib::FileName)));
    ASSERT_TRUE(QFile::copy(other, Temp.filePath(QLatin1StringView(TNViewLib::FileName))));
    const TNViewLib withoutEntries(Temp.path() + u'/');
    EXPECT_FALSE(withoutEntries.IsLoaded());
    EXPECT_EQ(withoutEntries.GetWidth(), 0);
    EXPECT_EQ(Warnings.size(), 2);
}

TEST_F(NViewLibTest, BuiltLibraryReadsAndKeepsTheCurrentPicture)
{
    ASSERT_TRUE(Built.IsLoaded());
    const QString bmp = WriteFile(u"small.bmp"_s, SmallBmp());
    void *handle = Built.NViewLibLoad(bmp, 0);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(Built.GetWidth(), 3);
    EXPECT_EQ(Built.GetHeight(), 2);
    Built.NViewLibFree(handle);
    Built.NViewLibSetLanguage(2);
    Built.NViewLibSetCustomLang(u"lang.txt"_s);
    EXPECT_TRUE(Built.NViewLibSaveAsJPG(80, Temp.filePath(u"small.jpg"_s)));
    EXPECT_TRUE(QFile::exists(Temp.filePath(u"small.jpg"_s)));
    EXPECT_TRUE(Warnings.isEmpty());
}

// A failed read used to leave the picture before it current, so a JPEG of
// the wrong picture could be written.
TEST_F(NViewLibTest, FailedReadClearsTheCurrentPicture)
{
    void *handle = Built.NViewLibLoad(WriteFile(u"small.bmp"_s, SmallBmp()), 0);
    ASSERT_NE(handle, nullptr);
    Built.NViewLibFree(handle);
    EXPECT_EQ(Built.NViewLibLoad(WriteFile(u"bad.bmp"_s, "BM broken"), 0), nullptr);
    EXPECT_EQ(Built.GetWidth(), 0);
    EXPECT_FALSE(Built.NViewLibSaveAsJPG(80, Temp.filePath(u"stale.jpg"_s)));
    EXPECT_FALSE(QFile::exists(Temp.filePath(u"stale.jpg"_s)));
    EXPECT_TRUE(Warnings.isEmpty());
}

TEST_F(NViewLibTest, ProgramLibraryIsLoadedOncePerRun)
{
    const TNViewLib &first = NViewLibrary();
    EXPECT_TRUE(first.IsLoaded());
    SetProgramFolder(Temp.path());
    EXPECT_EQ(&NViewLibrary(), &first);
    EXPECT_TRUE(NViewLibrary().IsLoaded());
}
