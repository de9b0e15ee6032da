#pragma once

class TCalendarMain;

// The picture browser the picture tool and the picture objects' menus open:
// centred over the main window, its Help button opening the help file,
// opening in the folder the window's settings keep for pictures and keeping
// there the folder of each picture taken.
void InstallImageTool(TCalendarMain &window);
