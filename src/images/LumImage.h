#pragma once

#include "LabelTypes.h"
#include "LumGraphicControl.h"
#include "LumPicture.h"
#include "ObjectPicture.h"
#include "PictureFit.h"

#include <QImage>

#include <memory>

// A picture placed on the page: a bitmap, icon or metafile chosen in the
// picture browser, shown in the object's bounds as Fit says: stretched over
// them, whole, or covering them cut where CropX and CropY say. AutoSize makes
// the bounds follow the picture's size at the zoom instead; Flip and
// Reverse mirror a bitmap; BorderStyle bsSingle adds a black frame.
//
// Published after the base's properties, in this order: AutoSize (default
// false), BorderStyle (always), Picture.Data (when there is a picture),
// Stretch (default true), Reverse and Flip (always), Fit (default
// ifStretch), CropX and CropY (default 50), PicturePerPage (default false).
// Readers that do not know the last four skip them: the picture is then
// stretched and the same on every page.
//
// On the screen the picture is drawn from a copy made at the object's size
// at the zoom shown, made again only when the picture, the size or the
// mirroring changes; a large photograph is thus scaled once, not on every
// repaint. An object too large for such a copy is drawn straight onto the
// device, clipped to what the device shows, so that whatever bounds a
// document claims for it, drawing costs what its visible part costs. On
// paper a bitmap prints at its own resolution and a metafile as vectors.
class TLumImage : public TLumGraphicControl
{
public:
    static const TClassInfo &Class();
    const TClassInfo &ClassInfo() const override { return Class(); }

    // 105 x 105, stretching, without picture.
    TLumImage();

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool Value);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    const TLumPicture &Picture() const { return m_picture; }
    // Takes the picture and runs the picture-changed step.
    void SetPicture(const TLumPicture &Value);
    QByteArray PictureData() const { return m_picture.StoredData(); }
    // Takes the picture of the stored form Value: a known one as it is, any
    // other decoded.
    void SetPictureData(const QByteArray &Value);
    // Pictures taken as they are when their stored form is read.
    void SetKnownPictures(std::shared_ptr<const TKnownPictures> Pictures);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool Value);
    bool Reverse() const { return m_reverse; }
    void SetReverse(bool Value);
    bool Flip() const { return m_flip; }
    void SetFlip(bool Value);
    TImageFit Fit() const { return m_fit; }
    void SetFit(TImageFit Value);
    // Where an overflowing picture is cut, 0 to 100 (values outside are
    // clamped); 50 centres it.
    int CropX() const { return m_cropX; }
    void SetCropX(int Value);
    int CropY() const { return m_cropY; }
    void SetCropY(int Value);
    // In a set of pages, each page shows a picture of its own here; a page
    // without one shows Picture.
    bool PicturePerPage() const { return m_picturePerPage; }
    void SetPicturePerPage(bool Value);

    // Whether the object covers what lies under it: a bitmap of exactly the
    // object's size.
    bool Opaque() const { return m_opaque; }

    // Opens the picture browser and takes the picture chosen; a file that
    // could not be read is told ("Error loading file!") and clears the
    // picture. The current folder is kept. True when a picture was taken.
    bool LoadImageFromDisk();

    // Draws the object at the painter's origin at the frame's size: white,
    // the picture placed as Fit says (a bitmap mirrored as Flip and Reverse
    // say), or without picture a black outline. The painter's clip bounds
    // the cost.
    void DrawPicture(QPainter &Target, const TObjectFrame &Frame) const;

    void PaintFrame(QPainter &Target, const TObjectFrame &Frame) const override;
    // With AutoSize, the picture's size at that zoom.
    void FitSize(int &Width, int &Height, float Scale) const override;
    void FinishLoad() override;
    void PrintObject(TCanvasReport &Report, double OffsetX, double OffsetY,
                     float Scale) const override;
    void AddMenuItems(TDesignMenu &Menu) override;
    // With Fill, a picture overflowing the bounds at zoom 1 moves inside
    // them: the drag changes CropX and CropY.
    bool DragsContent() const override;
    void BeginContentDrag() override;
    void DragContent(QPointF Moved) override;
    bool ContentMoved() const override;

private:
    // The picture's size at the zoom fixes the bounds (with AutoSize), the
    // opacity is found again and the object repainted.
    void PictureChanged();
    // With AutoSize and a picture, the bounds become the picture's size at
    // the zoom.
    // The copy on the screen is made again and the object drawn again.
    void Repaint();
    void SetFlag(bool &flag, bool Value);
    void SetNumber(int &number, int Value);
    // The picture placed in a frame of the object's size at zoom 1.
    TFittedPicture Fitted(const QRectF &frame) const;
    // Whether the picture is an opaque bitmap of exactly the frame's size,
    // which is shown as it is.
    bool ShownAsItIs(const TObjectFrame &frame) const;
    // The bitmap a report prints: the picture at its own size, mirrored.
    QImage PrintedBitmap() const;

    bool m_autoSize = false;
    TBorderStyle m_borderStyle = bsNone;
    TLumPicture m_picture;
    bool m_stretch = true;
    bool m_reverse = false;
    bool m_flip = false;
    TImageFit m_fit = ifStretch;
    int m_cropX = 50;
    int m_cropY = 50;
    // The crop a drag of the picture began at.
    QPoint m_dragCrop;
    bool m_picturePerPage = false;
    bool m_opaque = false;
    std::shared_ptr<const TKnownPictures> m_knownPictures;
    // The drawing shown on the screen, and what it was made from.
    mutable TObjectPicture m_shown;
    quint64 m_revision = 0;
};

// Makes the picture object known to the documents and the clipboard of
// every panel made from now on.
void RegisterImageClasses();

// While it lives, picture objects read through classes (when they know
// picture objects) take their pictures from known where it has them, instead
// of decoding them again.
class TKnownPicturesReading
{
public:
    TKnownPicturesReading(TClassRegistry &classes, std::shared_ptr<const TKnownPictures> known);
    ~TKnownPicturesReading();
    TKnownPicturesReading(const TKnownPicturesReading &) = delete;
    TKnownPicturesReading &operator=(const TKnownPicturesReading &) = delete;

private:
    TClassRegistry &m_classes;
    const TClassInfo *m_previous;
    TClassInfo m_class;
};
