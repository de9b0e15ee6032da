#include "LumImageBrowser.h"

#include "ImageSamples.h"
#include "LumImage.h"
#include "Messages.h"
#include "ModalDialog.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The names the file list shows, sorted, once it shows count of them.
QStringList ListedFiles(const QListView &list, qsizetype count)
{
    const QAbstractItemModel &files = *list.model();
    EXPECT_TRUE(QTest::qWaitFor([&] { return files.rowCount(list.rootIndex()) >= count; }));
    QStringList names;
    for (int row = 0; row < files.rowCount(list.rootIndex()); ++row)
        names << files.index(row, 0, list.rootIndex()).data().toString();
    names.sort(Qt::CaseInsensitive);
    return names;
}

class ImageBrowser : public ::testing::Test
{
protected:
    ImageBrowser()
    {
        TMessageAnswerer answerer;
        answerer.Warning = [this](const QString &text, const QString &) { Warnings << text; };
        SetMessageAnswerer(answerer);
        WriteSampleFile(Folder.path(), u"bad.bmp"_qs, "not a bitmap");
        WriteSampleFile(Folder.path(), u"bad.wmf"_qs, "not a metafile");
        WriteSampleFile(Folder.path(), u"sign.ICO"_qs, SampleIconFile());
        WriteSampleFile(Folder.path(), u"plan.wmf"_qs, SampleMetafile());
        WriteSampleFile(Folder.path(), u"notes.txt"_qs, "text");
    }
    ~ImageBrowser() override
    {
        SetMessageAnswerer({});
        SetModalAnswerer({});
        SetImagePrompt({});
    }

    QTemporaryDir Folder;
    QStringList Warnings;
};

TEST_F(ImageBrowser, FixedCaptionAndHelp)
{
    QList<int> helped;
    TLumImageBrowser browser({{}, [&helped](int context) { helped << context; }, {}, {}});
    EXPECT_EQ(browser.windowTitle(), u"Load Image File "_qs);
    EXPECT_EQ(browser.size(), QSize(592, 300));
    for (QPushButton *button : browser.findChildren<QPushButton *>()) {
        if (button->text() == u"Help"_qs)
            button->click();
    }
    EXPECT_EQ(helped, QList<int>{40003});
}

