#pragma once

#include "Component.h"
#include "DesignMenu.h"
#include "FontDesc.h"
#include "HandleGeometry.h"
#include "Rect.h"

#include <QPointF>
#include <QString>

#include <functional>

class QPainter;
class TCanvasReport;
class TLumBasePanel;

// An object as drawn at one zoom: the zoom and the bounds at it (those at
// zoom 1 times the zoom, rounded half to even, then fitted). Drawing at a
// zoom other than the one shown changes nothing in the object.
struct TObjectFrame
{
    float Scale = 1.0f;
    TBounds Bounds;

    int Width() const { return Bounds.Width; }
    int Height() const { return Bounds.Height; }
};

// The base of every object placed on a design panel: labels, pictures,
// special-effect text, floating calendars. It is a plain object, not a
// window: the panel owns it in its list of placed objects (the list's order
// is the stacking order), routes the mouse to it and paints it.
//
// Published, and so written to documents and the clipboard file, in this
// order: Tag (default 0), Left, Top, Width, Height (always), Cursor (default
// 0), Hint (when not empty), Locked, Unselectable (always). A kind describes
// its own class with a TClassInfo whose parent is BaseClassInfo() and adds
// its properties after these.
//
// An object's bounds at zoom 1 are what the document records. The frame it
// shows (Frame: the zoom of its panel's view and the bounds at that zoom) is
// derived from them, and followed when the view's zoom changes; nothing
// sets it otherwise, so zooming never moves an object and a save at any
// zoom writes the same bounds.
//
// What a kind overrides (each slot is optional):
//   FinishLoad          once built or read, before the object is used and
//                       before it has a parent; extend it and call the base.
//   PaintFrame          the object's content in its own coordinates,
//                       (0, 0) to the frame's width and height, at the
//                       frame's zoom; one routine for screen, exported
//                       pictures and paper.
//   FitSize             the size the kind takes at a zoom for the size asked
//                       of it (a label's text fits across it); the bounds at
//                       zoom 1 are fitted at 1, those shown at the zoom.
//   CheckBoundsChanged  after a move, resize or zoom; extend it (re-lay out
//                       text, say) and call the base, which notifies the panel
//                       when the bounds at zoom 1 changed.
//   ApplyFont           take over the font the panel's Font command chose.
//   PrintObject         draw on a report, laid out at a zoom (1 on paper);
//                       the base replays PaintFrame recorded as a picture,
//                       which is right for most kinds.
//   AddMenuItems        append the kind's items to the object's menu.
//   DragsContent        whether what the object shows can be moved inside
//                       its frame (a picture overflowing it); then
//                       BeginContentDrag, DragContent and ContentMoved
//                       follow a Ctrl-drag.
// A kind changing anything a document records calls NotifyLabelChanged.
class TLumGraphicControl : public TComponent
{
public:
    using TMouseEvent = std::function<void(TLumGraphicControl &Sender, Qt::MouseButton Button,
                                           Qt::KeyboardModifiers Shift, int X, int Y)>;
    using TMoveEvent = std::function<void(TLumGraphicControl &Sender, Qt::MouseButtons Buttons,
                                          Qt::KeyboardModifiers Shift, int X, int Y)>;
    using TNotifyEvent = std::function<void(TLumGraphicControl &Sender)>;

    TLumGraphicControl() = default;
    ~TLumGraphicControl() override = default;
    TLumGraphicControl(const TLumGraphicControl &) = delete;
    TLumGraphicControl &operator=(const TLumGraphicControl &) = delete;

    // The published properties above, abstract: no object of it is created.
    static const TClassInfo &BaseClassInfo();

    int Tag() const { return m_tag; }
    void SetTag(int Value) { m_tag = Value; }
    int Left() const { return m_shown.Bounds.Left; }
    void SetLeft(int Value);
    int Top() const { return m_shown.Bounds.Top; }
    void SetTop(int Value);
    int Width() const { return m_shown.Bounds.Width; }
    void SetWidth(int Value);
    int Height() const { return m_shown.Bounds.Height; }
    void SetHeight(int Value);
    int Cursor() const { return m_cursor; }
    void SetCursor(int Value) { m_cursor = Value; }
    const QString &Hint() const { return m_hint; }
    void SetHint(const QString &Value) { m_hint = Value; }
    // A locked object stays where it is while the rest of the selection moves.
    bool Locked() const { return m_locked; }
    void SetLocked(bool Value);
    // An unselectable object is never selected; clicks on it reach the panel.
    bool Unselectable() const { return m_unselectable; }
    void SetUnselectable(bool Value);

    // Left, Top, Width and Height above are those shown at the zoom.
    const TBounds &Bounds() const { return m_shown.Bounds; }
    TRect BoundsRect() const { return m_shown.Bounds.ToRect(); }
    // Moves and resizes at once at the zoom shown: each of the four that
    // changed is taken back to zoom 1, and what shows follows from there.
    // CheckBoundsChanged follows unless the object is being read.
    void SetObjectBounds(int L, int T, int W, int H);
    // The bounds at zoom 1, as documents and the clipboard store them.
    const TBounds &UnzoomedBounds() const { return m_unzoomed; }
    void SetUnzoomedBounds(const TBounds &Value);
    // The published Left, Top, Width and Height: the bounds at zoom 1.
    int UnzoomedLeft() const { return m_unzoomed.Left; }
    void SetUnzoomedLeft(int Value);
    int UnzoomedTop() const { return m_unzoomed.Top; }
    void SetUnzoomedTop(int Value);
    int UnzoomedWidth() const { return m_unzoomed.Width; }
    void SetUnzoomedWidth(int Value);
    int UnzoomedHeight() const { return m_unzoomed.Height; }
    void SetUnzoomedHeight(int Value);
    // The panel the object is placed on; null before it is placed.
    TLumBasePanel *Parent() const { return m_parent; }

