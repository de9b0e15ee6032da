#pragma once

#include "CalendarPage.h"
#include "PaintCache.h"

#include <QWidget>

// The calendar page on screen: a widget that follows its page model's size,
// visibility and look, paints it from one off-screen image, and hands clicks
// to it.
class TCalendarPanel32 : public QWidget, public TCalendarPage
{
    Q_OBJECT

public:
    explicit TCalendarPanel32(QWidget *parent = nullptr);
    ~TCalendarPanel32() override;

    // A new bitmap of the page's size: the page as on screen with every
    // placed object painted on top.
    QImage RenderToBitmap();

protected:
    void ControlResized() override;
    void Invalidate() override;
    void PanelStateChanged() override;
    void VisibilityChanged() override;

    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void RestoreCursor();

    bool m_dragCursorShown = false;
    bool m_painting = false;
    TPaintCache m_cellTexts;
};
