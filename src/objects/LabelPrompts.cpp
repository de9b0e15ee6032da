#include "LabelPrompts.h"

#include "RtfDocument.h"

namespace {

TLabelPrompts &Prompts()
{
    static TLabelPrompts prompts;
    return prompts;
}

} // namespace

const TLabelPrompts &LabelPrompts()
{
    return Prompts();
}

void SetLabelPrompts(TLabelPrompts prompts)
{
    Prompts() = std::move(prompts);
}
