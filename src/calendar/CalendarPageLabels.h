#pragma once

class TCalendarPage;

// Makes the text, rich-text and special-effect text kinds known to page and
// gives their tools their objects.
void InstallLabelKinds(TCalendarPage &page);
