#include "PropertiesPrompts.h"

#include "FileNamePrompt.h"
#include "FontDialogChoice.h"
#include "ModalDialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>

namespace {

QString StyleSheetFilter()
{
    return QStringLiteral("Calendar Style Sheet (*.DWS *.dws)");
}

} // namespace

std::optional<TFontDesc> AskFont(QWidget *parent, const TFontDesc &current)
{
    QFontDialog dialog(DialogFontFor(current), parent);
    // What the dialog shows at first, as its lists could match it.
    const QFont shown = dialog.currentFont();
    if (ExecModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return FontFromDialog(current, shown, dialog.currentFont());
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
    QFileDialog dialog(parent, QStringLiteral("Save As Calendar Style Sheet"), folder,
                       StyleSheetFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("DWS"));
    dialog.selectFile(QStringLiteral("MyStyle.DWS"));
    return AskFileName(dialog);
}

QString AskOpenStyleSheetName(QWidget *parent, const QString &folder)
{
    QFileDialog dialog(parent, QStringLiteral("Open Calendar Style Sheet"), folder,
                       StyleSheetFilter());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("DWS"));
    return AskFileName(dialog);
}
