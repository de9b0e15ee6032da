#pragma once

#include "CanvasReport.h"

#include <QPageLayout>
#include <QPageSize>

#include <functional>

class QIODevice;

// A report written as a PDF document: vector pages of one paper size and
// orientation, the whole sheet printable, at the resolution printers use.
// Unlike a printer it needs no print system, so writing a file does not wait
// for one.
class TPdfReport : public TCanvasReport
{
public:
    using TPrintEvent = std::function<void(TPdfReport &Report)>;

    TPdfReport(const QPageSize &Paper, QPageLayout::Orientation Orientation);

    // Writes the document into Output, which stays open, calling OnPrint to
    // draw its pages. False when the document could not be begun; the
    // device's own errors show in its state.
    bool Write(QIODevice &Output, const TPrintEvent &OnPrint);

private:
    QPageLayout m_layout;
};
