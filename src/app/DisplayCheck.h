#pragma once

#include <QString>

// Why the program cannot open a window here, or an empty string when a
// display seems available. Without one the windowing toolkit would abort
// with an obscure message, so the program says plainly what is missing.
QString MissingDisplayReason();
