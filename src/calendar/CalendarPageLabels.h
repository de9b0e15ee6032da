#pragma once

class TCalendarPage;

// Makes the text and rich-text label kinds known to page and gives its
// label tools their objects.
void InstallLabelKinds(TCalendarPage &page);
