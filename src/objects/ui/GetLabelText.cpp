#include "GetLabelText.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

TGetLabelText::TGetLabelText(QWidget *parent, std::function<void(int)> help)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(u"GetLabelText"_s);
    setWindowTitle(tr("Text"));
    setFixedSize(356, 133);

    Label1 = new QLabel(tr("Enter Text"), this);
    Label1->setObjectName(u"Label1"_s);
    Label1->move(16, 16);
    Label1->adjustSize();

    LabelText = new QLineEdit(this);
    LabelText->setObjectName(u"LabelText"_s);
    LabelText->setGeometry(16, 38, 324, LabelText->sizeHint().height());
    LabelText->setWhatsThis(tr("The text the label shows."));
    AddWhatsThisMenu(*LabelText);

    Row = AddDialogRow(*this, 16, 92, [help] {
        if (help)
            help(HelpContext);
    });
    LabelText->setFocus();
}
