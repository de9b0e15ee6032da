#pragma once

#include "CalendarDrawing.h"
#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "SampleCell.h"
#include "StoredPageValues.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

// The landscape main page with the given layout, its cells filled or not.
inline void MakeBenchPage(TCalendarPage &page, TCalendarLayout layout, bool filled)
{
    ApplyMainPageValues(page);
    page.SetCalendarLayout(layout);
    page.SetMainCalDay(1);
    if (!filled)
        return;
    TWPRtfStorage cell;
    FillSampleCell(cell.RtfText());
    for (int index = 1; index <= CellCount; ++index)
        page.SetCellText(index, cell);
}

// The yardstick every benchmark program measures against in the same run,
// g0: the bare month grid with its fill, lines, title, day names and 42
// numbers.
inline void BM_g0_BareMonthGrid(benchmark::State &state)
{
    TCalendarPage page;
    MakeBenchPage(page, LOFullCalendarLS, false);
    TCalendarAttributes attributes = MainDrawingAttributes(page);
    QImage image(page.Width(), page.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (auto _ : state)
        DrawMonthGrid(painter, attributes, QString());
}
