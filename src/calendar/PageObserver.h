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
    // The page's size in pixels at the zoom.
    Size = 1u << 3,
    // The creation tool, or pointing.
    Tool = 1u << 4,
    // The page was shown or hidden.
    Visibility = 1u << 5,
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
