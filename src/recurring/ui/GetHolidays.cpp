#include "GetHolidays.h"

#include "Messages.h"
#include "RecurringRows.h"

#include <QComboBox>
#include <QLabel>

#include <algorithm>

TGetHolidays::TGetHolidays(const QString &folder, QWidget *parent)
    : TChooseRows(tr("Holidays"), 36, parent), m_sets(HolidaySets(folder))
{
    // The label takes the room its text needs; the list beside it keeps its
    // right edge.
    auto *label = new QLabel(tr("Holidays of"), this);
    const int labelWidth = std::max(80, label->sizeHint().width());
    label->setGeometry(8, 8, labelWidth, 21);
    HolidaySet = new QComboBox(this);
    HolidaySet->setObjectName(QStringLiteral("HolidaySet"));
    HolidaySet->setGeometry(labelWidth + 10, 8, 280 - labelWidth, 21);
    HolidaySet->setToolTip(tr("Choose whose holidays to list"));
    for (const THolidaySet &set : m_sets)
        HolidaySet->addItem(set.Name);
    connect(HolidaySet, &QComboBox::currentIndexChanged, this, &TGetHolidays::HolidaySetChange);
    HolidaySetChange(0);
}

void TGetHolidays::HolidaySetChange(int index)
{
    Holidays()->clear();
    if (index < 0 || index >= m_sets.size())
        return;
    const TRecurringRead read = HolidaySetLines(m_sets[index]);
    if (!read.Error.isEmpty()) {
        ShowInformation(
            tr("The holidays of %1 could not be read.\r\n%2").arg(m_sets[index].Name, read.Error));
        return;
    }
    Holidays()->SetLines(read.Lines);
}

QStringList TGetHolidays::SelectedLines() const
{
    return Holidays()->SelectedLines();
}
