#include "LumImage.h"

#include "ImagePrompt.h"
#include "ImageSamples.h"
#include "LumBasePanel.h"
#include "Messages.h"
#include "TestObject.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class TImagePanel : public TLumBasePanel
{
public:
    TImagePanel() { SetPanelSize(600, 400); }
};

class LumImageTest : public ::testing::Test
{
protected:
    LumImageTest()
    {
        Panel.LabelChangedEvent = [this] { ++Changes; };
        TMessageAnswerer answerer;
        answerer.Warning = [this](const QString &text, const QString &caption) {
            Warnings.append(caption + u": "_qs + text);
        };
        SetMessageAnswerer(answerer);
    }
    ~LumImageTest() override
    {
        SetMessageAnswerer({});
        SetImagePrompt({});
    }

    TLumImage &Place(int left, int top, int width, int height)
    {
        auto image = std::make_unique<TLumImage>();
        image->SetObjectBounds(left, top, width, height);
        image->FinishLoad();
        return static_cast<TLumImage &>(Panel.Objects().Insert(std::move(image)));
    }

    // The object's menu as it opens, its item captioned caption.
    static TDesignMenuItem Item(TLumImage &image, const QString &caption)
    {
        const TDesignMenu menu = image.Menu();
        const TDesignMenuItem *item = FindMenuItem(menu, caption);
        EXPECT_TRUE(item) << caption.toStdString();
        return item ? *item : TDesignMenuItem{};
    }

    static QImage Painted(const TLumImage &image)
    {
        QImage target(image.Width(), image.Height(), QImage::Format_RGB32);
        target.fill(Qt::gray);
        QPainter painter(&target);
        image.Paint(painter);
        return target;
    }

    TImagePanel Panel;
    TRecordingView View{Panel};
    int Changes = 0;
    QStringList Warnings;
};

TEST_F(LumImageTest, CreatedEmptyAt105Square)
{
    const TLumImage image;
    EXPECT_EQ(image.Width(), 105);
    EXPECT_EQ(image.Height(), 105);
    EXPECT_TRUE(image.Stretch());
    EXPECT_FALSE(image.AutoSize());
    EXPECT_EQ(image.BorderStyle(), bsNone);
    EXPECT_TRUE(image.Picture().IsEmpty());
}

TEST_F(LumImageTest, MenuAppendsThePictureItems)
{
    TLumImage &image = Place(10, 10, 50, 50);
    const TDesignMenu menu = image.Menu();
    QStringList captions;
    for (qsizetype i = menu.size() - 14; i < menu.size(); ++i)
        captions.append(menu[i].Caption);
    EXPECT_EQ(captions, QStringList({"-", "Load Image From Disk", "-", "Border", "Stretch to Fit",
                                     "AutoSize", "Flip", "Reverse", "-", "Fit", "Stretch", "Fill",
                                     "-", "One Picture per Page"}));
}

