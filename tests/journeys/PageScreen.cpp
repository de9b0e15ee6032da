#include "PageScreen.h"

#include "CalendarMain.h"
#include "CalendarPagePaint.h"
#include "CalendarPanel32.h"
#include "DocumentWatch.h"
#include "HandleGeometry.h"
#include "LumLabelObjectFiler.h"
#include "WPRichText.h"

#include <QApplication>
#include <QBackingStore>
#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>

namespace {

constexpr QRgb Ignored = 255;

QByteArray Saved(const TCalendarPage &page)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    page.SaveToDevice(out);
    return out.data();
}

void Load(TCalendarPage &page, QByteArray bytes)
{
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    page.LoadFromDevice(in);
}

QRect Intersected(const TRect &r, const QRect &area)
{
    return r.ToQRect().intersected(area);
}

// Marks rect (page pixels) in a mask of the visible part.
void MarkIgnored(QImage &mask, const QRect &visible, const QRect &rect)
{
    const QRect part = rect.intersected(visible).translated(-visible.topLeft());
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            mask.setPixel(x, y, Ignored);
}

// Where two pictures of the visible part differ outside the mask.
QString Compare(const QImage &one, const QImage &other, const QImage &mask, const QRect &visible)
{
    if (one.size() != other.size())
        return QStringLiteral("sizes %1x%2 and %3x%4")
            .arg(one.width())
            .arg(one.height())
            .arg(other.width())
            .arg(other.height());
    int count = 0;
    QRect where;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            if (mask.pixelIndex(x, y) == Ignored || one.pixel(x, y) == other.pixel(x, y))
                continue;
            ++count;
            where |= QRect(x, y, 1, 1);
        }
    }
    if (count == 0)
        return {};
    where.translate(visible.topLeft());
    return QStringLiteral("%1 pixels differ within (%2, %3) to (%4, %5) of the page")
        .arg(count)
        .arg(where.left())
        .arg(where.top())
        .arg(where.right())
        .arg(where.bottom());
}

QImage Rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// Whether the windows are on a display server (X), not headless.
bool OnDisplay()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

QByteArray DocumentBytes(TCalendarMain &window)
{
    const TCalendarPage &page = *window.Parts().CalendarPage;
    const int edited = window.Session().CurrentCell();
    if (!window.Session().CellEditing() || !window.Parts().WPRichText1->isVisible() || edited < 1 ||
        edited > CellCount ||
        SameContent(window.Parts().WPRichText1->RtfText().Document(),
                    page.CellDocument(edited)->Document()))
        return Saved(page);
    TCalendarPage withEditor;
    Load(withEditor, Saved(page));
    // Loading names the objects afresh; they keep the page's names.
    for (int i = 0; i < page.Objects().Count() && i < withEditor.Objects().Count(); ++i)
        withEditor.Objects().At(i)->SetName(page.Objects().At(i)->Name());
    TWPRtfStorage cell;
    cell.SetRtfText(window.Parts().WPRichText1->RtfText());
    withEditor.SetCellText(edited, cell);
    return Saved(withEditor);
}

QMap<QString, QByteArray> ObjectRecords(TCalendarPage &page)
{
    QMap<QString, QByteArray> records;
    const TLumLabelObjectFiler filer(page);
    for (const TLumGraphicControl *object : page.Objects().Objects())
        records.insert(object->Name(), filer.Records({object}));
    return records;
}

QByteArray AsOpened(const QByteArray &document)
{
    TCalendarPage page;
    Load(page, document);
    return Saved(page);
}

TPageScreen ScreenOfPage(QWidget &page, const QRect &visible)
{
    TPageScreen screen;
    screen.Visible = visible;
    QWidget *top = page.window();
    // On a display the pixels are asked of the display server: the window's
    // own copy of them may lag behind a scroll it did on the server.
    if (OnDisplay()) {
        const QPoint at = page.mapTo(top, visible.topLeft());
        screen.Pixels =
            Rgb(top->screen()
                    ->grabWindow(top->winId(), at.x(), at.y(), visible.width(), visible.height())
                    .toImage());
        return screen;
    }
    QBackingStore *store = top->backingStore();
    QPaintDevice *device = store ? store->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image || visible.isEmpty())
        return screen;
    const auto &image = *static_cast<const QImage *>(device);
    const qreal ratio = image.devicePixelRatio();
    const QRect inWindow(page.mapTo(top, visible.topLeft()), visible.size());
    const QRect scaled(QPoint(qRound(inWindow.left() * ratio), qRound(inWindow.top() * ratio)),
                       inWindow.size() * ratio);
    QImage part = image.copy(scaled);
    if (ratio != 1)
        part = part.scaled(visible.size());
    screen.Pixels = Rgb(part);
    return screen;
}

