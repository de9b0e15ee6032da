#pragma once

#include <QPoint>
#include <QSize>

// Where the page sits in the main window, and how large the window opens.

struct TPagePlacement
{
    // The page's top-left corner in the scrolled contents.
    QPoint PagePos;
    // The scrolled contents: at least the viewport, and at least the page
    // with the margin all round.
    QSize Contents;
};

// The page centred in the viewport where there is room for it and the margin
// all round, else margin pixels from the contents' top-left edge, so that
// every part of the page can be scrolled into view.
TPagePlacement PlacePage(QSize page, QSize viewport, int margin);

// The window's size on a first start, to show a page of pageAt100 pixels at
// 100 % zoom whole: the page with the margin all round plus chrome (what the
// window has beside its page area), not smaller than designSize, not larger
// than available.
QSize FirstStartWindowSize(QSize pageAt100, int margin, QSize chrome, QSize designSize,
                           QSize available);
