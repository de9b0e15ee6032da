#include "PdfReport.h"

#include <QPdfWriter>

namespace {

// The resolution of a high-resolution printer, so a document measures the
// same written here as printed.
constexpr int pdfResolution = 1200;

} // namespace

TPdfReport::TPdfReport(const QPageSize &Paper, QPageLayout::Orientation Orientation)
    : m_layout(Paper, Orientation, QMarginsF(0, 0, 0, 0))
{}

bool TPdfReport::Write(QIODevice &Output, const TPrintEvent &OnPrint)
{
    QPdfWriter writer(&Output);
    writer.setResolution(pdfResolution);
    writer.setPageLayout(m_layout);
    writer.setTitle(Title());
    writer.setCreator(QStringLiteral("Datewright"));
    return DrawOn(writer, {}, [&] {
        if (OnPrint)
            OnPrint(*this);
    });
}
