#include "RadioGroupBox.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>
#include <QResizeEvent>

#include <algorithm>

namespace {

constexpr int Left = 8;
constexpr int Top = 16;
constexpr int Step = 18;

} // namespace

TRadioGroupBox::TRadioGroupBox(const QString &title, const QStringList &items, QWidget *parent)
    : QGroupBox(title, parent), m_buttons(new QButtonGroup(this))
{
    for (int i = 0; i < items.size(); ++i)
        m_buttons->addButton(new QRadioButton(items[i], this), i);
    resizeEvent(nullptr);
    connect(m_buttons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit ItemIndexChanged(id);
    });
}

QSize TRadioGroupBox::sizeHint() const
{
    int width = fontMetrics().horizontalAdvance(title()) + 2 * Left;
    const QList<QAbstractButton *> buttons = m_buttons->buttons();
    for (const QAbstractButton *button : buttons)
        width = std::max(width, button->sizeHint().width() + 2 * Left);
    return {width, Top + int(buttons.size()) * Step + Left / 2};
}

void TRadioGroupBox::resizeEvent(QResizeEvent *event)
{
    if (event)
        QGroupBox::resizeEvent(event);
    const QList<QAbstractButton *> buttons = m_buttons->buttons();
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setGeometry(Left, Top + i * Step, std::max(width() - 2 * Left, 0), Step);
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
