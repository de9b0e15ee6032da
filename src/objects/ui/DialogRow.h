#pragma once

#include <functional>

class QDialog;
class QPushButton;
class QToolButton;
class QWidget;

// The bottom row the label dialogs share: "Ok" (default, accepts),
// "Cancel" (rejects), "Help" (opens the dialog's help topic) and the
// context-help button that turns the next click into "What's this?".
struct TDialogRow
{
    QPushButton *OkButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *HelpButton = nullptr;
    QToolButton *ContextHelpButton = nullptr;
};

// The row on dialog with its left edge at left and its top at top; help
// runs when "Help" is pressed.
TDialogRow AddDialogRow(QDialog &dialog, int left, int top, std::function<void()> help);

// Gives widget a "What's this?" pop-up menu showing its what's-this text.
void AddWhatsThisMenu(QWidget &widget);
