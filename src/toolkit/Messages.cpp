#include "Messages.h"

#include <cstdio>

namespace {

TMessageAnswerer &Answerer()
{
    static TMessageAnswerer answerer;
    return answerer;
}

void PrintMessage(const QString &text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

void ShowInformation(const QString &text)
{
    if (Answerer().Information)
        Answerer().Information(text);
    else
        PrintMessage(text);
}

void ShowWarning(const QString &text, const QString &caption)
{
    if (Answerer().Warning)
        Answerer().Warning(text, caption);
    else
        PrintMessage(caption + QStringLiteral(": ") + text);
}

bool AskYesNo(const QString &text, const QString &caption)
{
    if (Answerer().Question)
        return Answerer().Question(text, caption);
    PrintMessage(caption + QStringLiteral(": ") + text + QStringLiteral(" (answered No)"));
    return false;
}

TAnswer AskYesNoCancel(const QString &text, const QString &caption)
{
    if (Answerer().QuestionWithCancel)
        return Answerer().QuestionWithCancel(text, caption);
    return AskYesNo(text, caption) ? TAnswer::Yes : TAnswer::No;
}

void SetMessageAnswerer(const TMessageAnswerer &answerer)
{
    Answerer() = answerer;
}
