#pragma once

#include "CalendarPage.h"

// A page that counts what it asks of its widget: repaints and re-layouts
// (each re-layout sets the control's size).
class PageProbe : public TCalendarPage
{
public:
    int repaints = 0;
    int relayouts = 0;

    void ResetCounts() { repaints = relayouts = 0; }

protected:
    void Invalidate() override { ++repaints; }
    void ControlResized() override { ++relayouts; }
};
