#pragma once

#include "Color.h"
#include "FontDesc.h"

#include <QString>
#include <QTime>

#include <functional>
#include <optional>

class QWidget;

// The standard dialogs the calendar properties dialog opens. Each prompt
// left empty shows the real dialog; tests put answers in their place.
// Nothing means the user cancelled.
struct TPropertiesPrompts
{
    std::function<std::optional<TFontDesc>(const TFontDesc &current)> ChooseFont;
    std::function<std::optional<TColor>(TColor current)> ChooseColor;
    // The day planners' starting time, from the set-time dialog.
    std::function<std::optional<QTime>(QTime current)> ChooseTime;
};

// The real dialogs, over parent. The font dialog opens on the current font
// and its colour, keeps what the user left unchanged (FontFromDialog), and
// runs through the program's modal-dialog seam (ExecModal).
std::optional<TFontDesc> AskFont(QWidget *parent, const TFontDesc &current);
std::optional<TColor> AskColor(QWidget *parent, TColor current);
// The style sheet to save as or to open, starting in folder; they go through
// the program's file-name prompt (AskFileName).
QString AskSaveStyleSheetName(QWidget *parent, const QString &folder);
QString AskOpenStyleSheetName(QWidget *parent, const QString &folder);
