#pragma once

class QWidget;

// The label commands' dialogs over the main window: centred over it, with
// the program's help, font and colour dialogs.
void InstallMainLabelDialogs(QWidget &mainWindow);
