#include "WindowPlacement.h"

#include "IniFile.h"
#include "ScreenFit.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int basePpi = 96;
// Beyond any screen, and small enough that no sum of two coordinates
// overflows.
constexpr int farthestCoordinate = 1 << 24;

QString ClassName(const QWidget &window)
{
    return QString::fromLatin1(window.metaObject()->className());
}

bool IsMainWindowClass(const QString &className)
{
    return className.toUpper() == u"TCALENDARMAIN";
}

const QWidget *FindMainWindow()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget *window : windows) {
        if (IsMainWindowClass(ClassName(*window)))
            return window;
    }
    return nullptr;
}

QSize ScreenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

QList<QRect> ScreenAreas()
{
    QList<QRect> areas;
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens)
        areas << screen->geometry();
    return areas;
}

// The part of the screen with geometry area that windows may take.
QRect AvailableArea(const QRect &area)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens) {
        if (screen->geometry() == area)
            return screen->availableGeometry();
    }
    return area;
}

// The screen's resolution in the pixels it shows: the placement of a window
// at 200 % is its own, apart from the one at 100 %, as at 192 pixels per
// inch it is apart from the one at 96.
int PlacementPpi(const QWidget &window)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return basePpi;
    return qRound(screen->logicalDotsPerInch() * screen->devicePixelRatio());
}

// The rectangle the window has when neither maximised nor minimised.
TRect NormalBounds(const QWidget &window)
{
    QRect normal = window.normalGeometry();
    if (normal.isEmpty())
        normal = window.geometry();
    return {normal.left(), normal.top(), normal.left() + normal.width(),
            normal.top() + normal.height()};
}

bool IsNearCoordinate(int value)
{
    return value >= -farthestCoordinate && value <= farthestCoordinate;
}

} // namespace

QString PlacementSection(const QString &className, int ppi)
{
    QString section = className + u"_Placement"_s;
    if (ppi > basePpi)
        section += QString::number(ppi);
    return section;
}

TPlacement ReadPlacement(const TIniFile &ini, const QString &section, bool maximizedNow)
{
    TPlacement placement;
    placement.Bounds.Left = ini.ReadInteger(section, u"Left"_s, 0);
    placement.Bounds.Top = ini.ReadInteger(section, u"Top"_s, 0);
    placement.Bounds.Right = ini.ReadInteger(section, u"Right"_s, 0);
    placement.Bounds.Bottom = ini.ReadInteger(section, u"Bottom"_s, 0);
    placement.Maximized = ini.ReadBool(section, u"Maximized"_s, maximizedNow);
    return placement;
}

void WritePlacement(TIniFile &ini, const QString &section, const TPlacement &placement)
{
    ini.WriteInteger(section, u"Left"_s, placement.Bounds.Left);
    ini.WriteInteger(section, u"Top"_s, placement.Bounds.Top);
    ini.WriteInteger(section, u"Right"_s, placement.Bounds.Right);
    ini.WriteInteger(section, u"Bottom"_s, placement.Bounds.Bottom);
    ini.WriteBool(section, u"Maximized"_s, placement.Maximized);
}

bool IsStoredBounds(const TRect &bounds)
{
    return bounds.Bottom != 0 && bounds.Left < bounds.Right && bounds.Top < bounds.Bottom &&
           IsNearCoordinate(bounds.Left) && IsNearCoordinate(bounds.Top) &&
           IsNearCoordinate(bounds.Right) && IsNearCoordinate(bounds.Bottom);
}

QRect NearestScreen(const TRect &bounds, const QList<QRect> &screens)
{
    const QRect window = bounds.ToQRect();
    const auto overlap = [&](const QRect &screen) {
        const QRect shared = screen.intersected(window);
        return qint64(shared.width()) * shared.height();
    };
    const auto distance = [&](const QRect &screen) {
        const QPoint apart = screen.center() - window.center();
        return qint64(apart.x()) * apart.x() + qint64(apart.y()) * apart.y();
    };
    QRect nearest;
    for (const QRect &screen : screens) {
        if (nearest.isEmpty() || overlap(screen) > overlap(nearest) ||
            (overlap(screen) == overlap(nearest) && distance(screen) < distance(nearest)))
            nearest = screen;
    }
    return nearest;
}

TRect MoveOntoScreen(TRect bounds, const QRect &screen)
{
    const QRect fitted = FitFrameInto(bounds.ToQRect(), screen);
    return {fitted.left(), fitted.top(), fitted.left() + fitted.width(),
            fitted.top() + fitted.height()};
}

QPoint CenteredIn(const QRect &area, QSize window)
{
    return {area.left() + (area.width() - window.width()) / 2,
            area.top() + (area.height() - window.height()) / 2};
}

bool CentresOnScreen(const QString &className, bool mainWindowMaximized)
{
    return IsMainWindowClass(className) || mainWindowMaximized;
}

bool RestorePlacement(QWidget &window, const QString &fileName)
{
    const QString section = PlacementSection(ClassName(window), PlacementPpi(window));
    const TPlacement stored = ReadPlacement(TIniFile(fileName), section, window.isMaximized());
    const QRect screen = NearestScreen(stored.Bounds, ScreenAreas());
    // The window goes where it was; once it is on screen with its frame,
    // KeepFrameOnScreen keeps the frame inside the screen as well.
    if (IsStoredBounds(stored.Bounds) && !screen.isEmpty())
        window.setGeometry(MoveOntoScreen(stored.Bounds, AvailableArea(screen)).ToQRect());
    else
        CenterForm(window);
    if (stored.Maximized)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    return SavePlacement(window, fileName);
}

bool SavePlacement(const QWidget &window, const QString &fileName)
{
    TIniFile ini(fileName);
    WritePlacement(ini, PlacementSection(ClassName(window), PlacementPpi(window)),
                   {NormalBounds(window), window.isMaximized()});
    return WriteSettings(ini);
}

void CenterForm(QWidget &window)
{
    // Centred at the size it will show at.
    SettleSize(window);
    const QWidget *mainWindow = FindMainWindow();
    const bool onScreen =
        !mainWindow || CentresOnScreen(ClassName(window), mainWindow->isMaximized());
    const QRect area = onScreen ? QRect(QPoint(0, 0), ScreenSize()) : mainWindow->frameGeometry();
    window.move(CenteredIn(area, window.frameGeometry().size()));
}
