#include "ChooseRows.h"

#include "RecurringRows.h"

#include <QApplication>
#include <QPushButton>

namespace {

constexpr int DialogWidth = 460;
constexpr int DialogHeight = 360;
constexpr int ButtonWidth = 78;

QPushButton *Button(const QString &caption, const QString &name, int x, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(x, DialogHeight - 33, ButtonWidth, 25);
    return button;
}

} // namespace

TChooseRows::TChooseRows(const QString &caption, int listTop, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(DialogWidth, DialogHeight);
    Rows = new TRecurringRowList(true, this);
    Rows->setGeometry(8, listTop, DialogWidth - 16, DialogHeight - 41 - listTop);
    okbutton = Button(tr("&Ok"), QStringLiteral("okbutton"), 8, this);
    okbutton->setDefault(true);
    Allbutton = Button(tr("&All"), QStringLiteral("Allbutton"), 94, this);
    Nonebutton = Button(tr("&None"), QStringLiteral("Nonebutton"), 180, this);
    CancelButton =
        Button(tr("&Cancel"), QStringLiteral("CancelButton"), DialogWidth - 8 - ButtonWidth, this);
    connect(okbutton, &QPushButton::clicked, this, &TChooseRows::OkbuttonClick);
    connect(Allbutton, &QPushButton::clicked, Rows, &QListWidget::selectAll);
    connect(Nonebutton, &QPushButton::clicked, Rows, &QListWidget::clearSelection);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TChooseRows::OkbuttonClick()
{
    if (!Rows->HasSelection()) {
        QApplication::beep();
        return;
    }
    accept();
}
