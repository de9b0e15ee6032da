#include "RadioGroupBox.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>

TRadioGroupBox::TRadioGroupBox(const QString &title, const QStringList &items, QWidget *parent)
    : QGroupBox(title, parent), m_buttons(new QButtonGroup(this))
{
    constexpr int Top = 16;
    constexpr int Step = 18;
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        button->move(8, Top + i * Step);
        m_buttons->addButton(button, i);
    }
    connect(m_buttons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit ItemIndexChanged(id);
    });
}

int TRadioGroupBox::ItemIndex() const
{
    return m_buttons->checkedId();
}

void TRadioGroupBox::SetItemIndex(int index)
{
    if (QAbstractButton *button = m_buttons->button(index))
        button->setChecked(true);
}
