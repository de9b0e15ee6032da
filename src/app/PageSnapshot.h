#pragma once

#include "CalendarTypes.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <map>
#include <optional>

class TCalendarPage;

// One placed object as its record at zoom 1 and its name (a record read
// back is renamed).
struct TObjectState
{
    QByteArray Record;
    QString Name;

    bool operator==(const TObjectState &) const = default;
};

// The page in its own stream form, in parts that change apart: the style
// (the style block, border picture, date, week start, planner time, title
// and the set kept with the page), each day cell's document, each placed
// object by its identity on the page, and the stacking order of those
// identities. Restoring a part's bytes gives the page back exactly as it was
// captured.
struct TPageSnapshot
{
    QByteArray Style;
    std::array<QByteArray, CellCount> Cells;
    std::map<quint64, TObjectState> Objects;
    // Back first.
    QList<quint64> Order;

    qsizetype Bytes() const;
};

// Only the parts of a page that one change touched.
struct TPageParts
{
    std::optional<QByteArray> Style;
    // By cell index, 1 to CellCount.
    std::map<int, QByteArray> Cells;
    // The objects touched, by identity: each one's state, or none where the
    // object is not on the page.
    std::map<quint64, std::optional<TObjectState>> Objects;
    // The stacking order, when objects came, went or were restacked.
    std::optional<QList<quint64>> Order;

    bool IsEmpty() const { return !Style && Cells.empty() && Objects.empty() && !Order; }
    qsizetype Bytes() const;
};

TPageSnapshot CapturePage(const TCalendarPage &page);
// The parts in which after differs from before, as they are in from (before
// or after).
TPageParts ChangedParts(const TPageSnapshot &before, const TPageSnapshot &after,
                        const TPageSnapshot &from);
// Puts the parts onto the page and into snapshot, which then describes the
// page again. The page neither notifies nor re-lays out more than once. Only
// the objects named are put back, in place of the objects with their
// identity; every other object stays as it is, and so does the selection
// (less the objects that go).
void RestoreParts(TCalendarPage &page, const TPageParts &parts, TPageSnapshot &snapshot);

// Every part of snapshot, as a page with no objects takes it on.
TPageParts AllParts(const TPageSnapshot &snapshot);

// The objects of snapshot in stacking order as one list of records, in the
// form the object clipboard holds, and their names.
QByteArray ObjectRecords(const TPageSnapshot &snapshot);
QStringList ObjectNames(const TPageSnapshot &snapshot);
// Gives snapshot the objects of such a list, with identities from 1 up in
// stacking order; false when the list is damaged or names do not match it.
bool SetObjectRecords(TPageSnapshot &snapshot, const QByteArray &records, const QStringList &names);
