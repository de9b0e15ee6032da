#include "DialogRow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>
#include <QToolButton>
#include <QWhatsThis>

using namespace Qt::StringLiterals;

namespace {

constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonGap = 8;

QPushButton *RowButton(QDialog &dialog, const QString &name, const QString &text, int left, int top)
{
    auto *button = new QPushButton(text, &dialog);
    button->setObjectName(name);
    button->setGeometry(left, top, ButtonWidth, ButtonHeight);
    return button;
}

} // namespace

TDialogRow AddDialogRow(QDialog &dialog, int left, int top, std::function<void()> help)
{
    TDialogRow row;
    const int step = ButtonWidth + ButtonGap;
    row.OkButton =
        RowButton(dialog, u"OKButton"_s, QCoreApplication::translate("DialogRow", "Ok"), left, top);
    row.OkButton->setDefault(true);
    QObject::connect(row.OkButton, &QPushButton::clicked, &dialog, &QDialog::accept);
    row.CancelButton =
        RowButton(dialog, u"Cancelbutton"_s, QCoreApplication::translate("DialogRow", "Cancel"),
                  left + step, top);
    QObject::connect(row.CancelButton, &QPushButton::clicked, &dialog, &QDialog::reject);
    row.HelpButton =
        RowButton(dialog, u"Helpbutton"_s, QCoreApplication::translate("DialogRow", "Help"),
                  left + 2 * step, top);
    QObject::connect(row.HelpButton, &QPushButton::clicked, &dialog, [help = std::move(help)] {
        if (help)
            help();
    });
    row.ContextHelpButton = new QToolButton(&dialog);
    row.ContextHelpButton->setObjectName(u"ContextHelpButton"_s);
    row.ContextHelpButton->setText(u"?"_s);
    row.ContextHelpButton->setToolTip(QCoreApplication::translate("DialogRow", "What's this?"));
    row.ContextHelpButton->setGeometry(left + 3 * step, top, ButtonHeight, ButtonHeight);
    QObject::connect(row.ContextHelpButton, &QToolButton::clicked, &dialog,
                     [] { QWhatsThis::enterWhatsThisMode(); });
    return row;
}

void AddWhatsThisMenu(QWidget &widget)
{
    widget.setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *action = new QAction(QCoreApplication::translate("DialogRow", "What's this?"), &widget);
    QObject::connect(action, &QAction::triggered, &widget, [&widget] {
        QWhatsThis::showText(widget.mapToGlobal(widget.rect().center()), widget.whatsThis(),
                             &widget);
    });
    widget.addAction(action);
}
