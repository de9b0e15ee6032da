#pragma once

#include <QMenu>
#include <QPointer>
#include <QToolButton>

// A flat tool button of the tool row that may carry a pop-up menu, shown on
// a right click.
class TToolSpeedButton : public QToolButton
{
    Q_OBJECT

public:
    explicit TToolSpeedButton(QWidget *parent = nullptr);

    QMenu *PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(QMenu *menu) { m_popupMenu = menu; }

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QPointer<QMenu> m_popupMenu;
};
