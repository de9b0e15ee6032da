#pragma once

#include "CharAttributes.h"
#include "RichTextPainter.h"
#include "RtfDocument.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class QDragMoveEvent;
class QDropEvent;
class QMouseEvent;
class QGraphicsScene;
class QGraphicsTextItem;
class QGraphicsView;
class TWPToolBar;

// The forms a document is read and written in.
enum class TWPFormatType { FormatRTF, FormatANSI };
// Which scroll bars the editor shows.
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
// The language of the editor's own texts.
enum class TWPLanguage { twpEnglish, twpGerman, twpFrench, twpSpanish, twpItalian };

// The rich-text editor: its own document shown at the page's zoom, wrapped
// at the page width so that its lines break exactly where the painted
// document's do. The page size is the size the text covers on screen at
// Zooming; the text lays out at that size divided by the zoom.
class TWPRichText : public QWidget
{
    Q_OBJECT

public:
    explicit TWPRichText(QWidget *parent = nullptr);
    ~TWPRichText() override;

    // The document being edited.
    TWPRTFTextPaint &RtfText() { return m_rtfText; }
    const TWPRTFTextPaint &RtfText() const { return m_rtfText; }
    bool IsEmpty() const { return m_rtfText.IsEmpty(); }
    // Replaces the document with a copy of source; the caret goes to its end
    // and the document shows from its first line, as the page paints it. In
    // an empty document the caret takes the attributes of text without any.
    void Assign(const TWPRTFTextPaint &source);
    // Scrolls back to the document's first line.
    void ShowFirstLine();
    // The caret as a position in the document, and moved there (kept inside
    // the document).
    int CaretPosition() const;
    void SetCaretPosition(int position);

    void CaretToEnd();
    void SelectAll();
    bool HasSelection() const;
    // Removes the selected text, else the character after the caret, as the
    // Delete key does.
    void DeleteSelection();
    // The attributes text typed at the caret takes.
    TWPCharAttr CurrentAttributes() const;
    // Makes attr current; with a selection it applies to the selection.
    void SetCurrentAttributes(const TWPCharAttr &attr);
    // Applies only the given parts of attr (what a toolbar button changes).
    void ApplyAttributes(const TWPCharAttr &attr, TWPCharAttrParts parts);
    // Turns bold, italic or underline on or off, as the toolbar's buttons
    // and Ctrl+B, Ctrl+I and Ctrl+U do: off when the caret's text has it.
    void ToggleStyle(TWPCharStyle style);
    int FontIndexOf(const QString &face) { return FontIndexOfFace(m_rtfText, face); }
    void InsertText(const QString &text, const TWPCharAttr &attr);
    void NewParagraph();
    // Inserts image at the caret as an embedded device-independent bitmap.
    void InsertBitmap(const QImage &image);
    TWPAlignment Alignment() const;
    void SetAlignment(TWPAlignment alignment);
    void Copy();
    void Cut();
    void Paste();

    // Paints the document into the rectangle of width x height pixels at
    // topLeft at the editor's zoom and paint target; see PaintRichText.
    int PaintTo(QPainter &painter, const QPointF &topLeft, double width, double height,
                int firstLine = 0) const;

    // The page in twips, all four margins 0.
    void SetPageSizeTwips(int width, int height);
    // The width the text wraps at, in layout units (screen pixels at 100 %).
    double LayoutWidth() const;

    // Shows picture tiled behind the text. A metafile is refused with a
    // message; returns whether the picture was taken.
    bool SetBackgroundPicture(const TWPPicture &picture);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    int Zooming() const { return m_zooming; }
    void SetZooming(int zooming);
    int Resizing() const { return m_resizing; }
    void SetResizing(int resizing) { m_resizing = resizing; }
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wordWrap);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);
    bool Inserting() const { return m_inserting; }
    void SetInserting(bool inserting) { m_inserting = inserting; }
    TWPFormatType SaveFormat() const { return m_saveFormat; }
    void SetSaveFormat(TWPFormatType format) { m_saveFormat = format; }
    TWPFormatType LoadFormat() const { return m_loadFormat; }
    void SetLoadFormat(TWPFormatType format) { m_loadFormat = format; }
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle scrollBars);
    bool WantTabs() const { return m_wantTabs; }
    void SetWantTabs(bool wantTabs) { m_wantTabs = wantTabs; }
    bool DragAndDropSupport() const { return m_dragAndDropSupport; }
    void SetDragAndDropSupport(bool support) { m_dragAndDropSupport = support; }
    bool ShowPageBreak() const { return m_showPageBreak; }
    void SetShowPageBreak(bool show) { m_showPageBreak = show; }
    bool WriteBitmapAsDib() const { return m_writeBitmapAsDib; }
    void SetWriteBitmapAsDib(bool dib) { m_writeBitmapAsDib = dib; }
    TWPLanguage Language() const { return m_language; }
    void SetLanguage(TWPLanguage language) { m_language = language; }
    TWPPaintTarget PaintTarget() const { return m_paintTarget; }
    void SetPaintTarget(TWPPaintTarget target) { m_paintTarget = target; }

    // The toolbar driving this editor; linking one links it back.
    TWPToolBar *WPToolBar() const;
    void SetWPToolBar(TWPToolBar *toolBar);

    // Any change to the document's content or formats.
    std::function<void()> OnChange;
    // The editor got the focus.
    std::function<void()> OnEnter;
    // A typed character; the handler may replace it or set it to QChar() to
    // swallow it.
    std::function<void(QChar &key)> OnKeyPress;
    // Something is dragged over the editor; set accept to take the drop.
    std::function<void(QDragMoveEvent &event, bool &accept)> OnDragOver;
    std::function<void(QDropEvent &event)> OnDragDrop;

signals:
    // The caret, the selection or the format at the caret may have changed.
    void CaretChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTextCursor Cursor() const;
    void SetCursor(const QTextCursor &cursor);
    void DocumentChanged();
    void RestorePage();
    void ApplyLayoutSettings();
    void UpdateZoom();
    void UpdateBackground();
    bool KeyPressed(QKeyEvent &event);
    bool PressedBesideText(const QMouseEvent &event);
    bool DragEvent(QEvent &event);

    // The page in twips, kept apart from the document so that assigning a
    // document does not change where the text wraps.
    struct TPage
    {
        int Width, Height, MarginLeft, MarginRight, MarginTop, MarginBottom;
    };

    TWPLayoutDevice m_layoutDevice;
    TWPRTFTextPaint m_rtfText;
    // Declared after the document: the scene's text item shows it.
    std::unique_ptr<QGraphicsScene> m_scene;
    QGraphicsTextItem *m_item = nullptr; // owned by m_scene
    QGraphicsView *m_view = nullptr;     // child widget
    QPointer<TWPToolBar> m_toolBar;
    QImage m_background;
    int m_ppi;
    TPage m_page;

    TColor m_color = clWhite;
    int m_zooming = 100;
    int m_resizing = 100;
    bool m_wordWrap = true;
    bool m_readOnly = false;
    bool m_inserting = true;
    TWPFormatType m_saveFormat = TWPFormatType::FormatRTF;
    TWPFormatType m_loadFormat = TWPFormatType::FormatRTF;
    bool m_transparent = false;
    TScrollStyle m_scrollBars = TScrollStyle::ssNone;
    bool m_wantTabs = false;
    bool m_dragAndDropSupport = false;
    bool m_showPageBreak = false;
    bool m_writeBitmapAsDib = true;
    TWPLanguage m_language = TWPLanguage::twpEnglish;
    TWPPaintTarget m_paintTarget = TWPPaintTarget::Bitmap;
};
