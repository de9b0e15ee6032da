#pragma once

#include <QString>

class TCalendarPage;

// One line describing the page: paper, orientation, size and layout, e.g.
// "Letter landscape, 1056 × 816 pixels, layout loFCMinisInTitleLS".
QString PageSummary(const TCalendarPage &page);
