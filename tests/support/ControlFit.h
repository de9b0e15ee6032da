#pragma once

#include <QStringList>

class QWidget;

// What is wrong with how a window's controls show their texts: each label,
// button, check box, radio button, group box title and tab whose text is
// wider or taller than the room its widget gives it (font metrics against
// the contents rectangle), and each two controls of one parent that overlap.
// Every page of every tab widget is looked at; the window is shown for it.
// Empty when everything fits.
QStringList ControlFaults(QWidget &window);
