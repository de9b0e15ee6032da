#pragma once

#include "BorderCanvas.h"

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <vector>

// The border pictures shipped in the program's "Borders" folder. Each design
// draws only within about 0.4 inch of the frame's edge, so the calendar laid
// out 0.47 inch inside the border's rectangle stays clear, and leaves the
// middle untouched.

enum class TBorderOrientation { Portrait, Landscape };

struct TBorderDesign
{
    QString Name;
    void (*Draw)(TBorderCanvas &canvas);
};

std::vector<TBorderDesign> BorderDesigns();

// The frame of a border picture: 7.5 x 10 inches (a Letter page inside
// half-inch margins), turned for landscape.
QSizeF BorderFrameInches(TBorderOrientation orientation);

QByteArray BorderPicture(const TBorderDesign &design, TBorderOrientation orientation);

// Writes NAME.wpo (portrait) and NAME.wls (landscape) into folder for each
// design named, all of them when names is empty; an error sentence when a
// name is unknown or a file cannot be written, else empty.
QString WriteBorderFiles(const QString &folder, const QStringList &names);

// The designs.
void DrawClassicBorder(TBorderCanvas &canvas);
void DrawHollyBorder(TBorderCanvas &canvas);
void DrawStarsBorder(TBorderCanvas &canvas);
void DrawGreekKeyBorder(TBorderCanvas &canvas);
void DrawGarlandBorder(TBorderCanvas &canvas);
