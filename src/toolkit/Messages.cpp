#include "Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace {

TMessageAnswerer &Answerer()
{
    static TMessageAnswerer answerer;
    return answerer;
}

QWidget *DialogParent()
{
    return QApplication::activeWindow();
}

} // namespace

void ShowInformation(const QString &text)
{
    if (Answerer().Information) {
        Answerer().Information(text);
        return;
    }
    QMessageBox::information(DialogParent(), QStringLiteral("Information"), text);
}

void ShowWarning(const QString &text, const QString &caption)
{
    if (Answerer().Warning) {
        Answerer().Warning(text, caption);
        return;
    }
    QMessageBox::warning(DialogParent(), caption, text);
}

bool AskYesNo(const QString &text, const QString &caption)
{
    if (Answerer().Question)
        return Answerer().Question(text, caption);
    return QMessageBox::question(DialogParent(), caption, text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void SetMessageAnswerer(const TMessageAnswerer &answerer)
{
    Answerer() = answerer;
}
