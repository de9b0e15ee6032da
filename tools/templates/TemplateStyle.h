#pragma once

#include "CalendarTypes.h"
#include "Color.h"
#include "FontDesc.h"
#include "LumPicture.h"

#include <QRectF>
#include <QString>

class TCalendarPage;
class TLumImage;

// What the designs share: a colour scheme, the typefaces, and helpers that
// place objects by inches.

TColor Rgb(int red, int green, int blue);

// A design's colours: dark text, and the accent of the day-name bands.
struct TPalette
{
    TColor Ink;
    TColor Accent;
};

inline constexpr char SansFace[] = "Arial";
inline constexpr char SerifFace[] = "Times New Roman";

TFontDesc Font(const char *face, int size, TFontStyles style, TColor color);

// The page of January of the template year in the default style, on paper
// (0 Letter, 1 A4) with layout, week starting on weekStart (1 Sunday, 2
// Monday), the month grid in the palette's colours: a title of titleFace
// without a band, day names white on the accent, light lines.
void StartPage(TCalendarPage &page, int paper, TCalendarLayout layout, int weekStart,
               const TPalette &palette, const char *titleFace);

void SetMargins(TCalendarPage &page, float left, float top, float right, float bottom);

// A picture object over rect (inches from the paper's corner).
TLumImage &AddPicture(TCalendarPage &page, const QRectF &inches, const TLumPicture &picture);

// The photo frame of the photo calendars: the placeholder landscape filling
// rect, replaced page by page by the set's own pictures.
TLumImage &AddPhotoFrame(TCalendarPage &page, const QRectF &inches);

// The shipped placeholder landscape, a metafile.
TLumPicture PlaceholderPicture();

// The icon index of the program folder's icon library file as a picture;
// empty when it cannot be read.
TLumPicture LibraryIcon(const QString &file, int index);

// The year of the template as a title over rect (inches), its letters
// shaded from the accent to the ink.
void AddYearTitle(TCalendarPage &page, const QRectF &inches, const TPalette &palette,
                  const char *face, int size);
