#pragma once

#include "CanvasReport.h"
#include "RPDevice.h"

#include <functional>

// The report on a printer: runs one print job at a time on its device, which
// keeps the printer and its settings for the whole run.
class TReportPrinter : public TCanvasReport
{
public:
    using TReportEvent = std::function<void(TReportPrinter &Report)>;

    // Starts on the default printer in portrait.
    TReportPrinter();

    TRPDevice &Device() { return m_device; }
    const TRPDevice &Device() const { return m_device; }

    // Outside a job, poPortrait and poLandScape are put into the device's
    // settings every time they are set, so they win over what the set-up
    // dialog chose; poDefault leaves the device as it is.
    TOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TOrientation Value);
    // The copies for the job; a value greater than 0 and less than
    // DeviceMaxCopies is also put into the device's settings.
    int Copies() const { return m_copies; }
    void SetCopies(int Value);

    QMarginsF UnprintableMargins() const override { return m_device.UnprintableMargins(); }

    TReportEvent OnBeforePrint;
    TReportEvent OnPrint;

    bool Printing() const { return HasCanvas(); }
    // Raises OnBeforePrint, begins the document on the device, raises OnPrint
    // and ends the document, also when OnPrint throws (the exception then
    // goes on to the caller). Without a printer it tells the user and prints
    // nothing. True when the document was begun.
    bool RunPrintJob();

private:
    TRPDevice m_device;
    TOrientation m_orientation = poPortrait;
    int m_copies = 1;
};
