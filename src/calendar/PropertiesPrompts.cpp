#include "PropertiesPrompts.h"

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

QString ChosenFile(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<TFontDesc> AskFont(QWidget *parent, const TFontDesc &current)
{
    bool accepted = false;
    const QFont chosen = QFontDialog::getFont(&accepted, DialogFont(current), parent);
    if (!accepted)
        return std::nullopt;
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
    return ChosenFile(dialog);
}

QString AskOpenStyleSheetName(QWidget *parent, const QString &folder)
{
    QFileDialog dialog(parent, QStringLiteral("Open Calendar Style Sheet"), folder,
                       StyleSheetFilter());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("DWS"));
    return ChosenFile(dialog);
}
