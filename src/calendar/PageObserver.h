#pragma once

#include <QFlags>

// What changed on a calendar page, as its observers are told.
enum class TPageChange : unsigned {
    // The text of a day cell.
    Cells = 1u << 0,
    // The look: fonts, colours, lines, names, title.
    Style = 1u << 1,
    // The layout: paper, margins, layout kind, dates, border picture.
    Layout = 1u << 2,
    // The page's size: its layout was made anew.
    Size = 1u << 3,
};
Q_DECLARE_FLAGS(TPageChanges, TPageChange)
Q_DECLARE_OPERATORS_FOR_FLAGS(TPageChanges)

// A view of a calendar page: the page tells it of every change, in the
// order the changes happen, once per change.
class TPageObserver
{
public:
    virtual void PageChanged(TPageChanges changes) = 0;

protected:
    ~TPageObserver() = default;
};
