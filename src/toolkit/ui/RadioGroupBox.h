#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

// A framed group of radio buttons, one per item, stacked from the top. The
// checked item's index is the group's value; every change of it, by the user
// or by the program, is announced. The buttons take the box's width, each on
// a row of its own.
class TRadioGroupBox : public QGroupBox
{
    Q_OBJECT

public:
    TRadioGroupBox(const QString &title, const QStringList &items, QWidget *parent = nullptr);

    // Room for the title and every button on its row.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    int ItemIndex() const;
    void SetItemIndex(int index);

signals:
    void ItemIndexChanged(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QButtonGroup *m_buttons;
};
