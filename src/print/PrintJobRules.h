#pragma once

#include <QMarginsF>
#include <QString>

// What a print job decides before it draws: whether the page's margins lie
// within what the printer can reach, and who makes the copies.

// An unprintable margin in inches cut to hundredths of an inch: 0.259 counts
// as 0.25. A value that is a whole number of hundredths stays one, whatever
// its binary form (0.29 is not taken for 0.28).
double TruncatedHundredths(double Inches);

// The lines naming each side whose page margin is smaller than the printer's
// truncated unprintable margin, in the order left, top, right, bottom, each
// starting with "\r"; empty when every side fits. A margin equal to the
// unprintable one fits. Both in inches.
QString MarginWarningLines(const QMarginsF &Unprintable, const QMarginsF &PageMargins);

// The question asked about those lines, with its caption.
QString MarginWarningQuestion(const QString &Lines);
QString MarginWarningCaption();

// Who makes the copies of a job: the printer makes PrinterCopies of each
// drawn sheet, and the program draws the page DrawnCopies times.
struct TCopiesPlan
{
    int PrinterCopies = 1;
    int DrawnCopies = 1;

    friend bool operator==(const TCopiesPlan &, const TCopiesPlan &) = default;
};

// The copies chosen for the device (0 or less meaning 1) are made by the
// printer when it can make that many, else drawn by the program.
TCopiesPlan PlanCopies(int DeviceCopies, int DeviceMaxCopies);

// The message shown once a job was sent; a page with special-effect text
// asks for patience.
QString PrintCompletedMessage(bool HasSuperText);
