#include "PaintCache.h"

#include "CalendarDrawing.h"
#include "RichTextPainter.h"
#include "RtfDocument.h"

#include <QDataStream>
#include <QIODevice>
#include <QPainter>

namespace {

// More minis than this are never on one page at a time; past it the cache
// starts afresh, so months paged through do not pile up.
constexpr int MaxMiniPictures = 2 * MaxMinis;

QDataStream &operator<<(QDataStream &out, const TFontDesc &font)
{
    return out << font.Name << font.Size << int(font.Style) << font.Color;
}

// Everything a mini's picture depends on, its position on the page excepted.
QByteArray MiniKey(const TCalendarAttributes &a)
{
    QByteArray key;
    QDataStream out(&key, QIODevice::WriteOnly);
    out << a.CalRect.Width() << a.CalRect.Height() << a.Month << a.Year << a.BackColor
        << a.TitleBackColor << a.MinTitleHeight << int(a.NumberPosition) << a.StartOfWeek
        << int(a.CalendarBorder) << a.TitleFont << a.TitleShowYear << a.HeadersFont
        << int(a.HeadersBorder) << int(a.HeadersStyle) << a.HeadersBackColor << a.CellFont
        << int(a.CellBorder) << int(a.WeekNumbers);
    for (const QString &name : a.MonthNames)
        out << name;
    for (const QString &name : a.DayNames)
        out << name;
    return key;
}

// A white picture of size pixels, each pixelRatio device pixels wide and high.
QImage WhitePicture(QSize size, qreal pixelRatio)
{
    QImage picture(size * pixelRatio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(Qt::white);
    return picture;
}

} // namespace

TPaintCache::TPaintCache() = default;
TPaintCache::~TPaintCache() = default;

bool TPaintCache::TCellText::Shows(QSize size, int zoomPercent, qreal pixelRatio) const
{
    return Image.deviceIndependentSize().toSize() == size &&
           Image.devicePixelRatio() == pixelRatio && ZoomPercent == zoomPercent;
}

const QImage &TPaintCache::CellText(int index, const TWPRTFTextPaint &document, QSize size,
                                    int zoomPercent, qreal pixelRatio)
{
    TCellText &cell = m_cells.at(index - 1);
    const double width = UnzoomedWidth(size.width(), zoomPercent);
    const double height = UnzoomedWidth(size.height(), zoomPercent);
    bool laidOut = cell.Layout && cell.Layout->Width() == width &&
                   cell.Layout->VisibleHeight() >= height &&
                   cell.Source.Unchanged(document.Document());
    if (laidOut && cell.Shows(size, zoomPercent, pixelRatio))
        return cell.Image;
    if (!laidOut) {
        cell.Source.Watch(document.Document());
        if (const TCellText *same = SameTextElsewhere(document, width)) {
            cell.Layout = same->Layout;
            if (same->Shows(size, zoomPercent, pixelRatio)) {
                cell.Image = same->Image;
                cell.ZoomPercent = zoomPercent;
                return cell.Image;
            }
        } else {
            cell.Layout = std::make_shared<const TWPRichTextLayout>(document, width, height);
        }
    }
    cell.Image = WhitePicture(size, pixelRatio);
    cell.ZoomPercent = zoomPercent;
    QPainter painter(&cell.Image);
    cell.Layout->Paint(painter, QPointF(0, 0), size.height(), 0, zoomPercent);
    return cell.Image;
}

const TPaintCache::TCellText *TPaintCache::SameTextElsewhere(const TWPRTFTextPaint &document,
                                                             double width) const
{
    for (const TCellText &other : m_cells) {
        if (other.Layout && other.Layout->Width() == width && other.Layout->HasContentOf(document))
            return &other;
    }
    return nullptr;
}

const QImage &TPaintCache::MiniCalendar(const TCalendarAttributes &attributes, qreal pixelRatio)
{
    const QByteArray key = MiniKey(attributes) + QByteArray::number(pixelRatio);
    const auto found = m_minis.constFind(key);
    if (found != m_minis.constEnd())
        return *found;
    if (m_minis.size() >= MaxMiniPictures)
        m_minis.clear();
    const TRect &rect = attributes.CalRect;
    QImage picture =
        WhitePicture(QSize(std::max(rect.Width(), 1), std::max(rect.Height(), 1)), pixelRatio);
    QPainter painter(&picture);
    TCalendarAttributes atOrigin = attributes;
    atOrigin.CalRect = {0, 0, rect.Width(), rect.Height()};
    DrawMonthGrid(painter, atOrigin, QString());
    return *m_minis.insert(key, picture);
}
