#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// "User Defined Title": one line of text that replaces the page's own title;
// left blank, the page shows its default title.
class TUserTitleForm : public QDialog
{
    Q_OBJECT

public:
    explicit TUserTitleForm(QWidget *parent = nullptr);

    QLabel *Label1;
    QLineEdit *TitleText;
    QPushButton *OkButton;
    QPushButton *CancelButton;
};
