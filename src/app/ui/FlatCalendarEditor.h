#pragma once

#include <QDialog>

// "Floating Calendar Properties": the editor of the floating mini calendars
// placed on the page. It lives for the whole run and is shown when such a
// calendar is edited.
class TFlatCalendarEditor : public QDialog
{
    Q_OBJECT

public:
    explicit TFlatCalendarEditor(QWidget *parent = nullptr);
};
