#include "EditRecurringDateFormula.h"

#include "Messages.h"
#include "RecurringDescription.h"
#include "RecurringFormula.h"
#include "Translations.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

namespace {

constexpr int ListWidth = 120;
constexpr int RowHeight = 21;

QString Hint(QString text)
{
    // "\r" in the hints is a line break.
    return text.replace(u'\r', u'\n');
}

QComboBox *MonthList(QWidget *parent, const QRect &bounds)
{
    auto *list = new QComboBox(parent);
    list->addItem(MonthOrEachMonth(0));
    for (int month = 1; month <= 12; ++month)
        list->addItem(MonthOrEachMonth(month));
    list->setGeometry(bounds);
    list->setToolTip(
        TEditRecurringDateFormula::tr("Select the month, or 'Each Month' for every month"));
    return list;
}

void Label(const QString &text, QWidget *parent, const QRect &bounds)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(bounds);
}

} // namespace

TEditRecurringDateFormula::TEditRecurringDateFormula(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Recurring Date - Formulas"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(420, 292);
    m_kinds = new QButtonGroup(this);
    CreateDayOfMonth();
    CreateDaysOfWeek();
    CreateSpecial();
    CreateEventAndButtons();
    for (QRadioButton *kind : {rbDayOfMonth, rbDayOfweek, rbSpecial}) {
        m_kinds->addButton(kind);
        connect(kind, &QRadioButton::clicked, this, &TEditRecurringDateFormula::SetRecurType);
    }
    // FormCreate.
    rbDayOfMonth->setChecked(true);
    m_formula = QStringLiteral("@");
    SetRecurType();
}

void TEditRecurringDateFormula::CreateDayOfMonth()
{
    rbDayOfMonth = new QRadioButton(tr("Day of the &Month"), this);
    rbDayOfMonth->setObjectName(QStringLiteral("rbDayOfMonth"));
    rbDayOfMonth->setGeometry(8, 8, 140, RowHeight);
    rbDayOfMonth->setToolTip(
        Hint(tr("Check here to choose a 'Day of the Month' \rstyle Repeating Reminder")));
    DayOfMonthDay = new QSpinBox(this);
    DayOfMonthDay->setRange(1, 31);
    DayOfMonthDay->setValue(1);
    DayOfMonthDay->setGeometry(150, 8, 50, RowHeight);
    DayOfMonthDay->setToolTip(tr("Select the day of the month (1-31)"));
    Label(tr("of"), this, QRect(208, 8, 16, RowHeight));
    DayOfMonthMonth = MonthList(this, QRect(228, 8, ListWidth, RowHeight));
}

void TEditRecurringDateFormula::CreateDaysOfWeek()
{
    rbDayOfweek = new QRadioButton(tr("Day of the &Week"), this);
    rbDayOfweek->setObjectName(QStringLiteral("rbDayOfweek"));
    rbDayOfweek->setGeometry(8, 44, 140, RowHeight);
    rbDayOfweek->setToolTip(
        Hint(tr("Check here to choose a 'Days of the Week' \rstyle Repeating Reminder")));
    const char *captions[] = {QT_TR_NOOP("Mon"), QT_TR_NOOP("Tues"), QT_TR_NOOP("Wed"),
                              QT_TR_NOOP("Thu"), QT_TR_NOOP("Fri"),  QT_TR_NOOP("Sat"),
                              QT_TR_NOOP("Sun")};
    QCheckBox **boxes[] = {&Monday, &Tuesday, &Wednesday, &Thursday, &Friday, &Saturday, &Sunday};
    for (int i = 0; i < 7; ++i) {
        auto *box = new QCheckBox(tr(captions[i]), this);
        box->setGeometry(24 + i * 54, 68, 52, RowHeight);
        box->setChecked(i < 5);
        box->setToolTip(Hint(tr("Check to use this reminder on this day of \reach week")));
        *boxes[i] = box;
    }
    AllDaysCheck = new QCheckBox(tr("All Days"), this);
    AllDaysCheck->setGeometry(24, 92, 100, RowHeight);
    AllDaysCheck->setToolTip(tr("Check to include all days"));
    connect(AllDaysCheck, &QCheckBox::clicked, this, &TEditRecurringDateFormula::AllDaysCheckClick);
}

void TEditRecurringDateFormula::CreateSpecial()
{
    rbSpecial = new QRadioButton(tr("&Special"), this);
    rbSpecial->setObjectName(QStringLiteral("rbSpecial"));
    rbSpecial->setGeometry(8, 124, 140, RowHeight);
    rbSpecial->setToolTip(
        Hint(tr("Check here to choose a 'nth Day of Month' \rstyle Repeating Reminder")));
    SpecialOccurrance = new QComboBox(this);
    for (int occurrence = 1; occurrence <= 5; ++occurrence)
        SpecialOccurrance->addItem(Ordinal(occurrence));
    SpecialOccurrance->addItem(tr("Last"));
    SpecialOccurrance->setGeometry(24, 148, 60, RowHeight);
    SpecialOccurrance->setToolTip(
        Hint(tr("Select the occurrance: First, 2nd, 3rd, 4th, 5th\ror Last")));
    SpecialDayOfWeek = new QComboBox(this);
    for (int weekday = 1; weekday <= 7; ++weekday)
        SpecialDayOfWeek->addItem(InterfaceLocale().dayName(weekday == 1 ? 7 : weekday - 1));
    SpecialDayOfWeek->addItem(tr("Day (any day)"));
    SpecialDayOfWeek->setGeometry(90, 148, 112, RowHeight);
    SpecialDayOfWeek->setToolTip(tr("Select the day of the week, or 'Day (any day)' for any day"));
    Label(tr("of"), this, QRect(208, 148, 16, RowHeight));
    SpecialMonth = MonthList(this, QRect(228, 148, ListWidth, RowHeight));
}

