#include "FileNamePrompt.h"

#include <QFileDialog>

namespace {

TFileNameAnswerer &Answerer()
{
    static TFileNameAnswerer answerer;
    return answerer;
}

} // namespace

QString AskFileName(QFileDialog &dialog)
{
    if (Answerer())
        return Answerer()(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

QStringList AskFileNames(QFileDialog &dialog)
{
    if (Answerer())
        return Answerer()(dialog).split(u'\n', Qt::SkipEmptyParts);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

void SetFileNameAnswerer(TFileNameAnswerer answerer)
{
    Answerer() = std::move(answerer);
}
