#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

// Windows kept wholly on the screen they belong on, frame and all.

// A window's frame moved, and made smaller where it is larger than area, so
// that it lies inside area.
QRect FitFrameInto(const QRect &frame, const QRect &area);

// Where a window belongs: the screen showing the window it was opened over
// (its parent's window, else the active window), else the primary screen;
// without the parts panels and docks take.
QRect ScreenAreaFor(const QWidget &window);

// Gives window, not yet shown, the size showing it would give it: as its
// layout wants it, unless it was sized already.
void SettleSize(QWidget &window);

// Puts window's contents, as they are laid out now, into a scroll area
// filling it, so that the window can be made smaller than they are. False
// when its layout is of a kind this cannot move (the window is left as it
// was); true as well when they already scroll.
bool ScrollContents(QWidget &window);

// Readies a dialog to be shown wholly on the screen it belongs on: its size
// settled as showing would settle it, made smaller with its contents
// scrolling where it is larger than the screen, and moved so that its frame
// (as wide as the frame of the window it opens over) lies inside. Once it is
// on screen and its own frame is known, KeepFrameOnScreen corrects the rest.
void FitOnScreen(QWidget &dialog);

// Once window is on screen and the window manager has framed it, moves it,
// and makes it smaller where needed, so that its frame lies inside the
// screen area it belongs on. Nothing for a maximised or full-screen window.
void KeepFrameOnScreen(QWidget &window);
