#include "UserTitleForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int buttonWidth = 75;
constexpr int buttonHeight = 25;
constexpr int buttonTop = 88;

} // namespace

TUserTitleForm::TUserTitleForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(u"UserTitleForm"_s);
    setWindowTitle(tr("User Defined Title"));
    QFont font(u"Arial"_s);
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(358, 135);

    Label1 = new QLabel(tr("Enter calendar title (leave blank for default):"), this);
    Label1->setObjectName(u"Label1"_s);
    Label1->move(21, 18);
    Label1->adjustSize();

    TitleText = new QLineEdit(this);
    TitleText->setObjectName(u"TitleText"_s);
    TitleText->setGeometry(21, 40, 301, TitleText->sizeHint().height());

    OkButton = new QPushButton(tr("Ok"), this);
    OkButton->setObjectName(u"OkButton"_s);
    OkButton->setGeometry(96, buttonTop, buttonWidth, buttonHeight);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(u"CancelButton"_s);
    CancelButton->setGeometry(96 + buttonWidth + 12, buttonTop, buttonWidth, buttonHeight);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}