TEST_F(ImageBrowser, PreviewOfEachKind)
{
    TLumImageBrowser browser({});
    browser.SetFolder(Folder.path());
    const struct
    {
        const char *file;
        bool readable;
        int width;
        bool told;
    } cases[] = {
        {"sign.ICO", true, 32, false},
        {"plan.wmf", true, 192, false},
        {"bad.bmp", false, 0, true},
        {"bad.wmf", false, 0, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        Warnings.clear();
        browser.SelectFile(QString::fromLatin1(c.file));
        EXPECT_EQ(browser.Preview().CanDraw(), c.readable);
        EXPECT_EQ(browser.Preview().Width(), c.width);
        EXPECT_EQ(Warnings, c.told ? QStringList{u"Error loading file!"_qs} : QStringList());
        EXPECT_EQ(browser.Choice().Told, c.told);
    }
    browser.SelectFile(u"sign.ICO"_qs);
    EXPECT_TRUE(browser.Preview().IsBitmap()) << "an icon becomes a bitmap of its size";
    EXPECT_EQ(browser.Preview().Image().pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(browser.Preview().Image().pixel(16, 16), qRgb(255, 255, 0));
}

TEST_F(ImageBrowser, StretchAndAutoSizeExcludeEachOther)
{
    TLumImageBrowser browser({});
    browser.StretchBox().click();
    EXPECT_TRUE(browser.StretchBox().isChecked());
    browser.AutoSizeBox().click();
    EXPECT_TRUE(browser.AutoSizeBox().isChecked());
    EXPECT_FALSE(browser.StretchBox().isChecked());
    browser.StretchBox().click();
    EXPECT_FALSE(browser.AutoSizeBox().isChecked());
}

TEST_F(ImageBrowser, PictureObjectTakesTheChoice)
{
    InstallImageBrowser({});
    QList<std::pair<bool, bool>> opened;
    SetModalAnswerer([&](QDialog &dialog) {
        auto &browser = static_cast<TLumImageBrowser &>(dialog);
        opened.append({browser.StretchBox().isChecked(), browser.AutoSizeBox().isChecked()});
        browser.SetFolder(Folder.path());
        browser.SelectFile(u"plan.wmf"_qs);
        browser.AutoSizeBox().click();
        return int(QDialog::Accepted);
    });
    TLumImage image;
    image.LoadImageFromDisk();
    EXPECT_EQ(opened, (QList<std::pair<bool, bool>>{{true, false}}));
    EXPECT_TRUE(image.Picture().IsMetafile());
    EXPECT_TRUE(image.AutoSize());
    EXPECT_EQ(image.Width(), 192);
    EXPECT_TRUE(Warnings.isEmpty());
}

TEST_F(ImageBrowser, BadFileToldOnce)
{
    InstallImageBrowser({});
    SetModalAnswerer([&](QDialog &dialog) {
        auto &browser = static_cast<TLumImageBrowser &>(dialog);
        browser.SetFolder(Folder.path());
        browser.SelectFile(u"bad.bmp"_qs);
        return int(QDialog::Accepted);
    });
    TLumImage image;
    image.SetPicture(BitmapPicture(4, 4));
    image.LoadImageFromDisk();
    EXPECT_EQ(Warnings, QStringList{u"Error loading file!"_qs});
    EXPECT_TRUE(image.Picture().IsEmpty());
}

TEST_F(ImageBrowser, ItOpensInTheLastFolderUsedElseThePicturesFolder)
{
    // Regression: the browser started at "/" every time.
    QString used;
    TImageBrowserHooks hooks;
    hooks.LastFolder = [this] { return Folder.path(); };
    hooks.FolderUsed = [&used](const QString &folder) { used = folder; };
    {
        TLumImageBrowser browser(hooks);
        EXPECT_EQ(browser.Folder(), QDir(Folder.path()).absolutePath());
    }
    hooks.LastFolder = [] { return u"/no/such/folder"_qs; };
    {
        TLumImageBrowser browser(hooks);
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        EXPECT_EQ(browser.Folder(), QFileInfo(pictures).isDir() ? pictures : QDir::homePath());
        EXPECT_NE(browser.Folder(), QDir::rootPath());
    }
    // A picture taken tells its folder.
    InstallImageBrowser(hooks);
    SetModalAnswerer([&](QDialog &dialog) {
        auto &browser = static_cast<TLumImageBrowser &>(dialog);
        browser.SetFolder(Folder.path());
        browser.SelectFile(u"plan.wmf"_qs);
        return int(QDialog::Accepted);
    });
    TLumImage image;
    EXPECT_TRUE(image.LoadImageFromDisk());
    EXPECT_EQ(used, QDir(Folder.path()).absolutePath());
}

TEST_F(ImageBrowser, ATypedPathOpensItsFolderOrFile)
{
    // Regression: there was no way to type a path.
    QDir(Folder.path()).mkdir(u"cards"_qs);
    WriteSampleFile(Folder.path() + u"/cards"_qs, u"heart.ICO"_qs, SampleIconFile());
    QStringList told;
    TMessageAnswerer answerer;
    answerer.Information = [&told](const QString &text) { told << text; };
    SetMessageAnswerer(answerer);
    TLumImageBrowser browser({});
    browser.SetFolder(Folder.path());
    QLineEdit &path = browser.PathEdit();
    EXPECT_EQ(QDir::fromNativeSeparators(path.text()), QDir(Folder.path()).absolutePath());

    path.setText(Folder.path() + u"/cards"_qs);
    QTest::keyClick(&path, Qt::Key_Return);
    EXPECT_EQ(browser.Folder(), QDir(Folder.path() + u"/cards"_qs).absolutePath());
    EXPECT_EQ(browser.result(), 0) << "Enter opened the path, it did not close the dialog";

    path.setText(Folder.path() + u"/plan.wmf"_qs);
    QTest::keyClick(&path, Qt::Key_Enter);
    EXPECT_EQ(browser.Folder(), QDir(Folder.path()).absolutePath());
    EXPECT_TRUE(browser.Preview().IsMetafile());

    // A name alone is taken in the folder listed.
    browser.SetFolder(Folder.path() + u"/cards"_qs);
    path.setText(u"heart.ICO"_qs);
    QTest::keyClick(&path, Qt::Key_Return);
    EXPECT_EQ(browser.Preview().Width(), 32);

    path.setText(Folder.path() + u"/nothing here"_qs);
    QTest::keyClick(&path, Qt::Key_Return);
    EXPECT_EQ(told.size(), 1);
}

TEST_F(ImageBrowser, EveryKindThePicturesReadIsListed)
{
    // Regression: PNG files (and GIF files, and JPEG files named ".jpeg")
    // were not listed.
    for (const char *name : {"a.png", "b.PNG", "c.gif", "d.jpeg", "e.jpg", "f.bmp", "g.pcx",
                             "h.tga", "i.dib", "j.rle", "k.jif"})
        WriteSampleFile(Folder.path(), QString::fromLatin1(name), "x");
    TLumImageBrowser browser({});
    browser.SetFolder(Folder.path());
    const QStringList pictures{u"a.png"_qs, u"b.PNG"_qs,    u"bad.bmp"_qs, u"bad.wmf"_qs,
                               u"c.gif"_qs, u"d.jpeg"_qs,   u"e.jpg"_qs,   u"f.bmp"_qs,
                               u"g.pcx"_qs, u"h.tga"_qs,    u"i.dib"_qs,   u"j.rle"_qs,
                               u"k.jif"_qs, u"plan.wmf"_qs, u"sign.ICO"_qs};
    EXPECT_EQ(ListedFiles(browser.FileList(), pictures.size()), pictures);
}

TEST_F(ImageBrowser, StretchShowsThePictureOverTheWholePreview)
{
    // Regression: the Stretch box had no effect on the preview.
    QBuffer bitmap;
    bitmap.open(QIODevice::WriteOnly);
    ASSERT_TRUE(SampleBitmap(600, 40).save(&bitmap, "BMP"));
    WriteSampleFile(Folder.path(), u"wide.bmp"_qs, bitmap.data());
    TLumImageBrowser browser({});
    browser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&browser));
    browser.SetFolder(Folder.path());
    browser.SelectFile(u"wide.bmp"_qs);
    const QLabel &preview = browser.PreviewLabel();
    EXPECT_EQ(preview.pixmap().size(), QSize(600, 40)) << "as large as it is";
    const QSize area = browser.findChild<QScrollArea *>()->viewport()->size();
    browser.StretchBox().click();
    EXPECT_EQ(preview.pixmap().size(), area);
    browser.StretchBox().click();
    EXPECT_EQ(preview.pixmap().size(), QSize(600, 40));
}

} // namespace
