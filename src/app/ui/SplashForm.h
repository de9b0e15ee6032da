#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: the program's logo, its version, two lines about its makers
// and an "Ok" button.
class TSplashform : public QDialog
{
    Q_OBJECT

public:
    explicit TSplashform(QWidget *parent = nullptr);

    QLabel *Logo;
    QLabel *VersionLabel;
    QLabel *BuildLabel;
    QLabel *AboutLine1;
    QLabel *AboutLine2;
    QPushButton *OkButton;
};
