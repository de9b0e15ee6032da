#pragma once

#include "CalendarTypes.h"

#include <QByteArray>
#include <QStringList>

#include <array>
#include <map>
#include <optional>

class TCalendarPage;

// The page in its own stream form, in three parts that change apart: the
// style (the style block, border picture, date, week start, planner time,
// title), each day cell's document, and the placed objects with their names.
// Restoring a part's bytes gives the page back exactly as it was captured.
struct TPageSnapshot
{
    QByteArray Style;
    std::array<QByteArray, CellCount> Cells;
    QByteArray Objects;
    QStringList ObjectNames;

    qsizetype Bytes() const;
};

// Only the parts of a page that one change touched.
struct TPageParts
{
    std::optional<QByteArray> Style;
    // By cell index, 1 to CellCount.
    std::map<int, QByteArray> Cells;
    std::optional<QByteArray> Objects;
    QStringList ObjectNames;

    bool IsEmpty() const { return !Style && Cells.empty() && !Objects; }
    qsizetype Bytes() const;
};

TPageSnapshot CapturePage(const TCalendarPage &page);
// The parts in which after differs from before, as they are in from (before
// or after).
TPageParts ChangedParts(const TPageSnapshot &before, const TPageSnapshot &after,
                        const TPageSnapshot &from);
// Puts the parts onto the page and into snapshot, which then describes the
// page again. The page neither notifies nor re-lays out more than once.
void RestoreParts(TCalendarPage &page, const TPageParts &parts, TPageSnapshot &snapshot);
