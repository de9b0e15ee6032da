#include "PopupMenus.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>

#include <optional>

namespace {

// Notes a right-button press outside the menu: it closes the menu, and is
// given afterwards to what lies under it, which opens its own menu there.
class TRightClickOutside : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *menu = qobject_cast<QMenu *>(watched);
        if (menu && event->type() == QEvent::MouseButtonPress) {
            const auto &press = static_cast<const QMouseEvent &>(*event);
            if (press.button() == Qt::RightButton &&
                !menu->rect().contains(press.position().toPoint()))
                At = press.globalPosition().toPoint();
        }
        return false;
    }

    std::optional<QPoint> At;
};

// A right click at globalPos, after the events now waiting, on the widget
// of the program there.
void ClickRightLater(QPoint globalPos)
{
    const QPointer<QWidget> target = QApplication::widgetAt(globalPos);
    if (!target)
        return;
    const QPointF local = target->mapFromGlobal(QPointF(globalPos));
    QCoreApplication::postEvent(target,
                                new QMouseEvent(QEvent::MouseButtonPress, local, QPointF(globalPos),
                                                Qt::RightButton, Qt::RightButton, Qt::NoModifier));
    QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonRelease, local,
                                                        QPointF(globalPos), Qt::RightButton,
                                                        Qt::NoButton, Qt::NoModifier));
}

TMenuAnswerer &Answerer()
{
    static TMenuAnswerer answerer;
    return answerer;
}

// The index of the item chosen on the screen, or -1.
int ShowMenu(const TDesignMenu &menu, QWidget *parent, QPoint globalPos)
{
    QMenu popup(parent);
    QList<QAction *> actions;
    for (const TDesignMenuItem &item : menu) {
        if (item.IsSeparator()) {
            actions.append(popup.addSeparator());
            continue;
        }
        QAction *action = popup.addAction(item.Caption);
        action->setEnabled(item.Enabled);
        action->setCheckable(item.Checkable);
        action->setChecked(item.Checked);
        actions.append(action);
    }
    TRightClickOutside outside;
    popup.installEventFilter(&outside);
    const int chosen = int(actions.indexOf(popup.exec(globalPos)));
    // A right click beside an open menu closes it and opens the menu of
    // what it was made on, as it would with no menu open.
    if (chosen < 0 && outside.At)
        ClickRightLater(*outside.At);
    return chosen;
}

} // namespace

void ExecDesignMenu(const TDesignMenu &menu, QWidget *parent, QPoint globalPos)
{
    const int chosen = Answerer() ? Answerer()(menu, globalPos) : ShowMenu(menu, parent, globalPos);
    if (chosen < 0 || chosen >= menu.size())
        return;
    // A copy: the command may free what the menu was built from.
    const TDesignMenuItem item = menu[chosen];
    if (item.Enabled && item.Command)
        item.Command();
}

void SetMenuAnswerer(TMenuAnswerer answerer)
{
    Answerer() = std::move(answerer);
}
