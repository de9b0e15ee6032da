#pragma once

#include <QString>

// What decides which commands of the main window can be used.
struct TButtonState
{
    bool PageVisible = false;
    // The page is visible and its layout has day cells.
    bool CellsFollowDate = false;
    bool HasDocumentFile = false;
    bool EditorHasFocus = false;
    bool PrinterAvailable = false;
    bool Modified = false;
    bool PaletteOnScreen = false;
};

// Which commands are enabled or shown for a state.
struct TButtonFlags
{
    // Fill with recurring dates, user title, icon tool, clear all cells.
    bool CellCommands = false;
    // Save, whenever a calendar is open or has a file.
    bool Save = false;
    bool RichTextToolBar = false;
    // Save As, properties, print set-up, zoom, picture and PDF exports.
    bool PageCommands = false;
    // The print command and the print button.
    bool Print = false;
    bool CancelChanges = false;
    bool SaveButtonVisible = false;
    bool CancelButtonVisible = false;
    QString IconToolCaption;

    friend bool operator==(const TButtonFlags &, const TButtonFlags &) = default;
};

TButtonFlags ButtonFlags(const TButtonState &state);
