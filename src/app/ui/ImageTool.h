#pragma once

class TCalendarPage;

// Puts pictures on the page: documents and the clipboard may hold picture
// objects, the picture tool makes one and opens the picture browser at once,
// and the browser is centred over the main window with its Help button
// opening the help file.
void InstallImageTool(TCalendarPage &page);
