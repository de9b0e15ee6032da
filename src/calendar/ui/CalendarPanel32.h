#pragma once

#include "CalendarPage.h"
#include "DocumentWatch.h"
#include "PageObserver.h"
#include "PaintCache.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <memory>

class TDesignSurface;

// The calendar page on screen: a view that owns its page (Page()) and
// observes it, follows its size and look, paints it from one off-screen image
// kept between paints, and puts the design surface with its placed objects
// over it. The zoom, the tool, whether a page is shown and the holding of
// painting are the view's; the page keeps none of them. Mouse and keys go to
// the design surface, which hands clicks on the page itself back to the
// page.
class TCalendarPanel32 : public QWidget, private TPageObserver
{
    Q_OBJECT

public:
    explicit TCalendarPanel32(QWidget *parent = nullptr);
    ~TCalendarPanel32() override;

    // The page shown; it lives as long as the view.
    TCalendarPage &Page() { return *m_page; }
    const TCalendarPage &Page() const { return *m_page; }

    // The zoom the page and its objects are shown at; 1 is 100 %. A value
    // equal to the zoom, or one that is not a finite number, changes nothing.
    float Zoom() const;
    void SetZoom(float Value);
    // The tool: pointing or one creating a kind of object; a value outside
    // the tools changes nothing.
    TLPanelState Tool() const;
    void SetTool(TLPanelState Value);
    // Whether a document is shown: hidden while the program starts and when
    // a document could not be opened.
    bool PageShown() const { return !isHidden(); }
    void ShowPage(bool Value) { setVisible(Value); }
    // While painting is held (the program starting, a document being read),
    // paints draw nothing.
    void HoldPainting(bool Value) { m_paintHeld = Value; }
    bool PaintingHeld() const { return m_paintHeld; }

    // A new bitmap of the page's size: the page as on screen with every
    // placed object painted on top.
    QImage RenderToBitmap();

    TDesignSurface &DesignSurface() const { return *m_surface; }

signals:
    // The tool changed: a tool button, or the page back at pointing after a
    // creation drag, kept or cancelled.
    void ToolChanged(TLPanelState state);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void PageChanged(TPageChanges changes) override;
    void FollowTool();
    void RestoreCursor();
    // Whether the page image still shows the page: its look, zoom and
    // cells' text as they were when it was drawn.
    bool PageImageShowsPage(qreal ratio) const;
    void DrawPageImage(qreal ratio);

    std::unique_ptr<TCalendarPage> m_page;
    bool m_dragCursorShown = false;
    bool m_painting = false;
    bool m_paintHeld = false;
    TPaintCache m_cellTexts;
    // The page without its objects, as last drawn: every paint draws from
    // it, and draws it anew once the page has changed.
    QImage m_pageImage;
    // Counts the changes of the page's look (the page tells of every one);
    // the count and zoom the page image was drawn at.
    quint64 m_look = 0;
    quint64 m_imageLook = 0;
    float m_imageScale = 0;
    std::array<TDocumentWatch, CellCount> m_imageCells;
    TDesignSurface *m_surface;
};
