#include "GetLabelText.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

TGetLabelText::TGetLabelText(QWidget *parent, std::function<void(int)> help)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(u"GetLabelText"_s);
    setWindowTitle(u"Text"_s);
    setFixedSize(356, 133);

    Label1 = new QLabel(u"Enter Text"_s, this);
    Label1->setObjectName(u"Label1"_s);
    Label1->move(16, 16);
    Label1->adjustSize();

    LabelText = new QLineEdit(this);
    LabelText->setObjectName(u"LabelText"_s);
    LabelText->setGeometry(16, 38, 324, LabelText->sizeHint().height());
    LabelText->setWhatsThis(u"The text the label shows."_s);
    AddWhatsThisMenu(*LabelText);

    Row = AddDialogRow(*this, 16, 92, [help] {
        if (help)
            help(HelpContext);
    });
    LabelText->setFocus();
}
