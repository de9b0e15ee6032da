// A page drawn at a zoom given as an argument: the same pixels and geometry
// as the page shown at that zoom, objects on paper at full size whatever the
// zoom shown, and nothing in the page or its objects changed by drawing.

#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "PdfExport.h"
#include "TestObject.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Documents holding every kind of placed object, and one of cell text only.
const char *const Documents[] = {"labels.DWC", "floating-calendars.DWC", "supertext.DWC",
                                 "huge-picture.DWC", "text.DWC"};
// Zoom steps the program offers, the zoom of a 300 dpi picture and one past 1.
const float Zooms[] = {0.201f, 0.501f, 0.701f, 1.001f, 1.1f, 3.125f};

void Load(TCalendarPage &page, const char *name)
{
    ASSERT_FALSE(page.LoadFromFile(QStringLiteral(DW_DOCUMENT_CORPUS "/") + name)) << name;
}

QByteArray Saved(const TCalendarPage &page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(page.SaveToDevice(buffer));
    return buffer.data();
}

struct TObjectState
{
    float Scale;
    TBounds Shown;
    TBounds Unzoomed;
    friend bool operator==(const TObjectState &, const TObjectState &) = default;
};

std::vector<TObjectState> ObjectStates(const TCalendarPage &page)
{
    std::vector<TObjectState> states;
    for (const TLumGraphicControl *object : page.Objects().Objects())
        states.push_back({object->Scale(), object->Bounds(), object->UnzoomedBounds()});
    return states;
}

std::vector<TRect> CellRects(const TCalendarAttributes &drawn)
{
    std::vector<TRect> rects;
    for (const TCellGeometry &cell : drawn.CellGeometry) {
        rects.push_back(cell.rTotal);
        rects.push_back(cell.rFree);
    }
    rects.push_back(drawn.TitleRect);
    rects.push_back(drawn.DayNamesRect);
    return rects;
}

QByteArray PdfWithoutDate(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression date(QStringLiteral("CreationDate \\(D:\\d+Z\\)"));
    return QString::fromLatin1(file.readAll()).replace(date, QString()).toLatin1();
}

} // namespace

TEST(DrawingAtScale, EqualsThePageShownAtThatZoomAndChangesNothing)
{
    for (const char *name : Documents) {
        TCalendarPage page;
        Load(page, name);
        RenderPageImage(page);
        const QByteArray bytes = Saved(page);
        const std::vector<TObjectState> objects = ObjectStates(page);
        const std::vector<TRect> screen = CellRects(page.MainAttributes());
        for (const float zoom : Zooms) {
            const QImage drawn = PageBitmapAt(page, zoom);
            const TCalendarAttributes geometry = DrawingGeometryAt(page, zoom);
            EXPECT_EQ(Saved(page), bytes) << name << " at " << zoom;
            EXPECT_TRUE(ObjectStates(page) == objects) << name << " at " << zoom;
            EXPECT_EQ(CellRects(page.MainAttributes()), screen) << name << " at " << zoom;
            EXPECT_EQ(page.Zoom(), 1.0f);

            TCalendarPage shown;
            Load(shown, name);
            TRecordingView view(shown);
            view.SetZoom(zoom);
            const QImage expected = RenderToBitmap(shown);
            EXPECT_EQ(drawn.size(), expected.size()) << name << " at " << zoom;
            EXPECT_TRUE(drawn == expected) << name << " at " << zoom;
            EXPECT_EQ(CellRects(geometry), CellRects(shown.MainAttributes()))
                << name << " at " << zoom;
        }
    }
}

TEST(DrawingAtScale, PaperShowsObjectsAtFullSizeWhateverTheZoomShown)
{
    QTemporaryDir folder;
    for (const char *name : Documents) {
        TCalendarPage full;
        Load(full, name);
        TCalendarPage zoomed;
        Load(zoomed, name);
        TRecordingView view(zoomed);
        view.SetZoom(0.701f);
        const QByteArray bytes = Saved(zoomed);
        const std::vector<TObjectState> objects = ObjectStates(zoomed);
        const QString fullPdf = folder.filePath(QStringLiteral("full.pdf"));
        const QString zoomedPdf = folder.filePath(QStringLiteral("zoomed.pdf"));
        ASSERT_FALSE(SavePageAsPdf(full, fullPdf, QStringLiteral("page")));
        ASSERT_FALSE(SavePageAsPdf(zoomed, zoomedPdf, QStringLiteral("page")));
        EXPECT_FALSE(PdfWithoutDate(fullPdf).isEmpty());
        EXPECT_EQ(PdfWithoutDate(zoomedPdf), PdfWithoutDate(fullPdf)) << name;
        EXPECT_EQ(Saved(zoomed), bytes) << name;
        EXPECT_TRUE(ObjectStates(zoomed) == objects) << name;
    }
}

TEST(DrawingAtScale, APictureOfThePageIsCutAtTheMarginsOfItsZoom)
{
    TCalendarPage page;
    page.SetLeftMarginInch(0.5f);
    page.SetTopMarginInch(0.25f);
    for (const float zoom : {0.501f, 1.0f, 3.125f}) {
        const QImage bitmap = PageBitmapAt(page, zoom);
        EXPECT_EQ(bitmap.size(), page.SizeAt(zoom));
        const QImage picture = PictureInsideMargins(page, zoom, bitmap);
        const int left = int(96 * double(zoom) * 0.5);
        const int top = int(96 * double(zoom) * 0.25);
        const int right = int(96 * double(zoom) * 0.25);
        EXPECT_EQ(picture.width(), bitmap.width() - left - right - 1) << zoom;
        EXPECT_EQ(picture.height(), bitmap.height() - top - right - 1) << zoom;
    }
}
