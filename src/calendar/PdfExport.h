#pragma once

#include <QString>

#include <functional>
#include <optional>

class TCalendarPage;

// Writes the page as a vector PDF file through the report, on the page's own
// paper and orientation and at full size whatever the zoom shown, the cells'
// text breaking where the screen breaks it. PageCount pages are written, one
// PDF page each; before every page after the first, NextPage moves the page
// on. The file is replaced only once it is completely written, so a failed
// write leaves an earlier file as it was. Returns why it failed.
std::optional<QString> SavePageAsPdf(TCalendarPage &page, const QString &FileName,
                                     int PageCount = 1,
                                     const std::function<void(TCalendarPage &)> &NextPage = {});
