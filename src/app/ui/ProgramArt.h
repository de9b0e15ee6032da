#pragma once

#include <QIcon>
#include <QRectF>

class QPainter;

// The program's own picture: a calendar page with two rings, a red title band
// and a grid of days with one marked. The same drawing is the window icon,
// the logo of the About box and the desktop icon (data/datewright.svg).

// Draws the picture into target, keeping its square proportions.
void DrawProgramPicture(QPainter &painter, const QRectF &target);
// The window icon, drawn at the usual icon sizes.
QIcon ProgramIcon();
