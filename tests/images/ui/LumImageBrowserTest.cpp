#include "LumImageBrowser.h"

#include "ImageSamples.h"
#include "LumImage.h"
#include "Messages.h"
#include "ModalDialog.h"

#include <QCheckBox>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

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
    TLumImageBrowser browser({{}, [&helped](int context) { helped << context; }});
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

} // namespace
