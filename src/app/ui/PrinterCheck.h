#pragma once

#include <QString>

#include <functional>

// How the program asks the system about its printers; tests put their own
// answers in place.
struct TPrinterQuery
{
    std::function<bool()> HasPrinters;
    // The default printer's name; empty when none is set or it cannot be read.
    std::function<QString()> DefaultPrinterName;
};

// The printers of the printer subsystem.
TPrinterQuery SystemPrinterQuery();

// Whether printing can work: false, after telling the user, when there is no
// printer at all or no default printer.
bool CheckDefaultPrinter(const TPrinterQuery &printers);
