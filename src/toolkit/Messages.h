#pragma once

#include <QString>

#include <functional>

// The program's message boxes and questions. Every message and question goes
// through here, so tests can answer and record them without a window.

// A message box captioned "Information" with an information icon and OK.
void ShowInformation(const QString &text);
// A message box under caption with a warning icon and OK.
void ShowWarning(const QString &text, const QString &caption);
// A question with Yes and No under caption; true for Yes.
bool AskYesNo(const QString &text, const QString &caption);

// What tests put in place of the boxes: each message or question is handed
// to the answerer instead of being shown. Reset with an empty answerer.
struct TMessageAnswerer
{
    std::function<void(const QString &text)> Information;
    std::function<void(const QString &text, const QString &caption)> Warning;
    std::function<bool(const QString &text, const QString &caption)> Question;
};
void SetMessageAnswerer(const TMessageAnswerer &answerer);
