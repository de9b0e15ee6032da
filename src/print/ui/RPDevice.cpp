#include "RPDevice.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

#include <algorithm>

namespace {

// What "as many as wanted" is for a driver that makes copies itself.
constexpr int manyCopies = 9999;
constexpr double pointsPerInch = 72.0;

// A printer reports its printable area for the sheet as it is fed, upright.
// A landscape page is turned a quarter to the left onto it, so its top lies
// along the sheet's left edge and its left along the sheet's bottom.
QMarginsF TurnedForLandscape(const QMarginsF &upright)
{
    return {upright.bottom(), upright.left(), upright.top(), upright.right()};
}

} // namespace

TRPDevice::TRPDevice() = default;

void TRPDevice::SelectPrinter(const QString &PrinterName)
{
    m_printer.setOutputFileName({});
    m_printer.setOutputFormat(QPrinter::NativeFormat);
    m_printer.setPrinterName(PrinterName);
}

void TRPDevice::SelectPdfFile(const QString &FileName)
{
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(FileName);
}

QString TRPDevice::Name() const
{
    return IsPdf() ? m_printer.outputFileName() : m_printer.printerName();
}

bool TRPDevice::HasPrinter() const
{
    return IsPdf() || !QPrinterInfo::availablePrinters().isEmpty();
}

int TRPDevice::DeviceCopies() const
{
    return std::max(1, m_printer.copyCount());
}

int TRPDevice::DeviceMaxCopies() const
{
    return m_printer.supportsMultipleCopies() ? manyCopies : 1;
}

void TRPDevice::SetDeviceCopies(int Copies)
{
    if (Copies > 0)
        m_printer.setCopyCount(Copies);
}

void TRPDevice::SetDeviceOrientation(TOrientation Orientation)
{
    if (Orientation == poPortrait)
        m_printer.setPageOrientation(QPageLayout::Portrait);
    else if (Orientation == poLandScape)
        m_printer.setPageOrientation(QPageLayout::Landscape);
}

void TRPDevice::SetPaper(const QPageSize &Paper)
{
    m_printer.setPageSize(Paper);
}

void TRPDevice::PrepareJob(const QString &JobName)
{
    // Choosing another printer may bring back the printer's own margins.
    m_printer.setFullPage(true);
    m_printer.setDocName(JobName);
}

QMarginsF TRPDevice::UnprintableMargins() const
{
    QPageLayout layout = m_printer.pageLayout();
    layout.setUnits(QPageLayout::Point);
    const QMarginsF upright = layout.minimumMargins() / pointsPerInch;
    return layout.orientation() == QPageLayout::Landscape ? TurnedForLandscape(upright) : upright;
}
