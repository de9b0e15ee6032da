#include "PrinterCheck.h"

#include "Messages.h"

#include <QPrinterInfo>

using namespace Qt::StringLiterals;

TPrinterQuery SystemPrinterQuery()
{
    return {[] { return !QPrinterInfo::availablePrinterNames().isEmpty(); },
            [] { return QPrinterInfo::defaultPrinterName(); }};
}

bool CheckDefaultPrinter(const TPrinterQuery &printers)
{
    if (!printers.HasPrinters || !printers.HasPrinters()) {
        ShowInformation(u"There are no installed printers.\r\n"
                        "Unable to perform printer related operations"_s);
        return false;
    }
    if (!printers.DefaultPrinterName || printers.DefaultPrinterName().isEmpty()) {
        ShowInformation(u"There is no default printer selected.\r\n"
                        "Unable to perform printer related operations"_s);
        return false;
    }
    return true;
}
