#pragma once

#include "Component.h"
#include "DesignMenu.h"
#include "DesignTypes.h"
#include "FontDesc.h"
#include "LumGraphicControl.h"
#include "LumHandle.h"
#include "PlacedObjects.h"
#include "Rect.h"

#include <QPoint>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QPainter;
class TCanvasReport;
class TDesignView;

// The design surface: a panel on which objects are placed, selected with
// the mouse, moved and resized through the handle, stacked, aligned,
// locked, cut, copied, pasted, cloned and deleted. It needs no window: the
// widget that shows it hands it mouse and key events in panel pixels
// (MouseDown, MouseMove, ...), paints what it is asked to, and attaches a
// TDesignView for what the panel asks of the screen.
//
// The panel keeps its size and its objects' bounds at 100 %. The zoom and
// the tool are its view's: mouse positions come in pixels at the view's
// zoom, and each object derives the frame it shows from it. With the
// selection tool (Pointing) a drag on empty panel area selects; with a
// creation tool the dragged rectangle becomes a new object's bounds
// (CreateObjectInRect, then DroppedObjectEvent). LabelChangedEvent follows
// every change of the placed objects that a document records.
//
// The virtual slots a descendant may override: CreateObjectInRect,
// ObjectMouseDown, PrintObjects and SizeAt; PanelClicked and
// PanelDoubleClicked receive clicks on the panel itself.
class TLumBasePanel
{
public:
    using TDroppedObjectEvent = std::function<void(const TRect &r)>;
    using TNotifyEvent = std::function<void()>;
    using TClock = std::function<qint64()>;

    TLumBasePanel();
    virtual ~TLumBasePanel();
    TLumBasePanel(const TLumBasePanel &) = delete;
    TLumBasePanel &operator=(const TLumBasePanel &) = delete;

    // Published.
    TGridSize GridSize() const { return m_gridSize; }
    void SetGridSize(TGridSize Value);
    bool SnapToGrid() const { return m_snapToGrid; }
    void SetSnapToGrid(bool Value);
    TDroppedObjectEvent DroppedObjectEvent;
    TNotifyEvent LabelChangedEvent;
    // Items put first in the panel's own context menu (undo and redo, say).
    std::function<TDesignMenu()> MenuHead;
    // The font the Font command starts from.
    const TFontDesc &Font() const { return m_font; }
    void SetFont(const TFontDesc &Value) { m_font = Value; }

    TPlacedObjects &Objects() { return m_objects; }
    const TPlacedObjects &Objects() const { return m_objects; }
    TLumHandle &Handle() { return m_handle; }
    const TLumHandle &Handle() const { return m_handle; }
    // The kinds of object documents and the clipboard may hold: at first
    // those registered program-wide (PlacedObjectClasses).
    TClassRegistry &ObjectClasses() { return m_objectClasses; }
    const TClassRegistry &ObjectClasses() const { return m_objectClasses; }

    // The window showing the panel, or null.
    TDesignView *View() const { return m_view; }
    void SetView(TDesignView *View) { m_view = View; }
    // The view's zoom, tool and whether the tool selects; without a view,
    // 100 % and selecting.
    float Zoom() const;
    int Tool() const;
    bool Pointing() const { return Tool() == 0; }
    // The view's zoom changed: every object lays itself out at it. Objects
    // changing their size meanwhile send no change notice.
    void ZoomChanged();

    // The panel's size in pixels at the view's zoom.
    int Width() const { return SizeAt(Zoom()).width(); }
    int Height() const { return SizeAt(Zoom()).height(); }
    // The size at a zoom: the size at 100 % times the zoom, rounded.
    virtual QSize SizeAt(float Zoom) const;

    // While a document is read into the panel, objects send no notices.
    bool Loading() const { return m_loading; }
    void SetLoading(bool Value) { m_loading = Value; }

    // The object clipboard, "Clipbrd.tmp", and "TempFile.tmp" where the
    // program writes its files. A panel that wrote them deletes them when it
    // goes.
    QString ClipboardFileName() const;
    QString TempFileName() const;

