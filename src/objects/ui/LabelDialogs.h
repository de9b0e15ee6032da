#pragma once

#include "Color.h"
#include "FontDesc.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

// What the label dialogs need from the program around them. Each may be
// left empty.
struct TLabelDialogHooks
{
    // The window the dialogs belong to; they have none once it is gone.
    QPointer<QWidget> Parent;
    // Centres a dialog over the main window when it is created.
    std::function<void(QWidget &dialog)> CenterForm;
    // Opens the help file at a topic number.
    std::function<void(int context)> ShowHelpContext;
    // The font and colour dialogs.
    std::function<std::optional<TFontDesc>(const TFontDesc &current)> ChooseFont;
    std::function<std::optional<TColor>(TColor current)> ChooseColor;
};

// Puts the real dialogs behind the label commands: "Text", "Text 3D
// Effects" and the "Rich Text Editor", run through the modal-dialog seam.
void InstallLabelDialogs(TLabelDialogHooks hooks);
