#include "ScreenFit.h"

#include <QApplication>
#include <QBoxLayout>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QWidget>
#include <QWindow>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString ContentsName = u"ScreenFitContents"_s;

// The window a window was opened over, if it is on screen.
const QWidget *OwnerOf(const QWidget &window)
{
    const QWidget *owner =
        window.parentWidget() ? window.parentWidget()->window() : QApplication::activeWindow();
    return owner && owner != &window && owner->isVisible() ? owner : nullptr;
}

QMargins FrameMarginsOf(const QWidget *window)
{
    if (!window || !window->windowHandle())
        return {};
    return window->windowHandle()->frameMargins();
}

// The frame a dialog not yet shown will have: its own where the platform
// knows it already, else that of the window it opens over.
QMargins ExpectedFrame(const QWidget &dialog)
{
    const QMargins own = FrameMarginsOf(&dialog);
    const QMargins owner = FrameMarginsOf(OwnerOf(dialog));
    return {std::max(own.left(), owner.left()), std::max(own.top(), owner.top()),
            std::max(own.right(), owner.right()), std::max(own.bottom(), owner.bottom())};
}

QSize Shrunk(QSize size, const QMargins &margins)
{
    return {size.width() - margins.left() - margins.right(),
            size.height() - margins.top() - margins.bottom()};
}

// A box layout's items, stretches and settings moved to a new box layout.
QBoxLayout *MovedBoxLayout(QBoxLayout &from)
{
    auto *to = new QBoxLayout(from.direction());
    to->setContentsMargins(from.contentsMargins());
    to->setSpacing(from.spacing());
    to->setSizeConstraint(from.sizeConstraint());
    while (from.count() > 0) {
        const int stretch = from.stretch(0);
        QLayoutItem *item = from.takeAt(0);
        if (QLayout *inner = item->layout())
            to->addLayout(inner, stretch);
        else
            to->addItem(item);
        to->setStretch(to->count() - 1, stretch);
    }
    return to;
}

void Fit(QWidget &window)
{
    if (window.isMaximized() || window.isFullScreen() || !window.isVisible())
        return;
    const QRect area = ScreenAreaFor(window);
    const QRect frame = window.frameGeometry();
    const QRect fitted = FitFrameInto(frame, area);
    if (fitted == frame || area.isEmpty())
        return;
    if (fitted.size() != frame.size()) {
        ScrollContents(window);
        window.resize(fitted.size() - (frame.size() - window.size()));
    }
    window.move(fitted.topLeft());
}

// Fits its window once the window is on screen, then goes.
class TFrameKeeper : public QObject
{
public:
    explicit TFrameKeeper(QWidget &window) : QObject(window.windowHandle()), m_window(&window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_window && m_window->windowHandle() == watched &&
            m_window->windowHandle()->isExposed()) {
            Fit(*m_window);
            deleteLater();
            watched->removeEventFilter(this);
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
};

} // namespace

QRect FitFrameInto(const QRect &frame, const QRect &area)
{
    if (area.isEmpty())
        return frame;
    const int width = std::min(frame.width(), area.width());
    const int height = std::min(frame.height(), area.height());
    const int left = std::clamp(frame.left(), area.left(), area.left() + area.width() - width);
    const int top = std::clamp(frame.top(), area.top(), area.top() + area.height() - height);
    return {left, top, width, height};
}

QRect ScreenAreaFor(const QWidget &window)
{
    const QWidget *owner = OwnerOf(window);
    const QScreen *screen = owner                ? owner->screen()
                            : window.isVisible() ? window.screen()
                                                 : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void SettleSize(QWidget &window)
{
    window.ensurePolished();
    if (QLayout *layout = window.layout())
        layout->activate();
    if (!window.testAttribute(Qt::WA_Resized))
        window.adjustSize();
}

bool ScrollContents(QWidget &window)
{
    if (window.findChild<QWidget *>(ContentsName))
        return true;
    QLayout *layout = window.layout();
    auto *box = qobject_cast<QBoxLayout *>(layout);
    if (layout && !box)
        return false;
    auto *contents = new QWidget;
    contents->setObjectName(ContentsName);
    if (box) {
        QBoxLayout *moved = MovedBoxLayout(*box);
        delete box;
        contents->setLayout(moved);
    } else {
        // Controls placed by position keep their places on a page of the
        // window's size.
        contents->setFixedSize(window.size());
        const QList<QWidget *> children =
            window.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget *child : children) {
            if (child->isWindow())
                continue;
            const QRect place = child->geometry();
            const bool shown = !child->isHidden();
            child->setParent(contents);
            child->setGeometry(place);
            child->setVisible(shown);
        }
    }
    window.setMinimumSize(0, 0);
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    auto *scroll = new QScrollArea;
    scroll->setObjectName(u"ScreenFitScroll"_s);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(contents);
    auto *fill = new QVBoxLayout(&window);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(scroll);
    return true;
}

void FitOnScreen(QWidget &dialog)
{
    if (dialog.isVisible()) {
        Fit(dialog);
        return;
    }
    SettleSize(dialog);
    // Made now, so that a frame the platform knows of already is counted.
    dialog.winId();
    const QRect area = ScreenAreaFor(dialog);
    if (area.isEmpty())
        return;
    const QMargins frame = ExpectedFrame(dialog);
    const QSize room = Shrunk(area.size(), frame);
    if ((dialog.width() > room.width() || dialog.height() > room.height()) &&
        ScrollContents(dialog))
        dialog.resize(dialog.size().boundedTo(room));
    const QSize outer = dialog.size().grownBy(frame);
    // A dialog the program did not place goes over the window it opens
    // over; either way it is kept inside the screen.
    QPoint at = dialog.pos();
    if (!dialog.testAttribute(Qt::WA_Moved)) {
        const QWidget *owner = OwnerOf(dialog);
        const QRect over = owner ? owner->frameGeometry() : area;
        at = over.center() - QPoint(outer.width() / 2, outer.height() / 2);
    }
    dialog.move(FitFrameInto(QRect(at, outer), area).topLeft());
    KeepFrameOnScreen(dialog);
}

void KeepFrameOnScreen(QWidget &window)
{
    if (window.isVisible() && window.windowHandle() && window.windowHandle()->isExposed()) {
        Fit(window);
        return;
    }
    window.winId();
    QWindow *handle = window.windowHandle();
    if (!handle)
        return;
    handle->installEventFilter(new TFrameKeeper(window));
}
