#pragma once

#include <functional>

class TLumSuperText;

// The dialog behind the special-effect text's "Properties" command and its
// tool. The widget layer installs the real one (the "SuperText Properties"
// dialog); tests put answers in its place. Left empty it counts as Cancel.
struct TSuperTextPrompts
{
    // Edits a preview copy of object (TLumSuperText::CopyToPreview) and, on
    // OK, hands it back through TLumSuperText::TakeFromPreview; true then.
    std::function<bool(TLumSuperText &object)> EditProperties;
};

const TSuperTextPrompts &SuperTextPrompts();
void SetSuperTextPrompts(TSuperTextPrompts prompts);
