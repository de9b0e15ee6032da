#pragma once

#include <QDialog>

class QPushButton;
class TRecurringRowList;

// The frame the two dialogs that choose rows share: a list with check marks
// and the buttons "&Ok", "&All", "&None" and "&Cancel". "&Ok" with no row
// chosen beeps and keeps the dialog open.
class TChooseRows : public QDialog
{
    Q_OBJECT

public:
    TRecurringRowList *Rows;
    QPushButton *okbutton, *Allbutton, *Nonebutton, *CancelButton;

    void OkbuttonClick();

protected:
    // A fixed dialog of the given caption; the list starts at listTop.
    TChooseRows(const QString &caption, int listTop, QWidget *parent);
};