TEST_F(LumImageTest, FlipAndReverseOnlyForBitmaps)
{
    TLumImage &image = Place(10, 10, 50, 50);
    const struct
    {
        const char *what;
        TLumPicture picture;
        bool enabled;
    } cases[] = {
        {"bitmap", BitmapPicture(20, 20), true},
        {"metafile", MetafilePicture(), false},
        {"icon", IconPicture(), false},
        {"none", TLumPicture(), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        image.SetPicture(c.picture);
        EXPECT_EQ(Item(image, u"Flip"_qs).Enabled, c.enabled);
        EXPECT_EQ(Item(image, u"Reverse"_qs).Enabled, c.enabled);
    }
}

TEST_F(LumImageTest, MenuChecksFollowTheProperties)
{
    TLumImage &image = Place(10, 10, 50, 50);
    image.SetPicture(BitmapPicture(20, 20));
    for (const QString &caption : {u"Border"_qs, u"AutoSize"_qs, u"Flip"_qs, u"Reverse"_qs}) {
        SCOPED_TRACE(caption.toStdString());
        EXPECT_FALSE(Item(image, caption).Checked);
        const int before = Changes;
        Item(image, caption).Command();
        EXPECT_TRUE(Item(image, caption).Checked);
        EXPECT_GT(Changes, before) << "the document records it";
    }
    EXPECT_EQ(image.BorderStyle(), bsSingle);
    EXPECT_FALSE(Item(image, u"Stretch to Fit"_qs).Checked) << "AutoSize turned it off";
    Item(image, u"Stretch to Fit"_qs).Command();
    EXPECT_TRUE(image.Stretch());
    EXPECT_FALSE(image.AutoSize());
}

// Regression: switching Stretch on turned AutoSize off without the document
// noticing, so closing lost the change.
TEST_F(LumImageTest, StretchChangeIsRecorded)
{
    TLumImage &image = Place(10, 10, 50, 50);
    image.SetAutoSize(true);
    const int before = Changes;
    image.SetStretch(true);
    EXPECT_GT(Changes, before);
}

TEST_F(LumImageTest, AutoSizeFollowsThePictureAtTheZoom)
{
    TLumImage &image = Place(10, 20, 105, 105);
    View.SetZoom(0.8f);
    image.SetPicture(BitmapPicture(50, 40));
    Item(image, u"AutoSize"_qs).Command();
    EXPECT_EQ(image.Bounds(), (TBounds{8, 16, 40, 32}));
    View.SetZoom(1.0f);
    EXPECT_EQ(image.Bounds(), (TBounds{10, 20, 50, 40}));
    image.SetObjectBounds(10, 20, 90, 90);
    EXPECT_EQ(image.Bounds(), (TBounds{10, 20, 50, 40})) << "a resize snaps back";
}

TEST_F(LumImageTest, StretchKeepsTheBounds)
{
    TLumImage &image = Place(10, 20, 70, 30);
    image.SetPicture(BitmapPicture(50, 40));
    EXPECT_EQ(image.Bounds(), (TBounds{10, 20, 70, 30}));
    EXPECT_FALSE(image.Opaque());
    image.SetObjectBounds(10, 20, 50, 40);
    image.SetPicture(image.Picture());
    EXPECT_TRUE(image.Opaque()) << "a bitmap of exactly the object's size";
}

TEST_F(LumImageTest, PaintingStretchesAndMirrors)
{
    TLumImage &image = Place(0, 0, 100, 60);
    image.SetPicture(BitmapPicture(10, 6));
    const struct
    {
        bool flip, reverse;
        QPoint red, blue, green;
    } cases[] = {
        {false, false, {20, 30}, {80, 30}, {50, 2}},
        {false, true, {80, 30}, {20, 30}, {50, 2}},
        {true, false, {20, 30}, {80, 30}, {50, 57}},
        {true, true, {80, 30}, {20, 30}, {50, 57}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.flip << c.reverse);
        image.SetFlip(c.flip);
        image.SetReverse(c.reverse);
        const QImage painted = Painted(image);
        EXPECT_EQ(QColor(painted.pixel(c.red)), QColor(Qt::red));
        EXPECT_EQ(QColor(painted.pixel(c.blue)), QColor(Qt::blue));
        EXPECT_EQ(QColor(painted.pixel(c.green)), QColor(Qt::green));
    }
}

TEST_F(LumImageTest, FitAndFillPlaceThePictureInTheFrame)
{
    // Red on the left half, blue on the right: 120 x 60 when filling the
    // 60 x 60 frame, 60 x 30 in its middle when fitting.
    TLumImage &image = Place(0, 0, 60, 60);
    image.SetPicture(TLumPicture::FromBitmap([] {
        QImage picture(40, 20, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QPainter(&picture).fillRect(0, 0, 20, 20, Qt::red);
        return picture;
    }()));
    const QColor red(Qt::red), blue(Qt::blue), white(Qt::white);
    const struct
    {
        TImageFit fit;
        int cropX;
        bool reverse;
        QPoint probes[4];
        QColor colours[4];
    } cases[] = {
        {ifStretch, 50, false, {{2, 2}, {27, 57}, {32, 2}, {57, 57}}, {red, red, blue, blue}},
        {ifFit, 50, false, {{30, 13}, {2, 16}, {57, 43}, {30, 46}}, {white, red, blue, white}},
        {ifFill, 50, false, {{2, 2}, {27, 57}, {32, 2}, {57, 57}}, {red, red, blue, blue}},
        {ifFill, 0, false, {{2, 2}, {57, 57}, {30, 30}, {57, 2}}, {red, red, red, red}},
        {ifFill, 100, false, {{2, 2}, {57, 57}, {30, 30}, {57, 2}}, {blue, blue, blue, blue}},
        {ifFill, 0, true, {{2, 2}, {57, 57}, {30, 30}, {57, 2}}, {blue, blue, blue, blue}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.fit << " " << c.cropX << " " << c.reverse);
        image.SetFit(c.fit);
        image.SetCropX(c.cropX);
        image.SetReverse(c.reverse);
        const QImage painted = Painted(image);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(QColor(painted.pixel(c.probes[i])), c.colours[i])
                << c.probes[i].x() << "," << c.probes[i].y();
    }
}

TEST_F(LumImageTest, FitChoicesAreCheckedAndRecorded)
{
    TLumImage &image = Place(10, 10, 50, 50);
    image.SetPicture(BitmapPicture(20, 20));
    image.SetAutoSize(true);
    EXPECT_FALSE(Item(image, u"Stretch"_qs).Checked) << "AutoSize shows the picture at its size";
    const struct
    {
        const char *caption;
        TImageFit fit;
    } cases[] = {{"Fill", ifFill}, {"Fit", ifFit}, {"Stretch", ifStretch}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.caption);
        const int before = Changes;
        Item(image, QString::fromLatin1(c.caption)).Command();
        EXPECT_EQ(image.Fit(), c.fit);
        EXPECT_FALSE(image.AutoSize());
        EXPECT_GT(Changes, before);
        for (const char *other : {"Fit", "Stretch", "Fill"})
            EXPECT_EQ(Item(image, QString::fromLatin1(other)).Checked,
                      QLatin1String(other) == QLatin1String(c.caption));
    }
    const int before = Changes;
    Item(image, u"One Picture per Page"_qs).Command();
    EXPECT_TRUE(image.PicturePerPage());
    EXPECT_TRUE(Item(image, u"One Picture per Page"_qs).Checked);
    EXPECT_GT(Changes, before);
    image.SetCropX(-20);
    EXPECT_EQ(image.CropX(), 0);
    image.SetCropY(300);
    EXPECT_EQ(image.CropY(), 100);
}

TEST_F(LumImageTest, EmptyPictureIsAnOutlineAndBorderAFrame)
{
    TLumImage &image = Place(0, 0, 40, 30);
    QImage painted = Painted(image);
    EXPECT_EQ(painted.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(painted.pixel(39, 29), qRgb(0, 0, 0));
    EXPECT_EQ(painted.pixel(20, 15), qRgb(255, 255, 255));
    image.SetPicture(IconPicture());
    image.SetBorderStyle(bsSingle);
    painted = Painted(image);
    EXPECT_EQ(painted.pixel(0, 15), qRgb(0, 0, 0));
    EXPECT_EQ(painted.pixel(39, 15), qRgb(0, 0, 0));
    EXPECT_EQ(painted.pixel(20, 15), qRgb(255, 255, 0)) << "the icon stretched";
    EXPECT_EQ(painted.pixel(1, 1), qRgb(255, 255, 255)) << "its transparent rim on white";
}

TEST_F(LumImageTest, ShownCopyIsMadeAgainWhenThePictureChanges)
{
    TLumImage &image = Place(0, 0, 40, 30);
    image.SetPicture(BitmapPicture(40, 30));
    EXPECT_EQ(QColor(Painted(image).pixel(5, 15)), QColor(Qt::red));
    QImage cyan(4, 4, QImage::Format_RGB32);
    cyan.fill(Qt::cyan);
    image.SetPicture(TLumPicture::FromBitmap(cyan));
    EXPECT_EQ(QColor(Painted(image).pixel(5, 15)), QColor(Qt::cyan));
}

// Regression: a picture object was drawn through a copy of its whole size,
// so a document claiming one of 27,000 pixels a side took 2.9 GB and crashed
// the renderer, and one larger still was not drawn at all. Only what shows is
// drawn now, mirrored as it should be.
TEST_F(LumImageTest, AnObjectOfAnySizeDrawsWhatShowsOfIt)
{
    constexpr int side = 1'000'000;
    // The middle of the picture's third column and fourth row falls on
    // (20, 40) of the page.
    TLumImage &image = Place(20 - side / 4, 40 - side * 7 / 12, side, side);
    // Red on the left half, blue on the right, green along the top row.
    image.SetPicture(BitmapPicture(10, 6));
    for (const bool reverse : {false, true}) {
        SCOPED_TRACE(reverse);
        image.SetReverse(reverse);
        QImage page(100, 60, QImage::Format_RGB32);
        page.fill(Qt::gray);
        QPainter painter(&page);
        Panel.PaintObjects(painter, {0, 0, 100, 60});
        painter.end();
        EXPECT_EQ(QColor(page.pixel(20, 40)), QColor(reverse ? Qt::blue : Qt::red));
    }
}

class LoadImageFromDisk : public LumImageTest
{
protected:
    void Answer(std::optional<TImageChoice> choice)
    {
        SetImagePrompt([this, choice](bool stretch, bool autoSize) {
            Asked.append({stretch, autoSize});
            QDir::setCurrent(Folder.path());
            return choice;
        });
    }

    QTemporaryDir Folder;
    QList<std::pair<bool, bool>> Asked;
};

TEST_F(LoadImageFromDisk, TakesThePictureAndTheBoxes)
{
    TLumImage &image = Place(10, 10, 105, 105);
    const QString folder = QDir::currentPath();
    Answer(TImageChoice{u"a.bmp"_qs, BitmapPicture(50, 40), false, true});
    const int before = Changes;
    image.LoadImageFromDisk();
    EXPECT_EQ(Asked, (QList<std::pair<bool, bool>>{{true, false}}));
    EXPECT_TRUE(image.Picture().IsBitmap());
    EXPECT_TRUE(image.AutoSize());
    EXPECT_FALSE(image.Stretch());
    EXPECT_EQ(image.Width(), 50);
    EXPECT_GT(Changes, before);
    EXPECT_EQ(QDir::currentPath(), folder) << "the current folder is restored";
    EXPECT_TRUE(Warnings.isEmpty());
}

TEST_F(LoadImageFromDisk, BadFileIsToldAndClearsThePicture)
{
    TLumImage &image = Place(10, 10, 105, 105);
    image.SetPicture(BitmapPicture(5, 5));
    Answer(TImageChoice{u"bad.bmp"_qs, TLumPicture::FromStoredData("\x07TBitmap"), true, false});
    image.LoadImageFromDisk();
    EXPECT_EQ(Warnings, QStringList{u"Error: Error loading file!"_qs});
    EXPECT_TRUE(image.Picture().IsEmpty());
}

TEST_F(LoadImageFromDisk, CancelOrNoFileChangesNothing)
{
    TLumImage &image = Place(10, 10, 105, 105);
    image.SetPicture(BitmapPicture(5, 5));
    for (const std::optional<TImageChoice> &choice :
         {std::optional<TImageChoice>(), std::optional(TImageChoice{{}, {}, false, true})}) {
        Answer(choice);
        image.LoadImageFromDisk();
        EXPECT_TRUE(image.Picture().IsBitmap());
        EXPECT_TRUE(image.Stretch());
    }
    EXPECT_TRUE(Warnings.isEmpty());
}

} // namespace