    // The zoom the object is shown at: its panel's view's, 1 off a panel.
    float Scale() const { return m_shown.Scale; }
    // The object as shown, and as it would be drawn at Scale: the bounds at
    // zoom 1 times the zoom, rounded half to even, then fitted.
    const TObjectFrame &Frame() const { return m_shown; }
    TObjectFrame FrameAt(float Scale) const;

    // Mouse events in the object's coordinates; the panel hooks them.
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMoveEvent OnMouseMove;
    TNotifyEvent OnDblClick;
    // The editor a double-click on the selection opens; without it the
    // object's menu opens.
    std::function<void()> OnEdit;
    void MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void MouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X, int Y);
    void DblClick();

    // Tells the panel the document changed, unless the panel is printing;
    // inside a TNoticeBatch on the object the notice waits for its end.
    void NotifyLabelChanged();

    // The selection squares, on the panel, when the object is selected:
    // corners always, edge middles when it is the only one selected.
    void DrawHandles(QPainter &Target) const;
    // Centres the object on the panel in one direction.
    void CenterVertically();
    void CenterHorizontally();
    // A copy 25 pixels lower, on top, named "Component" + N; it takes the
    // object's place in the selection. Null when the copy could not be made.
    TLumGraphicControl *Clone();

    // The object's context menu; empty until FinishLoad ran.
    TDesignMenu Menu();

    // The object drawn into a bitmap or onto the screen at its position, at
    // the zoom shown or at Scale.
    void PaintAt(QPainter &Target) const;
    void PaintAt(QPainter &Target, float Scale) const;
    // The content at the zoom shown, in the object's coordinates.
    void Paint(QPainter &Target) const { PaintFrame(Target, Frame()); }

    // The virtual slots, described above.
    virtual void FinishLoad();
    virtual void PaintFrame(QPainter &Target, const TObjectFrame &Frame) const;
    virtual void FitSize(int &Width, int &Height, float Scale) const;
    virtual void CheckBoundsChanged();
    virtual void ApplyFont(const TFontDesc &Font);
    virtual void PrintObject(TCanvasReport &Report, double OffsetX, double OffsetY,
                             float Scale) const;
    virtual void AddMenuItems(TDesignMenu &Menu);
    virtual bool DragsContent() const { return false; }
    // Remembers where the content lies as a drag of it begins.
    virtual void BeginContentDrag() {}
    // Moves the content by Moved pixels at zoom 1 from where it lay when the
    // drag began.
    virtual void DragContent(QPointF) {}
    // Whether the content lies elsewhere than where the drag began.
    virtual bool ContentMoved() const { return false; }

    // Streaming finishes an object it read with FinishLoad.
    void Loaded() override;

protected:
    // Folds the notices of one change into one: while a batch lives, the
    // object's notices are held, and the end of the outermost batch sends
    // one when any came (a setter whose change also resizes the object, a
    // command of several setters).
    class TNoticeBatch
    {
    public:
        explicit TNoticeBatch(TLumGraphicControl &Object);
        ~TNoticeBatch();
        TNoticeBatch(const TNoticeBatch &) = delete;
        TNoticeBatch &operator=(const TNoticeBatch &) = delete;

    private:
        TLumGraphicControl &m_object;
    };

    // Fits the bounds again, at zoom 1 and at the zoom shown, after what the
    // object holds changed its size.
    void RefitBounds();

private:
    friend class TLumBasePanel;
    friend class TLumLabelObjectFiler;
    friend class TPlacedObjects;

    void SetParent(TLumBasePanel *Value) { m_parent = Value; }
    // Shows the object at its view's new zoom; the kind lays itself out at
    // it even when the bounds stay.
    void FollowZoom(float Zoom);
    // The bounds at a zoom, from those at zoom 1.
    TBounds BoundsAt(float scale) const;
    // Shows the bounds derived from those at zoom 1; moved tells that these
    // changed.
    void ShowBounds(bool moved);
    void BoundsChanged(const TBounds &old);
    void InvalidateOnPanel(const TBounds &bounds) const;

    int m_tag = 0;
    TBounds m_unzoomed;
    TObjectFrame m_shown;
    int m_cursor = 0;
    QString m_hint;
    bool m_locked = false;
    bool m_unselectable = false;
    TLumBasePanel *m_parent = nullptr;
    // The bounds at zoom 1 and shown when CheckBoundsChanged last looked.
    TBounds m_lastUnzoomed;
    TBounds m_lastBounds;
    bool m_boundsKnown = false;
    bool m_checkingBounds = false;
    bool m_finished = false;
    int m_noticeBatches = 0;
    bool m_noticeHeld = false;
};
