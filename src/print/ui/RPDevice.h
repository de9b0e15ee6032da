#pragma once

#include "PrintTypes.h"

#include <QMarginsF>
#include <QPrinter>
#include <QString>

class QPageSize;

// The printer a report prints on, with its settings (paper, orientation,
// copies), kept from one print job to the next. It starts on the system's
// default printer; a PDF file can stand in for a printer.
class TRPDevice
{
public:
    TRPDevice();
    TRPDevice(const TRPDevice &) = delete;
    TRPDevice &operator=(const TRPDevice &) = delete;

    // Prints on the installed printer of that name.
    void SelectPrinter(const QString &PrinterName);
    // Prints into a PDF file whose printable area is the whole sheet.
    void SelectPdfFile(const QString &FileName);
    bool IsPdf() const { return m_pdf; }
    // Whether a job can be printed: a PDF file or an installed printer.
    bool HasPrinter() const;

    // The copies in the device's settings, 1 when it has none.
    int DeviceCopies() const;
    // The most copies the printer driver makes of a sheet by itself.
    int DeviceMaxCopies() const;
    void SetDeviceCopies(int Copies);
    // poDefault leaves the orientation as it is.
    void SetDeviceOrientation(TOrientation Orientation);
    void SetPaper(const QPageSize &Paper);

    // In inches, from each edge of the sheet to the printable area.
    QMarginsF UnprintableMargins() const;

    QPrinter &Printer() { return m_printer; }
    const QPrinter &Printer() const { return m_printer; }

private:
    QPrinter m_printer{QPrinter::HighResolution};
    bool m_pdf = false;
};
