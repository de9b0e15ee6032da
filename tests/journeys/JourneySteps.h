#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class TDialogAnswers;
class TJourneyUser;
class TCalendarMain;
class TMainWindowRun;

// What a user does in one step of a journey. The numbers say where and how
// much; a step never depends on an earlier step having done anything, so
// that steps can be left out of a journey and the rest still plays.
enum class TAction {
    // A creation tool's button, a drag on the page, the new object's dialog.
    // A: kind (0 label, 1 picture, 2 rich text, 3 SuperText, 4 floating
    // calendar); B, C: where, per mille of the page; D, E: size at 100 %.
    PlaceObject,
    // A click on object A (of those placed, in stacking order), with Shift
    // when B is 1.
    Select,
    // A rubber band from (A, B) to (C, D), per mille of the page.
    SelectArea,
    // Object A selected unless the selection is not empty, then dragged by
    // (B, C) pixels of the screen.
    Move,
    // Object A alone selected, then its grip B (1 to 8) dragged by (C, D).
    Resize,
    // Arrow key A (0 left, 1 up, 2 right, 3 down), with Shift when B is 1,
    // on the selection (object D selected first when it is empty).
    Nudge,
    // The page's own menu, opened on empty page near (A, B) per mille;
    // command C of PageCommands().
    PageMenu,
    // Object A's own menu; command B of those its kind offers.
    ObjectMenu,
    // A key on the selection: 0 Ctrl+C, 1 Ctrl+X, 2 Ctrl+V, 3 Delete.
    ClipboardKey,
    // A click on cell A (1 to 42) and text typed into it, formatted by B
    // (0 plain, 1 bold, 2 italic, 3 underlined) from the editor's toolbar.
    TypeInCell,
    // "Fill Calendar with Recurring Dates", every row chosen when A is 0,
    // else the rows whose bit is set in A.
    Fill,
    // "Edit Recurring Dates", "Holidays": set A, rows of bit mask B added.
    AddHolidays,
    // The properties dialog: setting A (layout, orientation, paper, month,
    // title font, number font, lines, day names, margin, border picture) to
    // value B.
    Properties,
    // A zoom step in (A = 1) or out, by the button (B = 0), Page Down or Up
    // (1) or Ctrl with the wheel (2).
    Zoom,
    // A steps out and back in (B = 0) or in and back out.
    ZoomRoundTrip,
    // The wheel without Ctrl, A notches.
    Scroll,
    // Undo or redo, by the keys (A = 0) or the tool row's button.
    Undo,
    Redo,
    // Ctrl+S (A = 0), the Save button or "Save" of the File menu.
    Save,
    // The document opened again from its file: the recent-files entry
    // (A = 0) or "Open".
    Reopen,
    // "New", answering the question about changes with Yes when B is 1, and
    // the properties dialog with layout A.
    New,
    // "User Defined Title" set to the step's text.
    UserTitle,
    // "Clear All Cell Contents".
    ClearCells,
    // Object A alone selected, then dragged with Ctrl held by (B, C)
    // pixels of the screen: a picture filling its frame moves inside it.
    PanPicture,
};

struct TStep
{
    TAction Action = TAction::Select;
    int A = 0;
    int B = 0;
    int C = 0;
    int D = 0;
    int E = 0;
    QString Text;
    // The menu items an ObjectMenu step chooses, instead of command B.
    QStringList Menu;

    QString Describe() const;
};

// The page menu's commands a step may choose.
const QStringList &PageCommands();

// count random steps from seed.
QList<TStep> RandomSteps(quint32 seed, int count);

// What a step touched, so that everything else can be checked to stay.
struct TTouched
{
    // Every object may have changed or been replaced.
    bool All = false;
    // Names of the objects placed before that the step may have changed.
    QStringList Names;
};

// Where a journey plays: the window, its user, the dialogs' answers and
// the folder the program runs in.
struct TJourneyContext
{
    TMainWindowRun &Run;
    TCalendarMain &Window;
    TJourneyUser &User;
    TDialogAnswers &Dialogs;
    // A picture file the picture tool loads.
    QString PictureFile;
};

// Plays step; what it touched.
TTouched Perform(const TStep &step, TJourneyContext &context);
// Whether a step may change the document (and so be undone), or leaves
// every byte as it was.
bool MayChangeDocument(TAction action);
// Whether a change by this step is one undo step.
bool IsUndoable(TAction action);
