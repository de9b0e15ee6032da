#pragma once

#include <QByteArray>
#include <QImage>
#include <QMap>
#include <QRect>
#include <QString>

class QWidget;
class TCalendarMain;
class TCalendarPage;
class TCalendarPanel32;

// What the main window's page shows and what it should show: the pixels the
// window holds for the page, and the document drawn afresh from its bytes.

// The document as the user has it: the page's bytes, with the text of the
// open cell editor in the cell it edits when it is other than the cell's.
QByteArray DocumentBytes(TCalendarMain &window);
// The document as opening it gives it: its objects named afresh
// ("Component0", ...), as loading names them.
QByteArray AsOpened(const QByteArray &document);
// Each placed object's record in the document, by name.
QMap<QString, QByteArray> ObjectRecords(TCalendarPage &page);

// The part of a page widget on the screen, and its pixels.
struct TPageScreen
{
    // In page pixels: the part of the page the scroll box shows.
    QRect Visible;
    // The window's pixels there, as the display shows them (headless, as
    // the window's backing store holds them) after the last paint; nothing is
    // painted anew for the asking.
    QImage Pixels;
};
TPageScreen ScreenOfPage(QWidget &page, const QRect &visible);
// The main window's page, as far as its scroll box shows it.
TPageScreen ScreenOfPage(TCalendarMain &window);

// A document drawn afresh at a zoom: the page with its objects on top, no
// selection; and the objects alone over nothing, whose opaque pixels cover
// whatever lies under them.
struct TFreshRender
{
    QImage Page;
    QImage Objects;
};
TFreshRender FreshRender(const QByteArray &document, float zoom);
// A page other than the main window's (a dialog's preview) at its view's
// zoom.
TFreshRender FreshRender(const TCalendarPanel32 &view);

// The pixels of the visible part not compared (255): the selection squares,
// other windows over the page, and the open cell editor with its cell except
// where an object's opaque pixels lie over it.
QImage ScreenMask(TCalendarMain &window, const TPageScreen &screen, const QImage &objects);

// Where screen and the fresh page differ outside the mask, in words; empty
// when they agree.
QString Differences(const TPageScreen &screen, const QImage &fresh, const QImage &mask);
// The same between two screens of the same part.
QString Differences(const TPageScreen &one, const TPageScreen &other, const QImage &mask);

// The screen, the fresh page and where they differ (red; masked pixels grey)
// side by side in one picture file.
bool WriteSideBySide(const QString &fileName, const TPageScreen &screen, const QImage &fresh,
                     const QImage &mask);
