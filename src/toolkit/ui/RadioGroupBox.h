#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

// A framed group of radio buttons, one per item, stacked from the top. The
// checked item's index is the group's value; every change of it, by the user
// or by the program, is announced.
class TRadioGroupBox : public QGroupBox
{
    Q_OBJECT

public:
    TRadioGroupBox(const QString &title, const QStringList &items, QWidget *parent = nullptr);

    int ItemIndex() const;
    void SetItemIndex(int index);

signals:
    void ItemIndexChanged(int index);

private:
    QButtonGroup *m_buttons;
};
