#pragma once

#include <QString>

class QWidget;
class TRPDevice;

// The system's printer set-up dialog for the device's printer, placed centred
// across the screen and a third down it and run through the modal-dialog
// seam; the choices stay in the device. Its accepting button reads
// acceptText when one is given (else the dialog's own "Print"). True when
// confirmed.
bool ShowPrinterSetup(TRPDevice &device, QWidget *parent = nullptr, const QString &acceptText = {});