TPageScreen ScreenOfPage(TCalendarMain &window)
{
    QWidget &page = *window.Parts().CalendarPanel;
    QWidget *viewport = window.Parts().ScrollBox2->viewport();
    const QRect shown(page.mapFrom(viewport, QPoint(0, 0)), viewport->size());
    // A window reaching past the screen's edge shows only what is on it.
    const QRect screen = page.screen()->geometry();
    const QRect onScreen(page.mapFromGlobal(screen.topLeft()), screen.size());
    return ScreenOfPage(page, shown.intersected(page.rect()).intersected(onScreen));
}

TFreshRender FreshRender(const QByteArray &document, float zoom)
{
    TCalendarPage page;
    Load(page, document);
    TFreshRender fresh;
    fresh.Page = Rgb(PageBitmapAt(page, zoom));
    fresh.Objects = QImage(fresh.Page.size(), QImage::Format_ARGB32_Premultiplied);
    fresh.Objects.fill(Qt::transparent);
    QPainter painter(&fresh.Objects);
    page.PaintObjectsAt(painter, zoom);
    return fresh;
}

TFreshRender FreshRender(const TCalendarPanel32 &view)
{
    return FreshRender(Saved(view.Page()), view.Zoom());
}

QImage ScreenMask(TCalendarMain &window, const TPageScreen &screen, const QImage &objects)
{
    const QRect &visible = screen.Visible;
    QImage mask(visible.size(), QImage::Format_Indexed8);
    mask.setColorCount(256);
    for (int i = 0; i < 256; ++i)
        mask.setColor(i, qRgb(i, i, i));
    mask.fill(0);
    TCalendarPanel32 &view = *window.Parts().CalendarPanel;
    const TCalendarPage &page = view.Page();
    if (window.Session().CellEditing() && window.Parts().WPRichText1->isVisible()) {
        QRect editor = window.Parts().WPRichText1->geometry().translated(-view.pos());
        const int cell = window.Session().CurrentCell();
        if (cell >= 1 && cell <= CellCount) {
            const TRect &free = page.MainAttributes().CellGeometry[cell - 1].rFree;
            editor |= QRect(free.Left, free.Top, free.Width() + 2, free.Height() + 2);
        }
        editor = editor.intersected(visible);
        for (int y = editor.top(); y <= editor.bottom(); ++y) {
            for (int x = editor.left(); x <= editor.right(); ++x) {
                const bool underObject = objects.valid(x, y) && qAlpha(objects.pixel(x, y)) == 255;
                if (!underObject)
                    mask.setPixel(x - visible.left(), y - visible.top(), Ignored);
            }
        }
    }
    // On a display, other windows over the page (the icon palette) are not
    // the page's.
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (other == view.window() || !other->isVisible() || !OnDisplay())
            continue;
        const QRect frame = other->frameGeometry();
        MarkIgnored(mask, visible, QRect(view.mapFromGlobal(frame.topLeft()), frame.size()));
    }
    const auto &selection = page.Objects().Selection();
    for (const TLumGraphicControl *object : selection)
        for (const TRect &square : HandleSquares(object->Bounds(), selection.size() == 1))
            MarkIgnored(mask, visible, Intersected(square, visible));
    return mask;
}

QString Differences(const TPageScreen &screen, const QImage &fresh, const QImage &mask)
{
    if (screen.Pixels.isNull())
        return QStringLiteral("the window holds no pixels of the page");
    return Compare(screen.Pixels, Rgb(fresh.copy(screen.Visible)), mask, screen.Visible);
}

QString Differences(const TPageScreen &one, const TPageScreen &other, const QImage &mask)
{
    if (one.Visible != other.Visible)
        return QStringLiteral("the page shows another part");
    return Compare(one.Pixels, other.Pixels, mask, one.Visible);
}

bool WriteSideBySide(const QString &fileName, const TPageScreen &screen, const QImage &fresh,
                     const QImage &mask)
{
    const QImage expected = Rgb(fresh.copy(screen.Visible));
    const QSize size = screen.Visible.size();
    QImage difference(size, QImage::Format_RGB32);
    difference.fill(Qt::white);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (mask.valid(x, y) && mask.pixelIndex(x, y) == Ignored)
                difference.setPixel(x, y, qRgb(200, 200, 200));
            else if (!screen.Pixels.valid(x, y) ||
                     screen.Pixels.pixel(x, y) != expected.pixel(x, y))
                difference.setPixel(x, y, qRgb(255, 0, 0));
        }
    }
    QImage sheet(size.width() * 3 + 20, size.height(), QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    painter.drawImage(0, 0, screen.Pixels);
    painter.drawImage(size.width() + 10, 0, expected);
    painter.drawImage(2 * (size.width() + 10), 0, difference);
    painter.end();
    return sheet.save(fileName);
}
