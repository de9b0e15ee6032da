#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>

class QAbstractButton;
class QAction;
class QDialog;
class QMenu;
class QWidget;
class TCalendarMain;

// A user at the main window: mouse, wheel and keys go in through the
// window system's entry to the window (QTest), so that Qt delivers them to
// whatever widget lies under the pointer or has the focus, grabs and
// shortcuts included; menus that pop up are clicked where their items show.
class TJourneyUser
{
public:
    explicit TJourneyUser(TCalendarMain &window) : m_window(window) {}

    // Lets every posted event, repaint and flush happen, as an idle moment
    // of the program does.
    void Settle() const;
    // Makes the main window the active one, as the window manager does when
    // a dialog over it closes.
    void Activate() const;

    // The mouse on the page, at points in page pixels at the zoom shown;
    // the scroll box first brings the points into view.
    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {});
    // Presses at from, moves to to in a few steps and releases there, slowly
    // enough to count as a drag and not as a click.
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {});
    // A right click at at, then the items of captions chosen in the menus
    // that open one after another.
    void ChooseFromMenu(QPoint at, const QStringList &captions);
    // Ctrl with the wheel (or the wheel alone), notches turns away (> 0) or
    // towards the user, over a point of the page.
    void Wheel(QPoint at, int notches, Qt::KeyboardModifiers modifiers);

    // Keys to whatever has the focus in the main window.
    void Key(int key, Qt::KeyboardModifiers modifiers = {});
    void KeyPress(int key, Qt::KeyboardModifiers modifiers = {});
    void KeyRelease(int key, Qt::KeyboardModifiers modifiers = {});
    void Type(const QString &text);

    // A button of the window, clicked in its middle.
    void ClickButton(QAbstractButton &button);
    // A menu bar item: the menu opened with the mouse, the item clicked.
    void ChooseMenuItem(QMenu &menu, QAction &item);

    // Scrolls the page so that the page point is in view with a margin, as
    // dragging the scroll bars would; false when it cannot be shown.
    bool BringIntoView(QPoint at);
    // The page point in the window's coordinates.
    QPoint InWindow(QPoint at) const;

private:
    QString Placement() const;

    TCalendarMain &m_window;
};

// The dialogs the program runs: each goes to the next answer queued; with
// none queued it is cancelled and noted. An answer gets the dialog shown on
// the screen and returns its result.
using TDialogAnswer = std::function<int(QDialog &dialog)>;
class TDialogAnswers
{
public:
    TDialogAnswers();
    ~TDialogAnswers();
    TDialogAnswers(const TDialogAnswers &) = delete;
    TDialogAnswers &operator=(const TDialogAnswers &) = delete;

    void Queue(TDialogAnswer answer);
    void Clear();
    // The classes of the dialogs no answer was queued for, since last asked.
    QStringList TakeUnanswered();

private:
    QList<TDialogAnswer> m_answers;
    QStringList m_unanswered;
};

// Shows dialog on the screen and waits until it is, as running it does.
void ShowDialog(QDialog &dialog);
// Clicks a dialog's button as a user does, and gives the dialog's result.
int ClickToClose(QDialog &dialog, QAbstractButton &button);
// The dialog's button with this object name or text ("&" ignored), or null.
QAbstractButton *DialogButton(QDialog &dialog, const QString &nameOrText);
