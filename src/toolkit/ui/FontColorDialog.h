#pragma once

#include "Color.h"

#include <QFontDialog>

class TColorButton;

// The font dialog with the font's colour beside its effects (strike-out,
// underline), as fonts here carry a colour: "Color" opens the colour dialog.
class TFontColorDialog : public QFontDialog
{
    Q_OBJECT

public:
    TFontColorDialog(const QFont &font, TColor color, QWidget *parent = nullptr);

    TColor Color() const;
    void SetColor(TColor color);
    TColorButton *ColorButton() const { return m_color; }

private:
    TColorButton *m_color;
};
