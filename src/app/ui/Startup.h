#pragma once

class QApplication;

// Runs the program: gives way to a copy already running, sets the title,
// makes the main window and runs the event loop until it closes. The exit
// code.
int RunDatewright(QApplication &app);
