#include "CalendarPagePaint.h"

#include "CalendarDrawing.h"
#include "CalendarPage.h"
#include "Numbers.h"
#include "PaintCache.h"
#include "Ppi.h"

#include <QPainter>
#include <QPicture>

namespace {

TRect Scaled(const TRect &rect, float scale)
{
    const double s = scale;
    return {Trunc(rect.Left * s), Trunc(rect.Top * s), Trunc(rect.Right * s),
            Trunc(rect.Bottom * s)};
}

TFontDesc ScaledFont(TFontDesc font, float scale)
{
    font.Size = Trunc(font.Size * double(scale));
    return font;
}

void SetNames(TCalendarAttributes &attributes, const TCalendarPage &page)
{
    for (int month = 1; month <= 12; ++month)
        attributes.MonthNames[month - 1] = page.GetMonthName(month);
    for (int day = 1; day <= 7; ++day)
        attributes.DayNames[day - 1] = page.GetDayName(day);
}

// The month grid or planner at scale with the geometry it laid out; false
// when the layout shows neither.
bool DrawMain(QPainter &target, const TCalendarPage &page, float scale, TCalendarAttributes &drawn)
{
    TCalendarAttributes attributes = MainDrawingAttributes(page, scale);
    switch (MainDrawingOf(page)) {
    case TMainDrawing::None:
        return false;
    case TMainDrawing::MonthGrid:
        DrawMonthGrid(target, attributes, page.UserTitle());
        break;
    case TMainDrawing::WeekPlanner:
        DrawWeekPlanner(target, attributes, page.UserTitle());
        break;
    case TMainDrawing::DayPlanner:
        DrawDayPlanner(target, attributes, page.UserTitle());
        break;
    }
    drawn = std::move(attributes);
    return true;
}

// What the screen keeps of a drawing: the geometry the grid or planner laid
// out, the rest of the record as it was.
void KeepGeometry(TCalendarAttributes &kept, const TCalendarAttributes &drawn)
{
    kept.CellGeometry = drawn.CellGeometry;
    kept.TitleRect = drawn.TitleRect;
    kept.DayNamesRect = drawn.DayNamesRect;
    kept.WeekCells = drawn.WeekCells;
    kept.ZoomPercent = drawn.ZoomPercent;
}

// Each non-empty cell's document painted into its text area at the zoom,
// over white, with line breaks of the unzoomed width.
void PaintCellTexts(QPainter &target, const TCalendarPage &page, const TCalendarAttributes &drawn,
                    TPaintCache &cache, qreal pixelRatio)
{
    const int zoom = drawn.ZoomPercent;
    const auto &cells = drawn.CellGeometry;
    for (int index = 1; index <= CellCount; ++index) {
        const TRect &free = cells[index - 1].rFree;
        const TWPRTFTextPaint *document = page.CellDocument(index);
        if (free.Width() <= 0 || free.Height() <= 0 || document->IsEmpty())
            continue;
        const QSize size(free.Width() + 1, free.Height() + 1);
        target.drawImage(free.Left, free.Top,
                         cache.CellText(index, *document, size, zoom, pixelRatio));
    }
}

// Each mini from its kept picture: a mini covers its rectangle entirely.
void DrawMinis(QPainter &target, const TCalendarPage &page, float scale, TPaintCache &cache,
               qreal pixelRatio)
{
    TCalendarAttributes attributes = MiniDrawingAttributes(page, scale);
    for (int k = 1; k <= page.MiniCount(); ++k) {
        const TMonthYear month = page.MiniMonth(k);
        attributes.Month = month.Month;
        attributes.Year = month.Year;
        attributes.CalRect = Scaled(page.MiniRect(k), scale);
        if (attributes.CalRect.Width() > 0 && attributes.CalRect.Height() > 0)
            target.drawImage(attributes.CalRect.Left, attributes.CalRect.Top,
                             cache.MiniCalendar(attributes, pixelRatio));
    }
}

} // namespace

