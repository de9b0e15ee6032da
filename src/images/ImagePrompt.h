#pragma once

#include "LumPicture.h"

#include <QString>

#include <functional>
#include <optional>

// What the picture browser gives when it ends with OK: the file chosen (empty
// when none was), the picture it previewed (empty when that file could not be
// read), its two option boxes, and whether it already told the user that the
// file could not be read.
struct TImageChoice
{
    QString FileName;
    TLumPicture Picture;
    bool Stretch = true;
    bool AutoSize = false;
    bool Told = false;
};

// The picture browser as the picture objects ask for it: it opens with the
// option boxes set as given and yields nothing when cancelled. The widget
// layer installs the real dialog; tests install their own answer. Without
// one nothing is chosen. Reset with an empty function.
using TImagePrompt = std::function<std::optional<TImageChoice>(bool stretch, bool autoSize)>;
void SetImagePrompt(TImagePrompt prompt);
std::optional<TImageChoice> AskForImage(bool stretch, bool autoSize);
