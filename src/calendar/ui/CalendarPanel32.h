#pragma once

#include "CalendarPage.h"
#include "DocumentWatch.h"
#include "PaintCache.h"

#include <QImage>
#include <QWidget>

#include <array>

class TDesignSurface;

// The calendar page on screen: a widget that follows its page model's size,
// visibility and look, paints it from one off-screen image kept between
// paints, and puts the design surface with its placed objects over it.
// Mouse and keys go to the design surface, which hands clicks on the page
// itself back to the page.
class TCalendarPanel32 : public QWidget, public TCalendarPage
{
    Q_OBJECT

public:
    explicit TCalendarPanel32(QWidget *parent = nullptr);
    ~TCalendarPanel32() override;

    // A new bitmap of the page's size: the page as on screen with every
    // placed object painted on top.
    QImage RenderToBitmap();

    TDesignSurface &DesignSurface() const { return *m_surface; }

signals:
    // The tool changed: a tool button, or the page back at pointing after a
    // creation drag, kept or cancelled.
    void ToolChanged(TLPanelState state);

protected:
    void ControlResized() override;
    void Invalidate() override;
    void PanelStateChanged() override;
    void VisibilityChanged() override;

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void RestoreCursor();
    // Whether the page image still shows the page: its look, zoom and
    // cells' text as they were when it was drawn.
    bool PageImageShowsPage(qreal ratio) const;
    void DrawPageImage(qreal ratio);

    bool m_dragCursorShown = false;
    bool m_painting = false;
    TPaintCache m_cellTexts;
    // The page without its objects, as last drawn: every paint draws from
    // it, and draws it anew once the page has changed.
    QImage m_pageImage;
    // Counts the changes of the page's look (the page asks to be repainted
    // after every one); the count and zoom the page image was drawn at.
    quint64 m_look = 0;
    quint64 m_imageLook = 0;
    float m_imageScale = 0;
    std::array<TDocumentWatch, CellCount> m_imageCells;
    TDesignSurface *m_surface;
};
