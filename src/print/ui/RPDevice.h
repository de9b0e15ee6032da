#pragma once

#include "PrintTypes.h"

#include <QMarginsF>
#include <QPrinter>
#include <QString>

class QPageSize;

// The printer a report prints on, with its settings (paper, orientation,
// copies), kept from one print job to the next. It starts on the system's
// default printer; a PDF file can stand in for a printer, and the set-up
// dialog may choose either.
//
// It prints the whole sheet: a painter on it has its origin at the sheet's
// top-left corner, and what lies in the unprintable margins is the printer's
// to leave out.
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
    // Without printers Qt turns to PDF too, but without a file to write.
    bool IsPdf() const
    {
        return m_printer.outputFormat() == QPrinter::PdfFormat &&
               !m_printer.outputFileName().isEmpty();
    }
    // The printer's name, or the PDF file's.
    QString Name() const;
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

    // Before a job: the whole sheet, and the name the job has in the queue.
    void PrepareJob(const QString &JobName);

    // In inches, from each edge of the sheet in its current orientation to
    // the printable area the printer reports for the paper.
    QMarginsF UnprintableMargins() const;

    QPrinter &Printer() { return m_printer; }
    const QPrinter &Printer() const { return m_printer; }

private:
    QPrinter m_printer{QPrinter::HighResolution};
};
