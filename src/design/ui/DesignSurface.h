#pragma once

#include "DesignView.h"

#include <QObject>

#include <functional>

class QKeyEvent;
class QMouseEvent;
class QPainter;
class QRegion;
class QWidget;
class TLumBasePanel;
class TLumHandleWidget;

// A design panel on the screen. The widget that shows the panel makes one,
// hands it its mouse and key events and lets it paint the objects over its
// own drawing; it makes the handle's widget and puts on the screen what the
// panel asks for: repaints, cursors, menus, the font dialog, the refit. The
// panel must outlive it: a widget that owns the panel deletes it first.
class TDesignSurface : public QObject, public TDesignView
{
    Q_OBJECT

public:
    TDesignSurface(QWidget &panelWidget, TLumBasePanel &panel);
    ~TDesignSurface() override;

    TLumHandleWidget &HandleWidget() const { return *m_handle; }

    // The panel widget's events.
    void MousePress(const QMouseEvent &event);
    void MouseMove(const QMouseEvent &event);
    void MouseRelease(const QMouseEvent &event);
    void MouseDoubleClick(const QMouseEvent &event);
    void MouseLeave();
    void KeyPress(const QKeyEvent &event);

    // The placed objects meeting region, the selection squares and the
    // outlines of a drag, over what target holds.
    void Paint(QPainter &target, const QRegion &region) const;

    // The font dialog the Font command opens; without it nothing is chosen.
    std::function<std::optional<TFontDesc>(const TFontDesc &current)> FontPrompt;

    // The zoom the panel is shown at. A value equal to it, or one that is not
    // a finite number, changes nothing; at a new one the panel's objects
    // follow.
    float Zoom() const override { return m_zoom; }
    void SetZoom(float zoom);
    // The tool: 0 selects, another creates (see TDesignView).
    int Tool() const override { return m_tool; }
    void SetTool(int tool);
    void CreationEnded() override { SetTool(0); }

    void InvalidateArea(const TRect &area) override;
    void ShowCursor(TDesignCursor cursor) override;
    void PopupMenu(const TDesignMenu &menu, QPoint at) override;
    void PostRefit() override;
    std::optional<TFontDesc> ChooseFont(const TFontDesc &current) override;
    void HandleChanged() override;
    void FocusHandle() override;

signals:
    // Part of the panel, in panel pixels, is to be painted again: what other
    // widgets show of the panel's objects follows.
    void AreaInvalidated(const QRect &area);
    // The tool changed: set, or back to selecting after a creation drag.
    void ToolChanged(int tool);

private:
    QWidget &m_widget;
    TLumBasePanel &m_panel;
    TLumHandleWidget *m_handle;
    TDesignCursor m_cursor = TDesignCursor::Default;
    float m_zoom = 1.0f;
    int m_tool = 0;
};
