#pragma once

#include "RecurringList.h"
#include "StartFolder.h"

#include <QDialog>
#include <QStringList>

class QPushButton;
class TRecurringRowList;

// The list of recurring dates: entries added, edited, deleted, taken from
// the holiday sets or an iCalendar file, and the list written to a calendar
// file. "Ok" writes the list to the recurring-dates file; "Cancel" forgets
// every change.
class TEditRecurringDates : public QDialog
{
    Q_OBJECT

public:
    // lines: the recurring-dates file as read; folder: the program folder,
    // where the holiday sets are.
    TEditRecurringDates(const QStringList &lines, const QString &folder, QWidget *parent = nullptr);

    const TRecurringList &Lines() const { return m_lines; }
    // Where the import and export dialogs open, and the last folder chosen.
    TFileFolder &FileFolder() { return m_fileFolder; }

    TRecurringRowList *DatesList;
    QPushButton *okbutton, *Editbutton, *Newbutton, *DeleteButton, *Holidaysbutton;
    QPushButton *ImportButton, *ExportButton, *CancelButton;

    void setbuttons();
    void okbuttonClick();
    void NewbuttonClick();
    void EditbuttonClick();
    void DoEditRecurringFormula();
    void DeleteButtonClick();
    void HolidaysbuttonClick();
    void ImportButtonClick();
    void ExportButtonClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *Button(const QString &caption, const QString &name, int top);
    // Adds line in its sorted place and makes it the chosen row.
    int Add(const QString &line);
    // Adds each line not in the list yet (letter case ignored); how many.
    int AddMissing(const QStringList &lines);
    void SelectFirstIfNone();
    // The iCalendar file to import or export, from a dialog in the file
    // folder; empty when cancelled.
    QString AskCalendarFileName(bool import);

    TRecurringList m_lines;
    QString m_folder;
    TFileFolder m_fileFolder;
};
