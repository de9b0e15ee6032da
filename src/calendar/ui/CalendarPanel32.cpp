#include "CalendarPanel32.h"

#include "CalendarPagePaint.h"
#include "DesignSurface.h"
#include "PropertiesPrompts.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TCalendarPanel32::TCalendarPanel32(QWidget *parent)
    : QWidget(parent), m_page(std::make_unique<TCalendarPage>()),
      m_surface(new TDesignSurface(*this, *m_page))
{
    m_page->AddObserver(*this);
    connect(m_surface, &TDesignSurface::ToolChanged, this, &TCalendarPanel32::FollowTool);
    m_surface->FontPrompt = [this](const TFontDesc &current) { return AskFont(this, current); };
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setFocusPolicy(Qt::StrongFocus);
    resize(m_page->SizeAt(Zoom()));
}

TCalendarPanel32::~TCalendarPanel32()
{
    RestoreCursor();
    m_page->RemoveObserver(*this);
    // The surface and the handle's widget go while the page they show is whole.
    delete m_surface;
}

QImage TCalendarPanel32::RenderToBitmap()
{
    return ::RenderToBitmap(*m_page, m_cellTexts);
}

float TCalendarPanel32::Zoom() const
{
    return m_surface->Zoom();
}

void TCalendarPanel32::SetZoom(float Value)
{
    m_surface->SetZoom(Value);
    resize(m_page->SizeAt(Zoom()));
}

TLPanelState TCalendarPanel32::Tool() const
{
    return TLPanelState(m_surface->Tool());
}

void TCalendarPanel32::SetTool(TLPanelState Value)
{
    if (InEnumRange(Value, psFlatCalendar))
        m_surface->SetTool(Value);
}

void TCalendarPanel32::PageChanged(TPageChanges changes)
{
    if (changes &
        (TPageChange::Cells | TPageChange::Style | TPageChange::Layout | TPageChange::Size))
        ++m_look;
    if (changes & TPageChange::Size)
        resize(m_page->SizeAt(Zoom()));
    if (changes & (TPageChange::Cells | TPageChange::Style | TPageChange::Layout))
        update();
}

void TCalendarPanel32::FollowTool()
{
    // A creation tool shows the drag cursor over the whole screen until the
    // page returns to pointing.
    if (Tool() == psPointing) {
        RestoreCursor();
    } else if (m_dragCursorShown) {
        QGuiApplication::changeOverrideCursor(Qt::DragCopyCursor);
    } else {
        QGuiApplication::setOverrideCursor(Qt::DragCopyCursor);
        m_dragCursorShown = true;
    }
    emit ToolChanged(Tool());
}

void TCalendarPanel32::RestoreCursor()
{
    if (!m_dragCursorShown)
        return;
    QGuiApplication::restoreOverrideCursor();
    m_dragCursorShown = false;
}

void TCalendarPanel32::paintEvent(QPaintEvent *event)
{
    // A paint that starts while another runs (an event processed inside the
    // drawing) does nothing; so does one while the document is read or written.
    if (m_painting || PaintingHeld())
        return;
    m_painting = true;
    // The page is drawn anew only when it changed (a paint for an object
    // moved or an outline dragged takes it as it was), at the screen's own
    // resolution so that text and border pictures stay sharp on a scaled
    // screen.
    const QRegion &region = event->region();
    const qreal ratio = devicePixelRatioF();
    if (!PageImageShowsPage(ratio))
        DrawPageImage(ratio);
    QPainter painter(this);
    painter.setClipRegion(region);
    for (const QRect &part : region)
        painter.drawImage(QRectF(part), m_pageImage,
                          QRectF(QPointF(part.topLeft()) * ratio, QSizeF(part.size()) * ratio));
    m_surface->Paint(painter, region);
    m_painting = false;
}

bool TCalendarPanel32::PageImageShowsPage(qreal ratio) const
{
    if (m_pageImage.deviceIndependentSize() != QSizeF(size()) ||
        m_pageImage.devicePixelRatio() != ratio || m_imageLook != m_look || m_imageScale != Zoom())
        return false;
    for (int index = 1; index <= CellCount; ++index)
        if (!m_imageCells[index - 1].Unchanged(m_page->CellDocument(index)->Document()))
            return false;
    return true;
}

void TCalendarPanel32::DrawPageImage(qreal ratio)
{
    m_pageImage = RenderPageImage(*m_page, m_cellTexts, ratio);
    m_imageLook = m_look;
    m_imageScale = Zoom();
    for (int index = 1; index <= CellCount; ++index)
        m_imageCells[index - 1].Watch(m_page->CellDocument(index)->Document());
}

void TCalendarPanel32::mousePressEvent(QMouseEvent *event)
{
    m_surface->MousePress(*event);
}

void TCalendarPanel32::mouseMoveEvent(QMouseEvent *event)
{
    m_surface->MouseMove(*event);
}

void TCalendarPanel32::mouseReleaseEvent(QMouseEvent *event)
{
    m_surface->MouseRelease(*event);
}

void TCalendarPanel32::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_surface->MouseDoubleClick(*event);
}

void TCalendarPanel32::leaveEvent(QEvent *)
{
    m_surface->MouseLeave();
}

void TCalendarPanel32::keyPressEvent(QKeyEvent *event)
{
    m_surface->KeyPress(*event);
    QWidget::keyPressEvent(event);
}
