#include "PrintJobRules.h"

#include "Numbers.h"

#include <QCoreApplication>

namespace {

// Far below a hundredth of an inch, far above the error of a decimal value
// held in binary.
constexpr double representationSlack = 1e-9;

} // namespace

double TruncatedHundredths(double Inches)
{
    return Trunc(Inches * 100.0 + representationSlack) * 0.01;
}

QString MarginWarningLines(const QMarginsF &Unprintable, const QMarginsF &PageMargins)
{
    struct Side
    {
        double unprintable;
        double page;
        const char *line;
    };
    const Side sides[] = {
        {Unprintable.left(), PageMargins.left(),
         QT_TRANSLATE_NOOP("PrintJob", "Left Margin is possibly outside of Printer printable area")},
        {Unprintable.top(), PageMargins.top(),
         QT_TRANSLATE_NOOP("PrintJob", "Top Margin is possibly outside of Printer printable area")},
        {Unprintable.right(), PageMargins.right(),
         QT_TRANSLATE_NOOP("PrintJob", "Right Margin is possibly outside of Printer printable area")},
        {Unprintable.bottom(), PageMargins.bottom(),
         QT_TRANSLATE_NOOP("PrintJob", "Bottom Margin is possibly outside of Printer printable area")},
    };
    // Compared as the page keeps its margins, in single precision, so that a
    // margin typed as 0.29 equals a printer's 0.29.
    QString lines;
    for (const Side &side : sides) {
        if (float(TruncatedHundredths(side.unprintable)) > float(side.page))
            lines += QLatin1Char('\r') + QCoreApplication::translate("PrintJob", side.line);
    }
    return lines;
}

QString MarginWarningQuestion(const QString &Lines)
{
    return QCoreApplication::translate("PrintJob", "Margin Warning:") + QLatin1Char('\r') + Lines + QLatin1Char('\r') +
           QLatin1Char('\r') + QCoreApplication::translate("PrintJob", "Print anyways?");
}

QString MarginWarningCaption()
{
    return QCoreApplication::translate("PrintJob", "Margin Warning");
}

TCopiesPlan PlanCopies(int DeviceCopies, int DeviceMaxCopies)
{
    const int copies = DeviceCopies > 0 ? DeviceCopies : 1;
    if (DeviceMaxCopies >= copies)
        return {copies, 1};
    return {1, copies};
}

QString PrintCompletedMessage(bool HasSuperText)
{
    if (HasSuperText)
        return QCoreApplication::translate(
            "PrintJob", "Print job completed and sent to printer!\r\rNote: this design contains "
                  "complex shapes or text.\rPlease be patient while the printer produces "
                  "its\routput...");
    return QCoreApplication::translate("PrintJob", "Print job completed and sent to printer!");
}
