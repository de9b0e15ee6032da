#include "SuperTextPrompts.h"

namespace {

TSuperTextPrompts &Prompts()
{
    static TSuperTextPrompts prompts;
    return prompts;
}

} // namespace

const TSuperTextPrompts &SuperTextPrompts()
{
    return Prompts();
}

void SetSuperTextPrompts(TSuperTextPrompts prompts)
{
    Prompts() = std::move(prompts);
}
