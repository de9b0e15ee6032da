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
    m_device.PrepareJob(Title());
    // The painter's origin is the sheet's corner, so positions need no shift.
    return DrawOn(m_device.Printer(), QMarginsF(), [&] {
        if (OnPrint)
            OnPrint(*this);
    });
}
