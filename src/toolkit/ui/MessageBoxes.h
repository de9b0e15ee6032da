#pragma once

#include "Messages.h"

// The answerer a windowed program installs: message boxes over the active
// window, "Information" with an information icon and OK, warnings with a
// warning icon and OK, questions with Yes and No, or Yes, No and Cancel
// (Escape and closing the box mean Cancel).
TMessageAnswerer MessageBoxes();
