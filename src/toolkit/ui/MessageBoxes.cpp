#include "MessageBoxes.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

TMessageAnswerer MessageBoxes()
{
    TMessageAnswerer boxes;
    boxes.Information = [](const QString &text) {
        QMessageBox::information(QApplication::activeWindow(),
                                 QCoreApplication::translate("MessageBoxes", "Information"), text);
    };
    boxes.Warning = [](const QString &text, const QString &caption) {
        QMessageBox::warning(QApplication::activeWindow(), caption, text);
    };
    boxes.Question = [](const QString &text, const QString &caption) {
        return QMessageBox::question(QApplication::activeWindow(), caption, text,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
    boxes.QuestionWithCancel = [](const QString &text, const QString &caption) {
        switch (QMessageBox::question(QApplication::activeWindow(), caption, text,
                                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return TAnswer::Yes;
        case QMessageBox::No:
            return TAnswer::No;
        default:
            return TAnswer::Cancel;
        }
    };
    return boxes;
}