TMainDrawing MainDrawingOf(const TCalendarPage &page)
{
    if (page.CalendarHidden())
        return TMainDrawing::None;
    switch (page.CalendarLayout()) {
    case loWeek:
    case lo2Week:
        return TMainDrawing::WeekPlanner;
    case loDay10:
    case loDay15:
        return TMainDrawing::DayPlanner;
    default:
        return page.ShowMonthGrid() ? TMainDrawing::MonthGrid : TMainDrawing::None;
    }
}

TCalendarAttributes MainDrawingAttributes(const TCalendarPage &page)
{
    return MainDrawingAttributes(page, page.Zoom());
}

TCalendarAttributes MainDrawingAttributes(const TCalendarPage &page, float scale)
{
    TCalendarAttributes attributes;
    attributes.BackColor = clWhite;
    attributes.TitleBackColor = page.TitleBGColor();
    attributes.MinTitleHeight = Trunc(ScreenPpi() * 1.5 * double(scale));
    attributes.Month = page.MainCalMonth();
    attributes.Year = page.MainCalYear();
    attributes.Day = page.MainCalDay();
    attributes.CalRect = Scaled(page.MainRect(), scale);
    attributes.NumberPosition = page.NumberPosition();
    attributes.StartOfWeek = page.StartOfWeek();
    attributes.WeekNumbers = page.WeekNumbers();
    attributes.CalendarBorder = page.CalendarBorder();
    attributes.TitleFont = ScaledFont(page.TitleFont(), scale);
    attributes.TitleShowYear = page.TitleShowYear();
    attributes.HeadersFont = ScaledFont(page.HeadersFont(), scale);
    attributes.HeadersBorder = page.HeadersBorder();
    attributes.HeadersStyle = page.HeadersStyle();
    attributes.HeadersBackColor = page.HeadersBGColor();
    attributes.CellFont = ScaledFont(page.CellFont(), scale);
    attributes.CellBorder = page.CellBorder();
    attributes.PlannerStart = page.PlannerStartTime();
    attributes.PlannerDays = page.CalendarLayout() == lo2Week ? 14 : 7;
    attributes.PlannerHours = page.CalendarLayout() == loDay15 ? 15 : 10;
    attributes.ZoomPercent = Trunc(double(scale) * 100);
    SetNames(attributes, page);
    return attributes;
}

TCalendarAttributes MiniDrawingAttributes(const TCalendarPage &page)
{
    return MiniDrawingAttributes(page, page.Zoom());
}

TCalendarAttributes MiniDrawingAttributes(const TCalendarPage &page, float scale)
{
    TCalendarAttributes attributes;
    attributes.BackColor = page.MiniCalBGColor();
    attributes.TitleBackColor = page.MiniCalBGColor();
    attributes.MinTitleHeight = 0;
    attributes.NumberPosition = cnpCenter;
    attributes.StartOfWeek = page.StartOfWeek();
    attributes.WeekNumbers = page.WeekNumbers();
    attributes.CalendarBorder = page.MiniCalBorder();
    attributes.TitleFont = ScaledFont(page.MiniTitleFont(), scale);
    attributes.TitleShowYear = page.MiniShowYear();
    attributes.HeadersFont = ScaledFont(page.MiniHeadersFont(), scale);
    attributes.HeadersBorder = page.MiniHeadersBorder();
    attributes.HeadersStyle = page.MiniHeadersStyle();
    attributes.HeadersBackColor = page.MiniHeadersBGColor();
    attributes.CellFont = ScaledFont(page.MiniCellFont(), scale);
    attributes.CellBorder = page.MiniCellBorder();
    SetNames(attributes, page);
    return attributes;
}

