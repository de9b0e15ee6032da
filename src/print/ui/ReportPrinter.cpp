#include "ReportPrinter.h"

#include "Messages.h"

#include <QCoreApplication>

TReportPrinter::TReportPrinter()
{
    m_device.SetDeviceOrientation(m_orientation);
}

void TReportPrinter::SetOrientation(TOrientation Value)
{
    m_orientation = Value;
    if (!Printing())
        m_device.SetDeviceOrientation(Value);
}

void TReportPrinter::SetCopies(int Value)
{
    m_copies = Value;
    if (Value > 0 && Value < m_device.DeviceMaxCopies())
        m_device.SetDeviceCopies(Value);
}

bool TReportPrinter::RunPrintJob()
{
    if (!m_device.HasPrinter()) {
        ShowInformation(QCoreApplication::translate(
            "TReportPrinter", "No printers are defined, aborting print job."));
        return false;
    }
    if (OnBeforePrint)
        OnBeforePrint(*this);
    QPrinter &printer = m_device.Printer();
    printer.setDocName(Title());
    return DrawOn(printer, m_device.UnprintableMargins(), [&] {
        if (OnPrint)
            OnPrint(*this);
    });
}
