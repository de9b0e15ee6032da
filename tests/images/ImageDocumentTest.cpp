#include "CalendarPage.h"
#include "ImagePrompt.h"
#include "ImageSamples.h"
#include "LumImage.h"
#include "LumLabelObjectFiler.h"
#include "PublishedProperties.h"
#include "StreamWriter.h"
#include "TestObject.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

// A page knowing picture objects, as every page does.
class TImagePage : public TCalendarPage
{
public:
    TLumImage &Add(const TLumPicture &picture, int left)
    {
        auto image = std::make_unique<TLumImage>();
        image->SetObjectBounds(left, 30, 60, 50);
        image->SetPicture(picture);
        image->FinishLoad();
        return static_cast<TLumImage &>(Objects().Insert(std::move(image)));
    }

    TLumImage *Image(int index) const { return dynamic_cast<TLumImage *>(Objects().At(index)); }
};

QByteArray Saved(const TCalendarPage &page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(page.SaveToDevice(buffer));
    return buffer.data();
}

void Load(TCalendarPage &page, const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_FALSE(page.LoadFromDevice(buffer));
}

TEST(ImageDocument, PicturesReadBackIdentical)
{
    TImagePage page;
    page.Add(BitmapPicture(50, 40), 10).SetFlip(true);
    TLumImage &icon = page.Add(IconPicture(), 100);
    icon.SetAutoSize(true);
    icon.SetBorderStyle(bsSingle);
    page.Add(MetafilePicture(), 200).SetReverse(true);
    page.Add(TLumPicture(), 300);
    const QByteArray saved = Saved(page);

    TImagePage read;
    Load(read, saved);
    ASSERT_EQ(read.Objects().Count(), 4);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const TLumImage *before = page.Image(i);
        const TLumImage *after = read.Image(i);
        ASSERT_TRUE(after);
        EXPECT_EQ(after->Picture().Kind(), before->Picture().Kind());
        EXPECT_EQ(after->Picture().Image(), before->Picture().Image());
        EXPECT_EQ(after->PictureData(), before->PictureData());
        EXPECT_EQ(after->Bounds(), before->Bounds());
        EXPECT_EQ(after->AutoSize(), before->AutoSize());
        EXPECT_EQ(after->Stretch(), before->Stretch());
        EXPECT_EQ(after->BorderStyle(), before->BorderStyle());
        EXPECT_EQ(after->Flip(), before->Flip());
        EXPECT_EQ(after->Reverse(), before->Reverse());
    }
    // Reading names the objects afresh; after that the document is stable.
    const QByteArray resaved = Saved(read);
    TImagePage again;
    Load(again, resaved);
    EXPECT_EQ(Saved(again), resaved);
}

TEST(ImageDocument, RecordHoldsThePropertiesInOrder)
{
    TImagePage page;
    page.Add(BitmapPicture(2, 2), 10);
    const QByteArray record = TLumLabelObjectFiler(page).Records({page.Objects().At(0)});
    const qsizetype border = record.indexOf("\x0B"
                                            "BorderStyle");
    const qsizetype picture = record.indexOf("\x0C"
                                             "Picture.Data");
    const qsizetype reverse = record.indexOf("\x07"
                                             "Reverse");
    const qsizetype flip = record.indexOf("\x04"
                                          "Flip");
    EXPECT_LT(record.indexOf("Unselectable"), border);
    EXPECT_LT(border, picture);
    EXPECT_LT(picture, reverse);
    EXPECT_LT(reverse, flip);
    EXPECT_EQ(record.indexOf("AutoSize"), -1) << "left out at its default";
    EXPECT_EQ(record.indexOf("Stretch"), -1) << "left out at its default";
    for (const char *name : {"Fit", "CropX", "CropY", "PicturePerPage"})
        EXPECT_EQ(record.indexOf(name), -1) << name << " left out at its default";
    // So a document not using them is written as before they were.
    EXPECT_TRUE(record.endsWith(QByteArrayLiteral("\x04"
                                                  "Flip\x08\x00\x00\x00")))
        << "Flip last, then the ends of the properties, the children and the list";
}

TEST(ImageDocument, FitAndCropReadBackAfterTheOlderProperties)
{
    TImagePage page;
    TLumImage &image = page.Add(BitmapPicture(50, 40), 10);
    image.SetFit(ifFill);
    image.SetCropX(0);
    image.SetCropY(100);
    image.SetPicturePerPage(true);
    page.Add(BitmapPicture(20, 20), 100).SetFit(ifFit);
    const QByteArray saved = Saved(page);
    EXPECT_LT(saved.indexOf("Flip"), saved.indexOf("\x03"
                                                   "Fit\x07\x06"
                                                   "ifFill"));

    TImagePage read;
    Load(read, saved);
    ASSERT_EQ(read.Objects().Count(), 2);
    EXPECT_EQ(read.Image(0)->Fit(), ifFill);
    EXPECT_EQ(read.Image(0)->CropX(), 0);
    EXPECT_EQ(read.Image(0)->CropY(), 100);
    EXPECT_TRUE(read.Image(0)->PicturePerPage());
    EXPECT_FALSE(read.Image(1)->PicturePerPage());
    EXPECT_EQ(read.Image(1)->Fit(), ifFit);
    EXPECT_EQ(read.Image(1)->CropX(), 50);
}

