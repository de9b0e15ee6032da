#include "LumPanelState.h"

#include "Numbers.h"

#include <cmath>

void TLumPanelState::SetScale(float Value)
{
    if (Value == m_scale || !std::isfinite(Value))
        return;
    m_scaling = true;
    const float previous = m_scale;
    m_scale = Value;
    ScaleControl(previous);
    ScaleContents(Value);
    m_scaling = false;
}

void TLumPanelState::ScaleControl(float Previous)
{
    // A zoom that has dropped to nothing is taken as 1 so the ratio stays finite.
    const double current = Previous * 10 == 0 ? 1.0 : double(Previous);
    const double factor = double(m_scale) / current;
    SetControlSize(Round(m_width * factor), Round(m_height * factor));
}

void TLumPanelState::SetControlSize(int width, int height)
{
    m_width = width;
    m_height = height;
    ControlResized();
}
