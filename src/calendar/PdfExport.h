#pragma once

#include "PrintSheet.h"

#include <QString>

#include <functional>
#include <optional>

class TCalendarPage;
struct TCalendarAttributes;

// The title of the page's PDF: the name of its document file without folder
// and extension, or, for a page never saved, its month and year
// ("December 1999").
QString PdfTitle(const TCalendarPage &page, const QString &DocumentFileName);

// Prints one page of a PDF, its cells' text breaking as screen lays them
// out; see SavePagesAsPdf.
using TPdfPagePrinter =
    std::function<void(const TCalendarPage &page, const TCalendarAttributes &screen)>;

// Writes a PDF on paper's paper and orientation, titled Title, whose pages
// EachPage prints in their order through the printer it is given. When
// EachPage returns false it stopped: nothing is written and the file stays as
// it was. The file is replaced only once it is completely written. Returns
// why it failed or stopped.
// With Sheet, each page is printed for a print service: on a sheet larger by
// the bleed and the marks' room, what reaches the page's edge drawn on into
// the bleed, crop marks around it.
std::optional<QString> SavePagesAsPdf(const TCalendarPage &paper, const QString &FileName,
                                      const QString &Title,
                                      const std::function<bool(const TPdfPagePrinter &)> &EachPage,
                                      const std::optional<TPrintSheet> &Sheet = std::nullopt);

// Writes the page as a vector PDF file through the report, on the page's own
// paper and orientation and at full size whatever the zoom shown, the cells'
// text breaking where a screen at Scale breaks it, titled Title with the program as
// its creator. PageCount pages are written, one PDF page each; before every
// page after the first, NextPage moves the page on to other dates, its
// style and layout kept. The file is replaced only
// once it is completely written, so a failed write leaves an earlier file as
// it was. Before each page, Proceed (when given) is asked with the page's
// number, from 1; when it says no, nothing is written and the file stays as
// it was. Nothing else in the page changes. Returns why it failed or
// stopped. Sheet as for SavePagesAsPdf.
std::optional<QString> SavePageAsPdf(TCalendarPage &page, const QString &FileName,
                                     const QString &Title, int PageCount = 1,
                                     const std::function<void(TCalendarPage &)> &NextPage = {},
                                     const std::function<bool(int number)> &Proceed = {},
                                     const std::optional<TPrintSheet> &Sheet = std::nullopt,
                                     float Scale = 1.0f);
