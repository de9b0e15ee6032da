#pragma once

#include "Rect.h"
#include "SettingsFile.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;
class TIniFile;

// Windows that keep their place between runs: each has a section of the
// settings file named after its class, one per screen resolution.

// A window's normal (not maximised) rectangle and whether it is maximised.
struct TPlacement
{
    TRect Bounds;
    bool Maximized = false;

    friend bool operator==(const TPlacement &, const TPlacement &) = default;
};

// className + "_Placement", followed by ppi in decimal when the screen has
// more than 96 pixels per inch: the pixels it shows per logical inch, so a
// screen scaled to 200 % keeps placements of its own.
QString PlacementSection(const QString &className, int ppi);

// The stored placement; coordinates default to 0 and Maximized to
// maximizedNow.
TPlacement ReadPlacement(const TIniFile &ini, const QString &section, bool maximizedNow);
void WritePlacement(TIniFile &ini, const QString &section, const TPlacement &placement);

// Whether stored bounds name a window to put back: a bottom edge of 0 means
// nothing was stored, and an empty or far-flung rectangle can only come from
// a damaged file.
bool IsStoredBounds(const TRect &bounds);

// The screen of screens the bounds lie on most, or, off every screen, the
// nearest one; an empty rectangle without screens.
QRect NearestScreen(const TRect &bounds, const QList<QRect> &screens);

// The bounds moved onto the screen: no larger than the screen, and moved
// left, right, up or down until they lie inside it.
TRect MoveOntoScreen(TRect bounds, const QRect &screen);

// Where a window of the given size goes to be centred in area (halves of odd
// differences truncated toward zero).
QPoint CenteredIn(const QRect &area, QSize window);

// Whether CenterForm centres a window on the screen rather than over the
// main window: the main window itself, or any window while the main window is
// maximised.
bool CentresOnScreen(const QString &className, bool mainWindowMaximized);

// The window's placement from the settings file: moved back onto the
// screen's free area when stored, else centred (CenterForm); maximised when
// stored so. The placement is then saved at once. False when that write was
// refused (the user has been told). Once shown, KeepFrameOnScreen keeps the
// window's frame on the screen too.
bool RestorePlacement(QWidget &window, const QString &fileName = SettingsFileName());

// Stores the window's normal rectangle and whether it is maximised. False when
// the write was refused (the user has been told).
bool SavePlacement(const QWidget &window, const QString &fileName = SettingsFileName());

// Centres a dialog over the main window, or on the screen (see
// CentresOnScreen, and when there is no main window).
void CenterForm(QWidget &window);
