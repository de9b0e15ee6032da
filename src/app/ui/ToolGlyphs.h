#pragma once

#include <QIcon>

class QPainter;

// The pictures of the tool row's buttons.
enum class TToolGlyph {
    ZoomIn,
    ZoomOut,
    Properties,
    Print,
    Pointer,
    Label,
    Image,
    RichText,
    SuperText,
    FloatingCalendar
};

// Draws glyph on the 16 x 16 grid the painter is set up for.
void DrawToolGlyph(QPainter &painter, TToolGlyph glyph);
// The button picture: the desktop theme's icon where the theme has a fitting
// one (zoom, properties, print), else the program's own drawing.
QIcon ToolIcon(TToolGlyph glyph);
