#pragma once

#include "FontDesc.h"

#include <memory>

class TClassRegistry;
class TLumGraphicControl;
class TPaxLabel;
class TPaxRichBaseLabel;

// The label kinds a page knows and what its label tools make of them.

// TPaxLabel and TPaxRichBaseLabel, for documents and the clipboard.
void RegisterLabelClasses(TClassRegistry &classes);

// The label tool's new label before it is placed: "Enter text..." in the
// page's font at 20 points.
std::unique_ptr<TPaxLabel> NewToolLabel(const TFontDesc &pageFont);
// Once placed: opaque, framed, and its text dialog opens; false when that
// was cancelled.
bool FinishToolLabel(TLumGraphicControl &label);

// The rich-text tool's new label; once placed it is made opaque and framed
// and its editor opens (false when that was cancelled).
std::unique_ptr<TPaxRichBaseLabel> NewToolRichLabel();
bool FinishToolRichLabel(TLumGraphicControl &label);
