#include "LumPanelState.h"

#include "Numbers.h"

#include <cmath>

void TLumPanelState::SetScale(float Value)
{
    if (Value == m_scale || !std::isfinite(Value))
        return;
    m_scaling = true;
    // A zoom that has dropped to nothing is taken as 1 so the ratio stays finite.
    const double current = m_scale * 10 == 0 ? 1.0 : double(m_scale);
    const double factor = double(Value) / current;
    m_scale = Value;
    SetControlSize(Round(m_width * factor), Round(m_height * factor));
    ScaleContents(Value);
    m_scaling = false;
}

void TLumPanelState::SetControlSize(int width, int height)
{
    m_width = width;
    m_height = height;
    ControlResized();
}
