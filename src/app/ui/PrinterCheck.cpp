#include "PrinterCheck.h"

#include "Messages.h"

#include <QCoreApplication>
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
        ShowInformation(QCoreApplication::translate("PrinterCheck", "There are no installed printers.\r\n"
                                                    "Unable to perform printer related operations"));
        return false;
    }
    if (!printers.DefaultPrinterName || printers.DefaultPrinterName().isEmpty()) {
        ShowInformation(QCoreApplication::translate("PrinterCheck",
                                                    "There is no default printer selected.\r\n"
                                                    "Unable to perform printer related operations"));
        return false;
    }
    return true;
}
