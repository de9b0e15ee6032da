#include "FontNameList.h"

#include <QFontDatabase>
#include <QSignalBlocker>

TFontNameList::TFontNameList(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(16);
}

void TFontNameList::showPopup()
{
    if (!m_filled) {
        m_filled = true;
        const QSignalBlocker blocker(this);
        const QString shown = currentText();
        addItems(QFontDatabase::families());
        setCurrentText(shown);
    }
    QComboBox::showPopup();
}
