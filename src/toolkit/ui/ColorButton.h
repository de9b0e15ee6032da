#pragma once

#include "Color.h"

#include <QPushButton>

// A push button that holds a colour and shows it as a swatch beside its
// caption. Setting another colour announces it; what a click does is the
// owner's.
class TColorButton : public QPushButton
{
    Q_OBJECT

public:
    explicit TColorButton(const QString &caption, QWidget *parent = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor value);

signals:
    void ColorChanged(TColor value);

private:
    void ShowSwatch();

    TColor m_color = clWhite;
};
