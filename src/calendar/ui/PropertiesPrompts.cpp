#include "PropertiesPrompts.h"

#include "FileNamePrompt.h"
#include "FontColorDialog.h"
#include "FontDialogChoice.h"
#include "ModalDialog.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>

namespace {

QString StyleSheetFilter()
{
    return QCoreApplication::translate("PropertiesPrompts", "Calendar Style Sheet (*.DWS *.dws)");
}

} // namespace

std::optional<TFontDesc> AskFont(QWidget *parent, const TFontDesc &current)
{
    TFontColorDialog dialog(DialogFontFor(current), current.Color, parent);
    // What the dialog shows at first, as its lists could match it.
    const QFont shown = dialog.currentFont();
    if (ExecModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    TFontDesc chosen = FontFromDialog(current, shown, dialog.currentFont());
    chosen.Color = dialog.Color();
    return chosen;
}

std::optional<TColor> AskColor(QWidget *parent, TColor current)
{
    const QColor chosen = QColorDialog::getColor(ToQColor(current), parent);
    if (!chosen.isValid())
        return std::nullopt;
    return FromQColor(chosen);
}

QString AskSaveStyleSheetName(QWidget *parent, const QString &folder)
{
    QFileDialog dialog(parent, QCoreApplication::translate("PropertiesPrompts", "Save As Calendar Style Sheet"), folder,
                       StyleSheetFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("DWS"));
    dialog.selectFile(QCoreApplication::translate("PropertiesPrompts", "MyStyle.DWS"));
    return AskFileName(dialog);
}

QString AskOpenStyleSheetName(QWidget *parent, const QString &folder)
{
    QFileDialog dialog(parent, QCoreApplication::translate("PropertiesPrompts", "Open Calendar Style Sheet"), folder,
                       StyleSheetFilter());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("DWS"));
    return AskFileName(dialog);
}
