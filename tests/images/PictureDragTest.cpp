#include "LumBasePanel.h"
#include "LumImage.h"
#include "TestObject.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

class TImagePanel : public TLumBasePanel
{
public:
    TImagePanel() { SetPanelSize(600, 400); }
};

// A picture of 40 x 20 or 20 x 40 at (100, 80), 100 x 100 at zoom 1 and
// selected, on a panel at a zoom, on a clock the test moves. Filling its
// frame it is 200 pixels wide (or tall): 100 pixels of overflow.
class PictureDrag : public ::testing::Test
{
protected:
    PictureDrag()
    {
        Panel.SetClock([this] { return Now; });
        Panel.LabelChangedEvent = [this] { ++Changes; };
    }

    TLumImage &Place(float zoom, TImageFit fit, QSize picture = {40, 20})
    {
        auto made = std::make_unique<TLumImage>();
        made->SetObjectBounds(100, 80, 100, 100);
        made->FinishLoad();
        QImage bitmap(picture, QImage::Format_RGB32);
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x)
                bitmap.setPixel(x, y, qRgb(x * 6, y * 6, 128));
        made->SetPicture(TLumPicture::FromBitmap(bitmap));
        made->SetFit(fit);
        auto &image = static_cast<TLumImage &>(Panel.Objects().Insert(std::move(made)));
        View.SetZoom(1.0f);
        View.SetZoom(zoom);
        Panel.Select(image);
        Changes = 0;
        return image;
    }

    // A press on the handle at the picture's centre, a move by moved panel
    // pixels slower than a click, and the release there.
    void Press(const TLumImage &image, Qt::KeyboardModifiers shift)
    {
        const TBounds &h = Panel.Handle().Bounds();
        m_from = QPoint(image.Left() + image.Width() / 2 - h.Left,
                        image.Top() + image.Height() / 2 - h.Top);
        Panel.HandleMouseMove(Qt::NoButton, shift, m_from.x(), m_from.y());
        Panel.HandleMouseDown(Qt::LeftButton, shift, m_from.x(), m_from.y());
    }
    void MoveBy(QPoint moved)
    {
        Now += 200;
        Panel.HandleMouseMove(Qt::LeftButton, Qt::NoModifier, m_from.x() + moved.x(),
                              m_from.y() + moved.y());
    }
    void ReleaseAt(QPoint moved)
    {
        Panel.HandleMouseUp(Qt::LeftButton, Qt::NoModifier, m_from.x() + moved.x(),
                            m_from.y() + moved.y());
    }
    void Drag(const TLumImage &image, QPoint moved, Qt::KeyboardModifiers shift)
    {
        Press(image, shift);
        MoveBy(moved);
        ReleaseAt(moved);
    }

    static TBounds Unzoomed(const TLumImage &image)
    {
        return {image.UnzoomedLeft(), image.UnzoomedTop(), image.UnzoomedWidth(),
                image.UnzoomedHeight()};
    }

    qint64 Now = 100000;
    TImagePanel Panel;
    TRecordingView View{Panel};
    int Changes = 0;

private:
    QPoint m_from;
};

} // namespace

TEST_F(PictureDrag, ACtrlDragMovesTheCropByTheSameShareAtEveryZoom)
{
    const struct
    {
        float zoom;
        QSize picture;
        QPoint moved;
        QPoint crop;
    } cases[] = {
        {1.0f, {40, 20}, {20, 0}, {30, 50}},   {1.0f, {40, 20}, {-30, 35}, {80, 50}},
        {1.0f, {40, 20}, {90, 0}, {0, 50}},    {1.0f, {20, 40}, {5, -25}, {50, 75}},
        {0.6f, {40, 20}, {12, 0}, {30, 50}},   {0.6f, {40, 20}, {-18, -5}, {80, 50}},
        {0.6f, {40, 20}, {-45, 0}, {100, 50}}, {0.6f, {20, 40}, {0, 15}, {50, 25}},
        {0.2f, {40, 20}, {4, 0}, {30, 50}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.zoom << " " << c.moved.x() << "," << c.moved.y());
        Panel.DeleteAllObjects();
        TLumImage &image = Place(c.zoom, ifFill, c.picture);
        const TBounds bounds = Unzoomed(image);
        const TBounds shown = image.Bounds();
        Press(image, Qt::ControlModifier);
        EXPECT_TRUE(Panel.Handle().DraggingContent());
        EXPECT_EQ(View.Cursor, TDesignCursor::SizeAll);
        MoveBy(c.moved);
        // The picture follows the pointer before the release; the document
        // hears of it once, at the release.
        EXPECT_EQ(QPoint(image.CropX(), image.CropY()), c.crop);
        EXPECT_EQ(Changes, 0);
        ReleaseAt(c.moved);
        EXPECT_FALSE(Panel.Handle().DraggingContent());
        EXPECT_EQ(QPoint(image.CropX(), image.CropY()), c.crop);
        EXPECT_EQ(Changes, 1);
        EXPECT_EQ(Unzoomed(image), bounds);
        EXPECT_EQ(image.Bounds(), shown);
        EXPECT_FALSE(Panel.Handle().Captured());
    }
}

