#include "ModalDialog.h"

#include "ScreenFit.h"

#include <QDialog>
#include <QList>
#include <QPointer>

namespace {

TModalAnswerer &Answerer()
{
    static TModalAnswerer answerer;
    return answerer;
}

// How many dialogs run through ExecModal, one inside another.
int &Running()
{
    static int running = 0;
    return running;
}

struct TWaiting
{
    QPointer<QObject> Context;
    std::function<void()> Work;
};

QList<TWaiting> &Waiting()
{
    static QList<TWaiting> waiting;
    return waiting;
}

void Post(const TWaiting &waiting)
{
    if (waiting.Context)
        QMetaObject::invokeMethod(waiting.Context, waiting.Work, Qt::QueuedConnection);
}

} // namespace

int ExecModal(QDialog &dialog)
{
    FitOnScreen(dialog);
    ++Running();
    const int result = Answerer() ? Answerer()(dialog) : dialog.exec();
    if (--Running() == 0) {
        for (const TWaiting &waiting : std::exchange(Waiting(), {}))
            Post(waiting);
    }
    return result;
}

bool InModalDialog()
{
    return Running() > 0;
}

void AfterModalDialogs(QObject *context, std::function<void()> work)
{
    TWaiting waiting{context, std::move(work)};
    if (InModalDialog())
        Waiting().append(std::move(waiting));
    else
        Post(waiting);
}

void SetModalAnswerer(TModalAnswerer answerer)
{
    Answerer() = std::move(answerer);
}
