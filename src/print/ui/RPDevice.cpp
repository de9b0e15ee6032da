#include "RPDevice.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

#include <algorithm>

namespace {

// What "as many as wanted" is for a driver that makes copies itself.
constexpr int manyCopies = 9999;

} // namespace

TRPDevice::TRPDevice() = default;

void TRPDevice::SelectPrinter(const QString &PrinterName)
{
    m_printer.setOutputFileName({});
    m_printer.setOutputFormat(QPrinter::NativeFormat);
    m_printer.setPrinterName(PrinterName);
    m_pdf = false;
}

void TRPDevice::SelectPdfFile(const QString &FileName)
{
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(FileName);
    m_printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
    m_pdf = true;
}

bool TRPDevice::HasPrinter() const
{
    return m_pdf || !QPrinterInfo::availablePrinters().isEmpty();
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

QMarginsF TRPDevice::UnprintableMargins() const
{
    const double resolution = m_printer.resolution();
    const QRectF paper = m_printer.paperRect(QPrinter::DevicePixel);
    const QRectF page = m_printer.pageRect(QPrinter::DevicePixel);
    return QMarginsF(page.left() - paper.left(), page.top() - paper.top(),
                     paper.right() - page.right(), paper.bottom() - page.bottom()) /
           resolution;
}
