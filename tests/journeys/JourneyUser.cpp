#include "JourneyUser.h"

#include "CalendarMain.h"
#include "CalendarPanel32.h"
#include "ModalDialog.h"
#include "WPRichText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDebug>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

namespace {

// Long enough between a press and its release for the selection handle to
// take the gesture for a drag, not a click.
constexpr int DragPauseMs = 170;
constexpr int MenuWaitMs = 3000;
constexpr int WheelNotch = 120;

QString WithoutAccelerator(QString text)
{
    return text.remove(QLatin1Char('&'));
}

QAction *ActionCaptioned(const QMenu &menu, const QString &caption)
{
    for (QAction *action : menu.actions()) {
        if (!action->isSeparator() && WithoutAccelerator(action->text()) == caption)
            return action;
    }
    return nullptr;
}

bool OnX()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

// Where the window, the page and the editor lie and how far the page is
// scrolled.
QString TJourneyUser::Placement() const
{
    QString placement;
    QDebug(&placement) << m_window.geometry() << m_window.Parts().CalendarPanel->geometry()
                       << m_window.Parts().ScrollBox2->viewport()->geometry()
                       << m_window.Parts().ScrollBox2->widget()->geometry()
                       << m_window.Parts().WPRichText1->geometry() << m_window.Parts().WPRichText1->isVisible();
    return placement;
}

void TJourneyUser::Settle() const
{
    // A real display answers the window's requests (a move, a resize, an
    // exposure) a moment later, and the answers start repaints of their
    // own: until the window holds still.
    QString placement;
    for (int round = 0; round < 10; ++round) {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QApplication::processEvents(QEventLoop::AllEvents);
        }
        if (!OnX())
            return;
        const QString now = Placement();
        if (now == placement)
            return;
        placement = now;
        QTest::qWait(20);
    }
}

void TJourneyUser::Activate() const
{
    m_window.activateWindow();
    if (QApplication::activeWindow() != &m_window) {
        QApplication::setActiveWindow(&m_window);
        static_cast<void>(QTest::qWaitForWindowActive(&m_window, 1000));
    }
    Settle();
}

bool TJourneyUser::BringIntoView(QPoint at)
{
    TCalendarPanel32 &page = *m_window.Parts().CalendarPanel;
    m_window.Parts().ScrollBox2->ensureVisible(page.x() + at.x(), page.y() + at.y(), 40, 40);
    Settle();
    const QWidget *viewport = m_window.Parts().ScrollBox2->viewport();
    return viewport->rect().contains(page.mapTo(viewport, at)) && page.rect().contains(at);
}

QPoint TJourneyUser::InWindow(QPoint at) const
{
    return m_window.Parts().CalendarPanel->mapTo(&m_window, at);
}

void TJourneyUser::Click(QPoint at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (!BringIntoView(at))
        return;
    QTest::mouseClick(m_window.windowHandle(), button, modifiers, InWindow(at));
    Settle();
}

void TJourneyUser::Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers)
{
    if (!BringIntoView(from))
        return;
    // Where the pointer can go: the part of the page in view.
    TCalendarPanel32 &page = *m_window.Parts().CalendarPanel;
    const QWidget *viewport = m_window.Parts().ScrollBox2->viewport();
    const QRect shown =
        QRect(page.mapFrom(viewport, QPoint(0, 0)), viewport->size()).intersected(page.rect());
    to.setX(std::clamp(to.x(), shown.left(), shown.right()));
    to.setY(std::clamp(to.y(), shown.top(), shown.bottom()));
    QWindow *window = m_window.windowHandle();
    QTest::mousePress(window, Qt::LeftButton, modifiers, InWindow(from));
    QTest::qWait(DragPauseMs);
    constexpr int moves = 4;
    for (int i = 1; i <= moves; ++i)
        QTest::mouseMove(window, InWindow(from + (to - from) * i / moves));
    QTest::mouseRelease(window, Qt::LeftButton, modifiers, InWindow(to));
    Settle();
}

