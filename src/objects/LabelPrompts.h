#pragma once

#include "Color.h"
#include "FontDesc.h"

#include <QString>

#include <functional>
#include <optional>

class TLumBaseLabel;
class TPaxRichBaseLabel;
class TWPRTFTextPaint;

// The dialogs the label commands open. The widget layer installs the real
// ones (InstallLabelDialogs); tests put answers in their place. A prompt
// left empty, or one answering nothing, counts as Cancel.
struct TLabelPrompts
{
    std::function<std::optional<TFontDesc>(const TFontDesc &current)> ChooseFont;
    std::function<std::optional<TColor>(TColor current)> ChooseColor;
    // The "Text" dialog with the caption in its edit box.
    std::function<std::optional<QString>(const QString &caption)> EditText;
    // The "Text 3D Effects" dialog: true when it copied its values to label.
    std::function<bool(TLumBaseLabel &label)> Edit3DEffects;
    // The "Rich Text Editor" window on a copy of the label's text: the
    // edited text on OK.
    std::function<std::optional<TWPRTFTextPaint>(const TPaxRichBaseLabel &label)> EditRichText;
};

const TLabelPrompts &LabelPrompts();
void SetLabelPrompts(TLabelPrompts prompts);
