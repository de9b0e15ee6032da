#pragma once

// The screen's logical pixels per inch: one value used for layout, drawing and
// printing alike. 96 without a running GUI application or screen (and under
// the offscreen platform).
int ScreenPpi();
