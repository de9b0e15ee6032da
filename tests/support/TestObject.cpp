#include "TestObject.h"

#include "LumBasePanel.h"
#include "PublishedProperties.h"

#include <QPainter>

namespace {

TClassInfo MakeClass()
{
    TClassInfo info(QStringLiteral("TTestObject"), &TLumGraphicControl::BaseClassInfo(),
                    [] { return std::make_unique<TTestObject>(); });
    TPublishedProperties<TTestObject>(info).Colour("Color", &TTestObject::Color,
                                                   &TTestObject::SetColor, clRed);
    return info;
}

} // namespace

const TClassInfo &TTestObject::Class()
{
    static const TClassInfo info = MakeClass();
    return info;
}

void TTestObject::SetColor(TColor Value)
{
    if (Value == m_color)
        return;
    m_color = Value;
    NotifyLabelChanged();
}

void TTestObject::PaintFrame(QPainter &Target, const TObjectFrame &Frame) const
{
    Target.fillRect(QRect(0, 0, Frame.Width(), Frame.Height()), ToQColor(m_color));
}

void RegisterTestObjectClass()
{
    PlacedObjectClasses().Register(TTestObject::Class());
}

std::unique_ptr<TTestObject> MakeTestObject(int left, int top, int width, int height, TColor color)
{
    auto object = std::make_unique<TTestObject>();
    object->SetObjectBounds(left, top, width, height);
    object->SetColor(color);
    object->FinishLoad();
    return object;
}

TRecordingView::TRecordingView(TLumBasePanel &panel) : m_panel(&panel)
{
    panel.SetView(this);
}

void TRecordingView::SetZoom(float zoom)
{
    m_zoom = zoom;
    if (m_panel)
        m_panel->ZoomChanged();
}

void TRecordingView::PopupMenu(const TDesignMenu &menu, QPoint at)
{
    Menus.append(menu);
    MenuPoints.append(at);
    if (MenuChoice.isEmpty())
        return;
    const TDesignMenuItem *item = FindMenuItem(menu, MenuChoice);
    if (item && item->Enabled && item->Command)
        item->Command();
}
