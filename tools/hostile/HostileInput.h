#pragma once

#include <QByteArray>
#include <QString>

class TCalendarPage;
class TPictureBudget;

// Inputs built to attack the readers and the drawing, small in bytes and
// large in what they claim, as a tester with a hex editor makes them. Tests,
// benchmarks and the fuzz corpora share them.

// An 8-bit run-length bitmap (without file header) of side x side pixels
// whose data is a few kilobytes of line ends and an end mark.
QByteArray RunLengthBomb(int side = 4096);
// An 8-bit run-length bitmap of width x height pixels, two colours, whose
// runs fill each row out to its 32-bit padding, as common tools write them.
QByteArray PaddedRunLengthBitmap(int width, int height);

// A bitmap as a file: the 14-byte file header put before dib (a 40-byte
// header with its colour count given).
QByteArray BmpFile(const QByteArray &dib);

// RTF of one cell: the bitmap as a picture of goalTwips a side.
QByteArray PictureRtf(const QByteArray &dib, int goalTwips = 720);
// RTF of one unbreakable word of length letters.
QByteArray LongWordRtf(int length = 240'000);
// RTF of count runs of one letter each, alternately bold and italic.
QByteArray TinyRunsRtf(int count = 100'000);
// RTF of a long unbreakable word followed by a picture pictureTwips tall.
QByteArray WordBeforeTallPictureRtf(int wordLength = 3000, int pictureTwips = 1'000'000);

// A page of January 2024 in the default style, as documents begin.
void StartHostilePage(TCalendarPage &page);
// Reads rtf into the page's cell (1 to 42); false when the RTF is refused.
// Without a budget its pictures are decoded as a document's are.
bool PutCellRtf(TCalendarPage &page, int cell, const QByteArray &rtf,
                TPictureBudget *budget = nullptr);
// The page as document bytes.
QByteArray DocumentBytes(const TCalendarPage &page);
// A document of about 350 KB whose cells hold count run-length bombs.
QByteArray PictureBombDocument(int count = 10);
// A title of length letters.
QString LongTitle(int length = 8000);
// A document of about 2 KB holding one picture object side x side pixels
// large, a picture of 16 x 16 pixels stretched over it.
QByteArray HugePictureDocument(int side = 27'000);

// A recurring-dates file of count lines, each naming every day of the year.
QByteArray EveryDayLines(int count = 100'000);

// Border pictures (placeable metafiles of about bytes bytes) whose records
// claim far more drawing than their size: each kind attacks the player in
// its own way.
enum class THostileBorder {
    WidePen,       // polylines with pens wider than the page
    HugeEllipses,  // ellipses thousands of pages across, through a tiny window
    HatchedPlanes, // hatched rectangles far larger than the page
    ClipSwarm,     // thousands of excluded clip rectangles, then page fills
    PageFills,     // thousands of ellipses each covering the whole page
};
inline constexpr THostileBorder HostileBorders[] = {
    THostileBorder::WidePen, THostileBorder::HugeEllipses, THostileBorder::HatchedPlanes,
    THostileBorder::ClipSwarm, THostileBorder::PageFills};
QByteArray HostileBorder(THostileBorder kind, int bytes = 64 * 1024);
const char *HostileBorderName(THostileBorder kind);

// Help files: a topic inside depth nested tables, and one whose pictures and
// style sheet name an endless device and files outside the help folder.
QByteArray NestedTablesHelp(int depth = 3000);
QByteArray EndlessPictureHelp();
// Help files far under the size limit made of count tags the limiter once
// let through uncounted: anchors, pictures, and tags that start with a
// digit ("<0>").
enum class THelpFlood { Anchors, Pictures, DigitTags };
inline constexpr THelpFlood HelpFloods[] = {THelpFlood::Anchors, THelpFlood::Pictures,
                                            THelpFlood::DigitTags};
QByteArray HelpFlood(THelpFlood kind, int count = 25'000);
const char *HelpFloodName(THelpFlood kind);

// A document whose title is stored as UTF-16 holding a lone surrogate
// ("Trip " and the first half of a pair), as other writers store it.
QByteArray LoneSurrogateTitleDocument();
