#include "ModalDialog.h"

#include "ScreenFit.h"

#include <QDialog>

namespace {

TModalAnswerer &Answerer()
{
    static TModalAnswerer answerer;
    return answerer;
}

} // namespace

int ExecModal(QDialog &dialog)
{
    FitOnScreen(dialog);
    if (Answerer())
        return Answerer()(dialog);
    return dialog.exec();
}

void SetModalAnswerer(TModalAnswerer answerer)
{
    Answerer() = std::move(answerer);
}
