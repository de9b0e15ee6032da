#pragma once

class TCalendarPage;

// The values the main window's page and the properties dialog's preview are
// stored with, applied through the setters in declaration order as a stored
// window applies them; the page holds them until it is reset to the default
// style.
void ApplyMainPageValues(TCalendarPage &page);
void ApplyExamplePageValues(TCalendarPage &page);
