#pragma once

#include <QWidget>

class TLumBasePanel;

// The selection handle on the screen: a transparent child of the panel's
// widget lying over the selection. It draws nothing (the panel paints the
// squares and outlines) and hands its mouse and keys to the panel's handle.
class TLumHandleWidget : public QWidget
{
    Q_OBJECT

public:
    TLumHandleWidget(QWidget &panelWidget, TLumBasePanel &panel);

    // Takes the handle's bounds and visibility, on top of its siblings.
    void Follow();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    TLumBasePanel &m_panel;
};