    // Milliseconds of a steady clock: click threshold, drag restart, paste
    // guard. Tests set their own clock.
    qint64 TickCount() const;
    void SetClock(TClock Clock) { m_clock = std::move(Clock); }

    // The virtual slots.
    // Makes an object of the view's tool in Rect; false when none was made,
    // and DroppedObjectEvent does not follow. Nothing in the base, which
    // reports every drag.
    virtual bool CreateObjectInRect(const TRect &Rect);
    // A mouse-down on a placed object, in the object's coordinates.
    virtual void ObjectMouseDown(TLumGraphicControl &Sender, Qt::MouseButton Button,
                                 Qt::KeyboardModifiers Shift, int X, int Y);
    // Every placed object prints itself, in stacking order, laid out at
    // Scale (1 for paper).
    virtual void PrintObjects(TCanvasReport &Report, double OffsetX, double OffsetY,
                              float Scale) const;

    // Clears the selection and frees every placed object.
    void DeleteAllObjects();
    // Puts a new object on the panel in Rect (at least 10 x 15), named
    // "Special" + N, hooked and at the zoom of the panel's view; notifies.
    TLumGraphicControl &PlaceObject(std::unique_ptr<TLumGraphicControl> Object, const TRect &Rect);
    // Prefix + the first N of 1 to 1000 no placed object is named; empty when
    // all are taken.
    QString UniqueObjectName(const QString &Prefix) const;
    // Raises LabelChangedEvent, except while scaling or loading, and while
    // notices are held.
    void NotifyLabelChanged();
    // Holds the change notices, as while an object being made may still be
    // cancelled; releasing tells whether one came meanwhile.
    void HoldChangeNotices();
    bool ReleaseChangeNotices();
    // Makes object the whole selection.
    void Select(TLumGraphicControl &Object);
    // Routes the object's mouse events to the panel.
    void HookObjectEvents(TLumGraphicControl &Object);
    // Hooks every object and shows it at the zoom of the panel's view.
    void HookAllObjects();
    // Selects the objects whose bounds meet Rect; with Shift they are
    // toggled against the selection instead.
    void SelectInRect(const TRect &Rect, bool Shift = false);
    void ClipboardAction(TClipboardAction Action);
    // A clipboard command from an object's own menu: on the whole selection
    // when the object is in it, else on the object alone.
    void ObjectClipboardAction(TLumGraphicControl &Object, TClipboardAction Action);
    // Frees one object, out of the selection first.
    void FreeObject(TLumGraphicControl &Object);
    // Puts Fresh in Old's place, identity and selection (see
    // TPlacedObjects::Replace) and frees Old.
    void ReplaceObject(TLumGraphicControl &Old, std::unique_ptr<TLumGraphicControl> Fresh);

    // The context menu's commands.
    void AlignLeft();
    void AlignRight();
    void AlignTops();
    void AlignBottoms();
    void CenterVertically();
    void CenterHorizontally();
    void BringToFront();
    void SendToBack();
    void LockAll();
    void UnlockAll();
    void MarkAllSelectable();
    void MarkAllUnselectable();
    void SelectAll();
    void ChooseFont();
    // The context menu with its items enabled as things are now.
    TDesignMenu PanelMenu();
    void OpenPanelMenu(QPoint At);
    // An object's own menu, at a point of the panel.
    void OpenObjectMenu(TLumGraphicControl &Object, QPoint At);

