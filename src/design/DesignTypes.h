#pragma once

#include <QtGlobal>

// Values the design surface shares between its panel, its handle, its
// objects and the widgets that show them.

// The cursors the surface asks for: the program's open and pointing hands,
// the drag cursor of the creation tools, the size cursors of the grips and
// the no-drop cursor of a locked selection.
enum class TDesignCursor {
    Default,
    HandGrab,
    HandPoint,
    Drag,
    SizeNWSE,
    SizeNESW,
    SizeNS,
    SizeWE,
    NoDrop,
    SizeAll,
};

// What a clipboard command does with the selection; stored by ordinal.
enum TClipboardAction : int { caCut, caCopy, caPaste, caDelete };

// The snapping step: 4 or 8 pixels.
enum TGridSize : int { gs4x4, gs8x8 };

inline int GridStep(TGridSize size)
{
    return size == gs8x8 ? 8 : 4;
}
