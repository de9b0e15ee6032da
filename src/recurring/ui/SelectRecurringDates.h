#pragma once

#include "ChooseRows.h"

#include <QStringList>

// Chooses the recurring dates a fill puts on the page: the lines in the
// order given, every row chosen whenever the dialog is shown.
class TSelectRecurringDates : public TChooseRows
{
    Q_OBJECT

public:
    explicit TSelectRecurringDates(const QStringList &lines, QWidget *parent = nullptr);

    TRecurringRowList *Dates() const { return Rows; }
    void FormActivate();
    QStringList SelectedLines() const;

protected:
    void showEvent(QShowEvent *event) override;
};
