#include "PrinterSetup.h"

#include "ModalDialog.h"
#include "RPDevice.h"

#include <QPrintDialog>
#include <QScreen>

bool ShowPrinterSetup(TRPDevice &device, QWidget *parent)
{
    QPrintDialog dialog(&device.Printer(), parent);
    dialog.adjustSize();
    if (const QScreen *screen = dialog.screen()) {
        const QRect area = screen->geometry();
        dialog.move(area.left() + (area.width() - dialog.width()) / 2,
                    area.top() + (area.height() - dialog.height()) / 3);
    }
    return ExecModal(dialog) == QDialog::Accepted;
}
