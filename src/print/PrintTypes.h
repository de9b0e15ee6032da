#pragma once

// The report's enumerations. Each has int as its underlying type, like the
// page's own enumerations.

// The paper's orientation for a job; poDefault leaves the printer's choice.
enum TOrientation : int { poPortrait, poLandScape, poDefault };

// What one report unit is: an inch, a millimetre, a centimetre, a point, or
// a unit the caller defines through UnitsFactor (units per inch).
enum TPrintUnits : int { unInch, unMM, unCM, unPoint, unUser };

// Whether text is drawn over what lies beneath it or over a filled box.
enum TBKMode : int { bkTransparent, bkOpaque };

enum TPenStyle : int { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// How a pen's and brush's colour combines with the target's pixels, as the
// sixteen binary raster operations (pmCopy paints the colour as it is).
enum TPenMode : int {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor,
};

enum TBrushStyle : int {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross,
};
