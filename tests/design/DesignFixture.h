#pragma once

#include "LumBasePanel.h"
#include "TestObject.h"

#include <gtest/gtest.h>

// A bare design panel of a given size.
class TTestPanel : public TLumBasePanel
{
public:
    void Resize(int width, int height) { SetPanelSize(width, height); }

    QList<TRect> Created;
    QList<QPoint> Clicks;

protected:
    bool CreateObjectInRect(const TRect &Rect) override
    {
        Created.append(Rect);
        return true;
    }
    void PanelClicked(int X, int Y) override { Clicks.append(QPoint(X, Y)); }
};

// A 400 x 300 panel on a clock the test moves, shown by a recording view,
// with a count of the changes it reports.
class DesignPanel : public ::testing::Test
{
protected:
    DesignPanel()
    {
        Panel.ObjectClasses().Register(TTestObject::Class());
        Panel.Resize(400, 300);
        Panel.SetClock([this] { return Now; });
        Panel.LabelChangedEvent = [this] { ++Changes; };
    }

    TTestObject &Place(int left, int top, int width, int height)
    {
        return static_cast<TTestObject &>(
            Panel.Objects().Insert(MakeTestObject(left, top, width, height)));
    }

    void Press(TLumGraphicControl &object, int x, int y,
               Qt::KeyboardModifiers shift = Qt::NoModifier,
               Qt::MouseButton button = Qt::LeftButton)
    {
        Panel.MouseDown(button, shift, object.Left() + x, object.Top() + y);
    }

    // A drag on the handle from one point of the panel to another, slower
    // than a click.
    void DragHandle(QPoint from, QPoint to, Qt::KeyboardModifiers shift = Qt::NoModifier)
    {
        const TBounds &h = Panel.Handle().Bounds();
        const QPoint start(from.x() - h.Left, from.y() - h.Top);
        const QPoint end(to.x() - h.Left, to.y() - h.Top);
        Panel.HandleMouseMove(Qt::NoButton, shift, start.x(), start.y());
        Panel.HandleMouseDown(Qt::LeftButton, shift, start.x(), start.y());
        Now += 200;
        Panel.HandleMouseMove(Qt::LeftButton, shift, end.x(), end.y());
        Panel.HandleMouseUp(Qt::LeftButton, shift, end.x(), end.y());
    }

    qint64 Now = 100000;
    TTestPanel Panel;
    TRecordingView View{Panel};
    int Changes = 0;
};