void TJourneyUser::ChooseFromMenu(QPoint at, const QStringList &captions)
{
    if (!BringIntoView(at))
        return;
    // The menus open inside the press (each runs until an item is chosen):
    // a timer clicks the items as the menus show them.
    qsizetype next = 0;
    QPointer<QMenu> clicked;
    QTimer chooser;
    const QDeadlineTimer deadline(MenuWaitMs);
    QObject::connect(&chooser, &QTimer::timeout, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (deadline.hasExpired() && menu) {
            menu->close();
            return;
        }
        if (!menu || !menu->isVisible() || menu == clicked || next >= captions.size())
            return;
        QAction *action = ActionCaptioned(*menu, captions[next]);
        if (!action || !action->isEnabled()) {
            menu->close();
            next = captions.size();
            return;
        }
        clicked = menu;
        ++next;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    });
    chooser.start(10);
    QWindow *window = m_window.windowHandle();
    QTest::mousePress(window, Qt::RightButton, {}, InWindow(at));
    QTest::mouseRelease(window, Qt::RightButton, {}, InWindow(at));
    // A menu still open (one the release opened) is served until it closes.
    while (QApplication::activePopupWidget() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    chooser.stop();
    Settle();
}

void TJourneyUser::Wheel(QPoint at, int notches, Qt::KeyboardModifiers modifiers)
{
    if (!BringIntoView(at))
        return;
    const QPoint inWindow = InWindow(at);
    QWidget *target = m_window.childAt(inWindow);
    if (!target)
        return;
    const QPointF local = target->mapFrom(&m_window, inWindow);
    QWheelEvent wheel(local, target->mapToGlobal(local), QPoint(), QPoint(0, notches * WheelNotch),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QApplication::sendEvent(target, &wheel);
    Settle();
}

void TJourneyUser::Key(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(m_window.windowHandle(), Qt::Key(key), modifiers);
    Settle();
}

void TJourneyUser::KeyPress(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyPress(m_window.windowHandle(), Qt::Key(key), modifiers);
}

void TJourneyUser::KeyRelease(int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyRelease(m_window.windowHandle(), Qt::Key(key), modifiers);
    Settle();
}

void TJourneyUser::Type(const QString &text)
{
    for (const QChar character : text)
        QTest::keyClick(m_window.windowHandle(), character.toLatin1());
    Settle();
}

void TJourneyUser::ClickButton(QAbstractButton &button)
{
    if (!button.isVisible() || !button.isEnabled())
        return;
    QTest::mouseClick(m_window.windowHandle(), Qt::LeftButton, {},
                      button.mapTo(&m_window, button.rect().center()));
    Settle();
}

void TJourneyUser::ChooseMenuItem(QMenu &menu, QAction &item)
{
    QMenuBar &bar = *m_window.menuBar();
    QTest::mouseClick(m_window.windowHandle(), Qt::LeftButton, {},
                      bar.mapTo(&m_window, bar.actionGeometry(menu.menuAction()).center()));
    const QDeadlineTimer deadline(MenuWaitMs);
    while (!menu.isVisible() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!menu.isVisible())
        return;
    if (!item.isEnabled() || !item.isVisible()) {
        menu.close();
        Settle();
        return;
    }
    QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(&item).center());
    Settle();
}

TDialogAnswers::TDialogAnswers()
{
    SetModalAnswerer([this](QDialog &dialog) {
        if (m_answers.isEmpty()) {
            m_unanswered.append(QString::fromLatin1(dialog.metaObject()->className()));
            return int(QDialog::Rejected);
        }
        const TDialogAnswer answer = m_answers.takeFirst();
        return answer(dialog);
    });
}

TDialogAnswers::~TDialogAnswers()
{
    SetModalAnswerer({});
}

void TDialogAnswers::Queue(TDialogAnswer answer)
{
    m_answers.append(std::move(answer));
}

void TDialogAnswers::Clear()
{
    m_answers.clear();
}

QStringList TDialogAnswers::TakeUnanswered()
{
    return std::exchange(m_unanswered, {});
}

void ShowDialog(QDialog &dialog)
{
    dialog.show();
    static_cast<void>(QTest::qWaitForWindowExposed(&dialog, 2000));
    QApplication::processEvents();
}

int ClickToClose(QDialog &dialog, QAbstractButton &button)
{
    QTest::mouseClick(&button, Qt::LeftButton, {}, button.rect().center());
    QApplication::processEvents();
    // A dialog that stays (a choice it refuses) is cancelled.
    if (dialog.isVisible())
        dialog.reject();
    return dialog.result();
}

QAbstractButton *DialogButton(QDialog &dialog, const QString &nameOrText)
{
    for (QAbstractButton *button : dialog.findChildren<QAbstractButton *>()) {
        if (button->objectName() == nameOrText ||
            WithoutAccelerator(button->text()).compare(nameOrText, Qt::CaseInsensitive) == 0)
            return button;
    }
    return nullptr;
}
