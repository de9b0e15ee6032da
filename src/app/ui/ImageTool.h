#pragma once

// The picture browser the picture tool and the picture objects' menus open:
// centred over the main window, its Help button opening the help file.
void InstallImageTool();
