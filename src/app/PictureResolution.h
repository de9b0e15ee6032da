#pragma once

#include <QString>
#include <QStringList>

#include <array>

// Pictures of the page for print: the resolutions the picture exports offer
// besides the screen's, as file types of their save dialogs.

inline constexpr std::array<int, 3> PrintResolutions{150, 300, 600};

// The file types of a picture export: first the screen's resolution as
// "Bitmap File (*.BMP)" for kind "Bitmap File" and pattern "*.BMP", then one
// for each print resolution, "Bitmap File at 300 dots per inch (*.BMP)".
QStringList ResolutionFilters(const QString &kind, const QString &pattern);

// The dots per inch a file type of ResolutionFilters stands for; 0 for the
// screen's resolution and for anything else.
int ResolutionOfFilter(const QString &filter);

// The confirmation of a picture export at a print resolution.
QString SavedAtResolutionMessage(const QString &fileName, int dpi);