// A reader that knows only the properties picture objects had before Fit,
// the crop position and the picture per page (as the build before them
// does) skips those and reads the whole page: every object, each stretched
// and with its own picture as it used to be.
TEST(ImageDocument, AReaderWithoutFitReadsThePageStretched)
{
    TImagePage page;
    page.Add(BitmapPicture(50, 40), 10).SetFit(ifFill);
    page.Add(BitmapPicture(20, 20), 100).SetCropX(10);
    page.Image(1)->SetPicturePerPage(true);
    page.Add(BitmapPicture(30, 30), 200).SetFlip(true);
    const QByteArray saved = Saved(page);

    TClassInfo older(u"TLumImage"_qs, &TLumGraphicControl::BaseClassInfo(),
                     [] { return std::make_unique<TLumImage>(); });
    using C = TLumImage;
    TPublishedProperties<C>(older)
        .Boolean("AutoSize", &C::AutoSize, &C::SetAutoSize, false)
        .Enumeration<TBorderStyle>("BorderStyle", BorderStyleNames(), &C::BorderStyle,
                                   &C::SetBorderStyle)
        .Binary("Picture.Data", &C::PictureData, &C::SetPictureData)
        .Boolean("Stretch", &C::Stretch, &C::SetStretch, true)
        .Boolean("Reverse", &C::Reverse, &C::SetReverse)
        .Boolean("Flip", &C::Flip, &C::SetFlip);
    TImagePage read;
    read.ObjectClasses().Register(older);
    Load(read, saved);
    ASSERT_EQ(read.Objects().Count(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(read.Image(i)->Fit(), ifStretch);
        EXPECT_EQ(read.Image(i)->CropX(), 50);
        EXPECT_FALSE(read.Image(i)->PicturePerPage());
        EXPECT_EQ(read.Image(i)->PictureData(), page.Image(i)->PictureData());
    }
    EXPECT_TRUE(read.Image(2)->Flip());
}

TEST(ImageDocument, AnAutoSizedPictureIsReadAtItsPicturesSize)
{
    // Regression: a picture with AutoSize set kept the bounds stored when it
    // was read; taking its picture sizes it, as any change of picture does.
    TImagePage page;
    page.Add(BitmapPicture(50, 40), 10);
    QByteArray record = TLumLabelObjectFiler(page).Records({page.Objects().At(0)});
    TStreamWriter autoSize;
    autoSize.WriteName(QStringLiteral("AutoSize"));
    autoSize.WriteBoolean(true);
    // Before the ends of the properties, of the children and of the list.
    record.insert(record.size() - 3, autoSize.Data());

    TImagePage read;
    const QList<TLumGraphicControl *> objects = TLumLabelObjectFiler(read).ReadObjectsFrom(record);
    ASSERT_EQ(objects.size(), 1);
    const auto *image = dynamic_cast<const TLumImage *>(objects.first());
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->AutoSize());
    EXPECT_EQ(image->Bounds(), (TBounds{10, 30, 50, 40}));
}

// A damaged picture inside a document leaves the object empty on the page
// and its data is written back as it was.
TEST(ImageDocument, DamagedPictureIsKept)
{
    TImagePage page;
    TLumImage &image = page.Add(BitmapPicture(20, 20), 10);
    QByteArray data = image.PictureData();
    data[12] = 'X'; // the bitmap file's "BM" spoilt
    image.SetPictureData(data);
    EXPECT_FALSE(image.Picture().CanDraw());
    const QByteArray saved = Saved(page);
    TImagePage read;
    Load(read, saved);
    ASSERT_EQ(read.Objects().Count(), 1);
    EXPECT_EQ(read.Image(0)->PictureData(), data);
    EXPECT_TRUE(Saved(read).contains(data));
}

TEST(ImageDocument, ThePictureToolMakesOneAndOpensTheBrowser)
{
    TImagePage page;
    int asked = 0;
    SetImagePrompt([&asked](bool, bool) -> std::optional<TImageChoice> {
        ++asked;
        return TImageChoice{u"a.bmp"_qs, BitmapPicture(30, 20), true, false};
    });
    TRecordingView view(page);
    view.ToolOn = psImage;
    page.CreateObjectInRect({40, 50, 140, 120});
    SetImagePrompt({});
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(page.Objects().Count(), 1);
    const TLumImage *image = page.Image(0);
    ASSERT_TRUE(image);
    EXPECT_TRUE(image->Picture().IsBitmap());
    EXPECT_EQ(image->Bounds(), (TBounds{40, 50, 100, 70})) << "stretched over the rectangle drawn";
}

} // namespace
