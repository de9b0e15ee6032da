#pragma once

// The state every design panel shares: the zoom, the control's size at that
// zoom, and the flags that suppress notices while the panel is loaded or
// scaled. It needs no window; the page passes
// the two hooks on to the views that observe it.
class TLumPanelState
{
public:
    virtual ~TLumPanelState() = default;

    float Scale() const { return m_scale; }
    // Changes the zoom, sizing the control for it (ScaleControl), then what
    // it holds. A value equal to the zoom, or one that is not a finite
    // number, changes nothing.
    virtual void SetScale(float Value);

    int Width() const { return m_width; }
    int Height() const { return m_height; }

    bool Loading() const { return m_loading; }
    void SetLoading(bool Value) { m_loading = Value; }
    bool Scaling() const { return m_scaling; }
    bool Pointing() const { return m_pointing; }
    void SetPointing(bool Value) { m_pointing = Value; }

protected:
    // Sets the control's size and tells the widget through ControlResized.
    void SetControlSize(int width, int height);

    // The control's size changed; the widget resizes itself.
    virtual void ControlResized() {}
    // The panel's look changed; the widget repaints.
    virtual void Invalidate() {}
    // The zoom changed from Previous while scaling: the control takes its
    // size at the new zoom. The base scales it by the ratio of new to old
    // zoom, rounding half to even; a panel that knows its size at zoom 1
    // derives it from that.
    virtual void ScaleControl(float Previous);
    // The zoom changed to Value while scaling: what the panel holds follows.
    virtual void ScaleContents(float) {}

private:
    float m_scale = 1.0f;
    int m_width = 0;
    int m_height = 0;
    bool m_loading = false;
    bool m_scaling = false;
    bool m_pointing = true;
};
