#include "PropertiesPrompts.h"

#include "FileNamePrompt.h"
#include "ModalDialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>

namespace {

QString StyleSheetFilter()
{
    return QStringLiteral("Calendar Style Sheet (*.DWS *.dws)");
}

QFont DialogFont(const TFontDesc &font)
{
    QFont result(font.Name);
    result.setPointSize(font.Size > 0 ? font.Size : 10);
    result.setBold(font.Style.testFlag(TFontStyle::fsBold));
    result.setItalic(font.Style.testFlag(TFontStyle::fsItalic));
    result.setUnderline(font.Style.testFlag(TFontStyle::fsUnderline));
    result.setStrikeOut(font.Style.testFlag(TFontStyle::fsStrikeOut));
    return result;
}

} // namespace

std::optional<TFontDesc> AskFont(QWidget *parent, const TFontDesc &current)
{
    QFontDialog dialog(DialogFont(current), parent);
    if (ExecModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    const QFont chosen = dialog.currentFont();
    TFontDesc font = current;
    font.Name = chosen.family();
    font.Size = chosen.pointSize() > 0 ? chosen.pointSize() : current.Size;
    font.Style = {};
    font.Style.setFlag(TFontStyle::fsBold, chosen.bold());
    font.Style.setFlag(TFontStyle::fsItalic, chosen.italic());
    font.Style.setFlag(TFontStyle::fsUnderline, chosen.underline());
    font.Style.setFlag(TFontStyle::fsStrikeOut, chosen.strikeOut());
    return font;
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
