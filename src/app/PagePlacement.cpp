#include "PagePlacement.h"

TPagePlacement PlacePage(QSize page, QSize viewport, int margin)
{
    const QSize framed = page + QSize(2 * margin, 2 * margin);
    const QSize contents = viewport.expandedTo(framed);
    // With no room to spare the difference is the margin on either side.
    const QSize spare = contents - page;
    return {QPoint(spare.width() / 2, spare.height() / 2), contents};
}

QSize FirstStartWindowSize(QSize pageAt100, int margin, QSize chrome, QSize designSize,
                           QSize available)
{
    const QSize wanted = pageAt100 + QSize(2 * margin, 2 * margin) + chrome;
    return wanted.expandedTo(designSize).boundedTo(available);
}
