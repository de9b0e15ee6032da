#include "SelectRecurringDates.h"

#include "RecurringRows.h"

TSelectRecurringDates::TSelectRecurringDates(const QStringList &lines, QWidget *parent)
    : TChooseRows(tr("Select Recurring Dates To Use"), 8, parent)
{
    Dates()->SetLines(lines);
}

void TSelectRecurringDates::showEvent(QShowEvent *event)
{
    TChooseRows::showEvent(event);
    FormActivate();
}

void TSelectRecurringDates::FormActivate()
{
    Dates()->selectAll();
}

QStringList TSelectRecurringDates::SelectedLines() const
{
    return Dates()->SelectedLines();
}
