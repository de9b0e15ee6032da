#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QFileDialog;

// The file dialogs of the program go through here, beside the message boxes,
// so tests can answer them without a window.

// Shows dialog and gives the chosen file, or an empty string when it was
// cancelled.
QString AskFileName(QFileDialog &dialog);

// Shows dialog, set to choose several files, and gives those chosen; none
// when it was cancelled. A test's answer names them one a line.
QStringList AskFileNames(QFileDialog &dialog);

// What tests put in place of the dialogs: it gets the prepared dialog and
// returns the chosen file (empty for cancel). Reset with an empty function.
using TFileNameAnswerer = std::function<QString(QFileDialog &dialog)>;
void SetFileNameAnswerer(TFileNameAnswerer answerer);