    // Mouse and keys on the panel, in panel pixels: the window hands them
    // here and the panel passes each to the object under the point, to the
    // handle while it holds the mouse, or to its own handlers.
    void MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void MouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X, int Y);
    void MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void DoubleClick(int X, int Y);
    void MouseLeave();
    void KeyDown(int Key, Qt::KeyboardModifiers Shift);
    // The same on the handle, in handle pixels.
    void HandleMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void HandleMouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X, int Y);
    void HandleMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void HandleDoubleClick(int X, int Y);

    // The panel's own mouse handlers: the rubber band.
    void PanelMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void PanelMouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X, int Y);
    void PanelMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    // A double-click on an object, or on the handle (Object null), at a point
    // of the panel.
    void ObjectDoubleClick(TLumGraphicControl *Object, QPoint At);

    // The rectangle being dragged out, normalised, while a drag runs.
    std::optional<TRect> RubberBand() const;

    // Painting, in panel pixels: the visible objects meeting area in
    // stacking order; the selection squares; the outlines of a rubber band
    // or a handle drag, drawn inverting what is under them.
    void PaintObjects(QPainter &Target, const TRect &Area) const;
    // Every visible object at Scale, whatever the zoom shown: a picture of
    // the panel at another size.
    void PaintObjectsAt(QPainter &Target, float Scale) const;
    void PaintSelection(QPainter &Target) const;
    void PaintOutlines(QPainter &Target) const;

    // The handle is fitted around the selection after objects moved; the
    // view delivers it once the move is over.
    void PostRefit();
    void DeliverRefit();
    bool RefitPending() const { return m_refitPending; }

    // Requests to the view while many objects change at once are gathered
    // and sent once the last hold is released (see TViewBatch).
    void HoldViewUpdates();
    void ReleaseViewUpdates();
    // The handle's bounds, visibility or stacking changed; it takes the focus.
    void HandleChanged();
    void FocusHandle();

    // Asks the view (when there is one) to redraw part of the panel.
    void InvalidateArea(const TRect &Area);
    // Only the edges of an outline.
    void InvalidateFrame(const TRect &Frame);
    void InvalidateObject(const TBounds &Bounds);
    void ShowCursor(TDesignCursor Cursor) const;
    void PopupMenu(const TDesignMenu &Menu, QPoint At) const;

protected:
    // A left click on the panel itself (not on an object and not a drag).
    virtual void PanelClicked(int X, int Y);
    virtual void PanelDoubleClicked(int X, int Y);
    // The panel's look changed; its views repaint.
    virtual void Invalidate() {}
    // The size at 100 %, for a panel that does not derive it (SizeAt).
    void SetPanelSize(int Width, int Height) { m_size = QSize(Width, Height); }

private:
    friend class TLumLabelObjectFiler;

    bool WriteSelectionToClipboard();
    void PasteFromClipboard();
    void DeleteSelection();
    void DeselectAt(QPoint At);
    void NoteClipboardWritten() { m_wroteClipboard = true; }
    TLumGraphicControl *PressedObject() const;

    TPlacedObjects m_objects;
    TLumHandle m_handle;
    TClassRegistry m_objectClasses;
    TDesignView *m_view = nullptr;
    TClock m_clock;
    TGridSize m_gridSize = gs4x4;
    bool m_snapToGrid = false;
    TFontDesc m_font;
    QSize m_size;
    bool m_loading = false;
    bool m_zooming = false;

    TRect m_rubberBand;
    bool m_rubberBanding = false;
    qint64 m_lastPasteTick = 0;
    bool m_refitPending = false;
    bool m_wroteClipboard = false;
    bool m_holdingNotices = false;
    bool m_noticeHeld = false;
    int m_heldUpdates = 0;
    QList<TRect> m_heldAreas;
    bool m_handleChangedWhileHeld = false;
    bool m_focusWhileHeld = false;

    // Where the mouse went down: an object, the panel itself, or nothing.
    enum class TPressTarget { None, Panel, Object };
    TPressTarget m_pressTarget = TPressTarget::None;
    TLumGraphicControl *m_pressedObject = nullptr;
    QPoint m_pressPoint;
    TLumGraphicControl *m_hoverObject = nullptr;
};

// Holds the panel's requests to its view for the life of the batch.
class TViewBatch
{
public:
    explicit TViewBatch(TLumBasePanel &panel) : m_panel(panel) { m_panel.HoldViewUpdates(); }
    ~TViewBatch() { m_panel.ReleaseViewUpdates(); }
    TViewBatch(const TViewBatch &) = delete;
    TViewBatch &operator=(const TViewBatch &) = delete;

private:
    TLumBasePanel &m_panel;
};

// The kinds of placed object the program knows, for every panel made after
// they were registered; each kind registers its class once at start-up.
TClassRegistry &PlacedObjectClasses();