void TEditRecurringDateFormula::CreateEventAndButtons()
{
    Label(tr("Recurring event (birthday, anniversary, etc)"), this, QRect(8, 186, 404, 16));
    Event = new QLineEdit(this);
    Event->setObjectName(QStringLiteral("Event"));
    Event->setGeometry(8, 204, 404, 22);
    Okbutton = new QPushButton(tr("&Ok"), this);
    Okbutton->setObjectName(QStringLiteral("Okbutton"));
    Okbutton->setGeometry(248, 254, 78, 25);
    Okbutton->setDefault(true);
    connect(Okbutton, &QPushButton::clicked, this, &TEditRecurringDateFormula::OkbuttonClick);
    CancelButton = new QPushButton(tr("&Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(334, 254, 78, 25);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

QString TEditRecurringDateFormula::EventName() const
{
    return Event->text();
}

void TEditRecurringDateFormula::SetEventName(const QString &name)
{
    Event->setText(name);
}

std::array<QCheckBox *, 7> TEditRecurringDateFormula::DaysSundayFirst() const
{
    return {Sunday, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday};
}

void TEditRecurringDateFormula::SetRecurType()
{
    const bool week = rbDayOfweek->isChecked();
    for (QCheckBox *day : DaysSundayFirst())
        day->setEnabled(week);
    AllDaysCheck->setEnabled(week);
    DayOfMonthDay->setEnabled(rbDayOfMonth->isChecked());
    DayOfMonthMonth->setEnabled(rbDayOfMonth->isChecked());
    for (QComboBox *list : {SpecialOccurrance, SpecialDayOfWeek, SpecialMonth})
        list->setEnabled(rbSpecial->isChecked());
    for (QRadioButton *kind : {rbDayOfMonth, rbDayOfweek, rbSpecial}) {
        QFont font = kind->font();
        font.setBold(kind->isChecked());
        kind->setFont(font);
    }
}

void TEditRecurringDateFormula::AllDaysCheckClick()
{
    for (QCheckBox *day : DaysSundayFirst())
        day->setChecked(AllDaysCheck->isChecked());
}

void TEditRecurringDateFormula::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TEditRecurringDateFormula::FormActivate()
{
    Event->setFocus();
    SetEmUp();
}

void TEditRecurringDateFormula::SetEmUp()
{
    const QChar marker = m_formula.isEmpty() ? QChar(u' ') : m_formula[0];
    if (marker == u'$') {
        if (const std::optional<TSpecialFormula> read = ReadSpecialFormula(m_formula)) {
            rbSpecial->setChecked(true);
            SpecialOccurrance->setCurrentIndex(read->Occurrence);
            SpecialDayOfWeek->setCurrentIndex(read->Weekday);
            SpecialMonth->setCurrentIndex(read->Month);
        }
    } else if (marker == u'@') {
        if (const std::optional<TDayOfMonth> read = ReadDayOfMonthFormula(m_formula)) {
            rbDayOfMonth->setChecked(true);
            DayOfMonthDay->setValue(read->Day);
            DayOfMonthMonth->setCurrentIndex(read->Month);
        }
    } else {
        rbDayOfweek->setChecked(true);
        const std::array<QCheckBox *, 7> days = DaysSundayFirst();
        for (int day = 0; day < 7; ++day)
            days[day]->setChecked(m_formula.contains(QChar(u'1' + day)));
    }
    SetRecurType();
}

bool TEditRecurringDateFormula::DetermineFormulaString()
{
    if (rbDayOfMonth->isChecked()) {
        const int day = DayOfMonthDay->value();
        if (day < 1 || day > 31) {
            ShowInformation(tr("Invalid day of month entered "));
            return false;
        }
        if (DayOfMonthMonth->currentIndex() < 0) {
            ShowInformation(tr("Invalid month entered "));
            return false;
        }
        m_formula = MakeDayOfMonthFormula(day, DayOfMonthMonth->currentIndex());
        return true;
    }
    if (rbSpecial->isChecked()) {
        if (SpecialOccurrance->currentIndex() < 0 || SpecialDayOfWeek->currentIndex() < 0 ||
            SpecialMonth->currentIndex() < 0) {
            ShowInformation(tr("Invalid value entered for Special category"));
            return false;
        }
        m_formula =
            MakeSpecialFormula(SpecialOccurrance->currentIndex(), SpecialDayOfWeek->currentIndex(),
                               SpecialMonth->currentIndex());
        return true;
    }
    std::array<bool, 7> chosen{};
    const std::array<QCheckBox *, 7> days = DaysSundayFirst();
    for (int day = 0; day < 7; ++day)
        chosen[day] = days[day]->isChecked();
    if (std::none_of(chosen.begin(), chosen.end(), [](bool set) { return set; })) {
        ShowInformation(tr("You must select at least one day for this \r"
                           "reminder to occur on"));
        return false;
    }
    m_formula = MakeWeekdayFormula(chosen);
    return true;
}

void TEditRecurringDateFormula::OkbuttonClick()
{
    if (DetermineFormulaString())
        accept();
}
