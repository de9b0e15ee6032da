#pragma once

#include <QDialog>
#include <QString>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// Edits one recurring date: its name and its formula, a day of the month,
// days of the week or a special day ("2nd Sun of May"). The caller sets the
// caption, Formula and EventName, shows the dialog and on OK reads them back.
class TEditRecurringDateFormula : public QDialog
{
    Q_OBJECT

public:
    explicit TEditRecurringDateFormula(QWidget *parent = nullptr);

    const QString &Formula() const { return m_formula; }
    void SetFormula(const QString &formula) { m_formula = formula; }
    QString EventName() const;
    void SetEventName(const QString &name);

    QRadioButton *rbDayOfMonth, *rbDayOfweek, *rbSpecial;
    QSpinBox *DayOfMonthDay;
    QComboBox *DayOfMonthMonth;
    // Monday first, as the dialog shows them.
    QCheckBox *Monday, *Tuesday, *Wednesday, *Thursday, *Friday, *Saturday, *Sunday;
    QCheckBox *AllDaysCheck;
    QComboBox *SpecialOccurrance, *SpecialDayOfWeek, *SpecialMonth;
    QLineEdit *Event;
    QPushButton *Okbutton, *CancelButton;

    // Enables the controls of the chosen kind and shows its caption bold.
    void SetRecurType();
    void AllDaysCheckClick();
    // Gives the name the focus and loads Formula into the controls; runs
    // whenever the dialog is shown.
    void FormActivate();
    void SetEmUp();
    // Builds Formula from the controls of the chosen kind; false, after
    // telling the user why, when they do not make one.
    bool DetermineFormulaString();
    void OkbuttonClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void CreateDayOfMonth();
    void CreateDaysOfWeek();
    void CreateSpecial();
    void CreateEventAndButtons();
    // The day boxes Sunday first, as formulas number them.
    std::array<QCheckBox *, 7> DaysSundayFirst() const;

    QString m_formula;
    // The three kinds, one checked at a time.
    QButtonGroup *m_kinds;
};