void DrawBorderPicture(QPainter &target, const TCalendarPage &page, const TRect &rect)
{
    const TWmfPicture *border = page.BorderMetafile();
    if (page.WMFBorderFile().isEmpty() || !border || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    target.save();
    border->Play(target, QRectF(rect.Left, rect.Top, rect.Width(), rect.Height()));
    target.restore();
}

TCalendarAttributes PaintPageAt(QPainter &target, const TCalendarPage &page, float scale,
                                TPaintCache &cache, qreal pixelRatio)
{
    TCalendarAttributes drawn;
    DrawBorderPicture(target, page, Scaled(page.BorderRect(), scale));
    if (DrawMain(target, page, scale, drawn))
        PaintCellTexts(target, page, drawn, cache, pixelRatio);
    if (page.ShowMinis())
        DrawMinis(target, page, scale, cache, pixelRatio);
    return drawn;
}

TCalendarAttributes DrawingGeometryAt(const TCalendarPage &page, float scale)
{
    TCalendarAttributes drawn;
    QPicture nothing;
    QPainter painter(&nothing);
    DrawMain(painter, page, scale, drawn);
    return drawn;
}

QImage PageImageAt(const TCalendarPage &page, float scale, TPaintCache &cache, qreal pixelRatio,
                   TCalendarAttributes *drawn)
{
    const QSize size = page.SizeAt(scale);
    QImage image(QSize(std::max(size.width(), 1), std::max(size.height(), 1)) * pixelRatio,
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    TCalendarAttributes geometry = PaintPageAt(painter, page, scale, cache, pixelRatio);
    if (drawn)
        *drawn = std::move(geometry);
    return image;
}

QImage PageBitmapAt(const TCalendarPage &page, float scale, TPaintCache &cache)
{
    QImage image = PageImageAt(page, scale, cache);
    QPainter painter(&image);
    page.PaintObjectsAt(painter, scale);
    return image;
}

QImage PageBitmapAt(const TCalendarPage &page, float scale)
{
    TPaintCache cache;
    return PageBitmapAt(page, scale, cache);
}

void PaintPage(QPainter &target, TCalendarPage &page, TPaintCache &cache, qreal pixelRatio)
{
    const TCalendarAttributes drawn = PaintPageAt(target, page, page.Zoom(), cache, pixelRatio);
    if (MainDrawingOf(page) != TMainDrawing::None)
        KeepGeometry(page.MainAttributes(), drawn);
}

void RecordDrawingGeometry(TCalendarPage &page)
{
    if (MainDrawingOf(page) != TMainDrawing::None)
        KeepGeometry(page.MainAttributes(), DrawingGeometryAt(page, page.Zoom()));
}

QImage RenderPageImage(TCalendarPage &page, TPaintCache &cache, qreal pixelRatio)
{
    TCalendarAttributes drawn;
    QImage image = PageImageAt(page, page.Zoom(), cache, pixelRatio, &drawn);
    if (MainDrawingOf(page) != TMainDrawing::None)
        KeepGeometry(page.MainAttributes(), drawn);
    return image;
}

QImage RenderPageImage(TCalendarPage &page)
{
    TPaintCache cache;
    return RenderPageImage(page, cache);
}

QImage RenderToBitmap(TCalendarPage &page, TPaintCache &cache)
{
    QImage image = RenderPageImage(page, cache);
    QPainter painter(&image);
    page.PaintObjects(painter, {0, 0, image.width(), image.height()});
    return image;
}

QImage RenderToBitmap(TCalendarPage &page)
{
    TPaintCache cache;
    return RenderToBitmap(page, cache);
}

TRect EditorCellRect(const TCalendarAttributes &drawn)
{
    TRect rect = drawn.CellGeometry[0].rFree;
    rect.Right += 5;
    rect.Bottom += 5;
    return rect;
}

TRect EditorCellRect(const TCalendarPage &page)
{
    return EditorCellRect(page.MainAttributes());
}

QImage PictureInsideMargins(const TCalendarPage &page, float scale, const QImage &pageImage)
{
    const double pixels = ScreenPpi() * double(scale);
    const int left = Trunc(pixels * double(page.LeftMarginInch()));
    const int top = Trunc(pixels * double(page.TopMarginInch()));
    const int right = Trunc(pixels * double(page.RightMarginInch()));
    const int bottom = Trunc(pixels * double(page.BottomMarginInch()));
    const QRect source(left, top, pageImage.width() - right - left,
                       pageImage.height() - bottom - top);
    if (source.width() < 2 || source.height() < 2)
        return {};
    QImage picture(source.width() - 1, source.height() - 1, pageImage.format());
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(picture.rect(), pageImage, source);
    return picture;
}
