#include "FlatCalendarEditor.h"

TFlatCalendarEditor::TFlatCalendarEditor(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FlatCalendarEditor"));
    setWindowTitle(QStringLiteral("Floating Calendar Properties"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint);
}
