#pragma once

#include "ChooseRows.h"
#include "HolidaySets.h"

#include <QList>
#include <QStringList>

class QComboBox;

// Chooses holidays to add to the recurring dates: a set (the built-in list
// of the United States, or one shipped beside the program) and its rows,
// none chosen when the dialog opens.
class TGetHolidays : public TChooseRows
{
    Q_OBJECT

public:
    // The sets found in folder (the program folder).
    explicit TGetHolidays(const QString &folder, QWidget *parent = nullptr);

    TRecurringRowList *Holidays() const { return Rows; }
    QComboBox *HolidaySet;

    // Shows the rows of set index; a set that cannot be read is told of and
    // shows none.
    void HolidaySetChange(int index);
    QStringList SelectedLines() const;

private:
    QList<THolidaySet> m_sets;
};
