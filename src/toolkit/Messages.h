#pragma once

#include <QString>

#include <functional>

// The program's message boxes and questions. Every message and question goes
// through here to an answerer: the program shows boxes (MessageBoxes.h),
// tests answer and record them without a window, and a command-line tool
// prints them. Without an answerer the texts go to the error output and
// questions are answered No.

// A message box captioned "Information" with an information icon and OK.
void ShowInformation(const QString &text);
// A message box under caption with a warning icon and OK.
void ShowWarning(const QString &text, const QString &caption);
// A question with Yes and No under caption; true for Yes.
bool AskYesNo(const QString &text, const QString &caption);
// A question with Yes, No and Cancel under caption. Without an answerer for
// it, the Yes-No answerer is asked.
enum class TAnswer { Yes, No, Cancel };
TAnswer AskYesNoCancel(const QString &text, const QString &caption);

// Who shows each message or answers each question. Reset with an empty
// answerer.
struct TMessageAnswerer
{
    std::function<void(const QString &text)> Information;
    std::function<void(const QString &text, const QString &caption)> Warning;
    std::function<bool(const QString &text, const QString &caption)> Question;
    std::function<TAnswer(const QString &text, const QString &caption)> QuestionWithCancel;
};
void SetMessageAnswerer(const TMessageAnswerer &answerer);
