#include "ImagePrompt.h"

namespace {

TImagePrompt &Prompt()
{
    static TImagePrompt prompt;
    return prompt;
}

} // namespace

void SetImagePrompt(TImagePrompt prompt)
{
    Prompt() = std::move(prompt);
}

std::optional<TImageChoice> AskForImage(bool stretch, bool autoSize)
{
    if (!Prompt())
        return std::nullopt;
    return Prompt()(stretch, autoSize);
}
