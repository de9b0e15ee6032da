#pragma once

#include "DialogRow.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;

// "Text": the one line a text label shows, in an edit box.
class TGetLabelText : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 40004;

    // help opens the help file at a topic; it may be empty.
    explicit TGetLabelText(QWidget *parent = nullptr, std::function<void(int)> help = {});

    QLabel *Label1;
    QLineEdit *LabelText;
    TDialogRow Row;
};
