#pragma once

#include "Color.h"
#include "DesignView.h"
#include "LumBasePanel.h"
#include "LumGraphicControl.h"

#include <QList>
#include <QString>

#include <memory>

// A kind of placed object for tests: a rectangle filled with its Color
// (published after the base's properties, default red).
class TTestObject : public TLumGraphicControl
{
public:
    static const TClassInfo &Class();
    const TClassInfo &ClassInfo() const override { return Class(); }

    TColor Color() const { return m_color; }
    void SetColor(TColor Value);

    void PaintFrame(QPainter &Target, const TObjectFrame &Frame) const override;
    void ApplyFont(const TFontDesc &Font) override { AppliedFont = Font; }

    TFontDesc AppliedFont;

private:
    TColor m_color = clRed;
};

// Makes the test kind known to every panel made from now on.
void RegisterTestObjectClass();

// A test object at the given bounds, finished and ready to place.
std::unique_ptr<TTestObject> MakeTestObject(int left, int top, int width, int height,
                                            TColor color = clRed);

// A view that records what the panel asks of the screen, and shows it at a
// zoom with a tool, as the window would. A menu is answered by running the
// item captioned MenuChoice (when set and enabled).
class TRecordingView : public TDesignView
{
public:
    TRecordingView() = default;
    // Becomes panel's view; it must go before the panel does.
    explicit TRecordingView(TLumBasePanel &panel);

    float Zoom() const override { return m_zoom; }
    // The panel is shown at zoom from now on; its objects follow.
    void SetZoom(float zoom);
    int Tool() const override { return ToolOn; }
    // Back to selecting, as the window goes after a creation drag.
    void CreationEnded() override
    {
        ToolOn = 0;
        ++CreationsEnded;
    }
    void InvalidateArea(const TRect &area) override { Invalidated.append(area); }
    void ShowCursor(TDesignCursor cursor) override { Cursor = cursor; }
    void PopupMenu(const TDesignMenu &menu, QPoint at) override;
    void PostRefit() override { ++RefitsPosted; }
    std::optional<TFontDesc> ChooseFont(const TFontDesc &) override { return FontAnswer; }
    void HandleChanged() override { ++HandleChanges; }
    void FocusHandle() override { ++HandleFocused; }

    QList<TRect> Invalidated;
    TDesignCursor Cursor = TDesignCursor::Default;
    QList<TDesignMenu> Menus;
    QList<QPoint> MenuPoints;
    QString MenuChoice;
    int RefitsPosted = 0;
    std::optional<TFontDesc> FontAnswer;
    int HandleChanges = 0;
    int HandleFocused = 0;
    int ToolOn = 0;
    int CreationsEnded = 0;

private:
    TLumBasePanel *m_panel = nullptr;
    float m_zoom = 1.0f;
};

// A bare panel shown at a zoom by a recording view, for an object a test
// shows at a zoom: placed on it, the object takes the zoom.
struct TZoomedPanel
{
    explicit TZoomedPanel(float zoom) { View.SetZoom(zoom); }

    template <typename Kind> Kind &Place(std::unique_ptr<Kind> object)
    {
        return static_cast<Kind &>(Panel.Objects().Insert(std::move(object)));
    }

    TLumBasePanel Panel;
    TRecordingView View{Panel};
};
