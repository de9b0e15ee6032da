#pragma once

#include <functional>

class QDialog;

// The program's own modal dialogs (properties, user title, fonts) are run
// through here, so tests can fill them in and close them without a window.

// Runs dialog modally, wholly on the screen it belongs on (FitOnScreen), and
// gives its result (QDialog::Accepted or Rejected).
int ExecModal(QDialog &dialog);

// What tests put in place of running the dialog: it gets the prepared dialog,
// may change its controls, and returns the result. Reset with an empty
// function.
using TModalAnswerer = std::function<int(QDialog &dialog)>;
void SetModalAnswerer(TModalAnswerer answerer);
