#include "PrinterSetup.h"

#include "ModalDialog.h"
#include "RPDevice.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>

bool ShowPrinterSetup(TRPDevice &device, QWidget *parent, const QString &acceptText)
{
    QPrintDialog dialog(&device.Printer(), parent);
    if (!acceptText.isEmpty()) {
        const QList<QDialogButtonBox *> rows = dialog.findChildren<QDialogButtonBox *>();
        for (QDialogButtonBox *row : rows) {
            if (QPushButton *accept = row->button(QDialogButtonBox::Ok))
                accept->setText(acceptText);
        }
    }
    dialog.adjustSize();
    if (const QScreen *screen = dialog.screen()) {
        const QRect area = screen->geometry();
        dialog.move(area.left() + (area.width() - dialog.width()) / 2,
                    area.top() + (area.height() - dialog.height()) / 3);
    }
    return ExecModal(dialog) == QDialog::Accepted;
}