TEST_F(PictureDrag, OtherDragsMoveTheObject)
{
    const struct
    {
        const char *what;
        TImageFit fit;
        QSize picture;
        Qt::KeyboardModifiers shift;
    } cases[] = {
        {"fill without Ctrl", ifFill, {40, 20}, Qt::NoModifier},
        {"fit with Ctrl", ifFit, {40, 20}, Qt::ControlModifier},
        {"stretch with Ctrl", ifStretch, {40, 20}, Qt::ControlModifier},
        {"fill without overflow", ifFill, {30, 30}, Qt::ControlModifier},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Panel.DeleteAllObjects();
        TLumImage &image = Place(1.0f, c.fit, c.picture);
        Drag(image, {20, 10}, c.shift);
        EXPECT_EQ(image.Left(), 120);
        EXPECT_EQ(image.Top(), 90);
        EXPECT_EQ(QPoint(image.CropX(), image.CropY()), QPoint(50, 50));
    }
}

TEST_F(PictureDrag, AQuickCtrlClickOrADragBackChangesNothing)
{
    TLumImage &image = Place(1.0f, ifFill);
    Press(image, Qt::ControlModifier);
    MoveBy({40, 0});
    Now = 100000 + 50;
    ReleaseAt({3, 1});
    EXPECT_EQ(image.CropX(), 50);
    EXPECT_EQ(Changes, 0);
    Press(image, Qt::ControlModifier);
    MoveBy({-30, 0});
    MoveBy({0, 0});
    ReleaseAt({0, 0});
    EXPECT_EQ(image.CropX(), 50);
    EXPECT_EQ(Changes, 0);
    EXPECT_EQ(image.Left(), 100);
}

TEST_F(PictureDrag, ALockedPictureOrHandleIsNotDragged)
{
    TLumImage &image = Place(1.0f, ifFill);
    image.SetLocked(true);
    Drag(image, {20, 0}, Qt::ControlModifier);
    EXPECT_EQ(image.CropX(), 50);
    EXPECT_EQ(image.Left(), 100);
    image.SetLocked(false);
    Panel.Handle().SetLocked(true);
    Drag(image, {20, 0}, Qt::ControlModifier);
    EXPECT_EQ(image.CropX(), 50);
    EXPECT_EQ(image.Left(), 100);
}

TEST_F(PictureDrag, CtrlOverAFillingPictureShowsTheMoveCursor)
{
    TLumImage &image = Place(1.0f, ifFill);
    const TBounds &h = Panel.Handle().Bounds();
    const QPoint centre(image.Left() + 50 - h.Left, image.Top() + 50 - h.Top);
    Panel.HandleMouseMove(Qt::NoButton, Qt::ControlModifier, centre.x(), centre.y());
    EXPECT_EQ(View.Cursor, TDesignCursor::SizeAll);
    Panel.HandleMouseMove(Qt::NoButton, Qt::NoModifier, centre.x(), centre.y());
    EXPECT_EQ(View.Cursor, TDesignCursor::HandGrab);
    // On the grips, outside the picture, the grips' cursor stays.
    Panel.HandleMouseMove(Qt::NoButton, Qt::ControlModifier, h.Width - 1, h.Height - 1);
    EXPECT_EQ(View.Cursor, TDesignCursor::SizeNWSE);
}

TEST_F(PictureDrag, ClearingTheSelectionEndsTheDragAsOneChange)
{
    TLumImage &image = Place(1.0f, ifFill);
    Press(image, Qt::ControlModifier);
    MoveBy({-20, 0});
    Panel.Handle().Clear();
    EXPECT_FALSE(Panel.Handle().DraggingContent());
    EXPECT_EQ(image.CropX(), 70);
    EXPECT_EQ(Changes, 1);
}
