#include "WPRichText.h"

#include "Messages.h"
#include "Ppi.h"
#include "WPToolBar.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QStyleOptionGraphicsItem>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString RtfMimeType = QStringLiteral("text/rtf");

Qt::ScrollBarPolicy Policy(bool shown)
{
    return shown ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
}

// The editor's text: painted without the dashed frame a focused text item
// draws around itself, which would cover the text's first and last pixels.
class TEditorTextItem : public QGraphicsTextItem
{
public:
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override
    {
        QStyleOptionGraphicsItem plain(*option);
        plain.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        QGraphicsTextItem::paint(painter, &plain, widget);
    }
};

// The selection as a document of its own, numbered like document.
std::unique_ptr<QMimeData> SelectionMimeData(const TWPRTFTextPaint &document,
                                             const QTextCursor &cursor)
{
    TWPRTFTextPaint selection;
    selection.SetFonts(document.Fonts());
    for (int index = 0; index < int(document.Palette().size()); ++index)
        selection.SetPaletteColor(index, document.Palette()[index]);
    QTextCursor(&selection.Document()).insertFragment(cursor.selection());

    auto data = std::make_unique<QMimeData>();
    data->setText(cursor.selection().toPlainText());
    data->setData(RtfMimeType, selection.SaveData());
    return data;
}

} // namespace

TWPRichText::TWPRichText(QWidget *parent)
    : QWidget(parent), m_layoutDevice(ScreenPpi()), m_scene(std::make_unique<QGraphicsScene>()),
      m_ppi(ScreenPpi())
{
    m_page = {m_rtfText.PageWidth,   m_rtfText.PageHeight, m_rtfText.MarginLeft,
              m_rtfText.MarginRight, m_rtfText.MarginTop,  m_rtfText.MarginBottom};

    m_item = new TEditorTextItem;
    m_scene->addItem(m_item);
    m_item->setDocument(&m_rtfText.Document());
    m_item->setTextInteractionFlags(Qt::TextEditorInteraction);
    m_item->setFocus();

    m_view = new QGraphicsView(m_scene.get(), this);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_view->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    m_view->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);
    m_view->viewport()->setAcceptDrops(true);
    setFocusProxy(m_view);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);

    connect(&m_rtfText.Document(), &QTextDocument::contentsChanged, this,
            &TWPRichText::DocumentChanged);
    // Wrapped text starts at the page's left edge; keeping the caret in view
    // must not scroll its start out of it.
    connect(m_view->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (m_wordWrap)
            m_view->horizontalScrollBar()->setValue(m_view->horizontalScrollBar()->minimum());
    });
    SetScrollBars(m_scrollBars);
    UpdateZoom();
    UpdateBackground();
}

TWPRichText::~TWPRichText() = default;

void TWPRichText::Assign(const TWPRTFTextPaint &source)
{
    m_rtfText.Assign(source);
    RestorePage();
    ApplyLayoutSettings();
    CaretToEnd();
    // Text typed into an empty document takes the attributes its file gives
    // text without any, not the widget's font, so that it shows as it is
    // stored.
    if (m_rtfText.IsEmpty())
        SetCurrentAttributes(CurrentAttributes());
    ShowFirstLine();
}

void TWPRichText::ShowFirstLine()
{
    m_view->horizontalScrollBar()->setValue(m_view->horizontalScrollBar()->minimum());
    m_view->verticalScrollBar()->setValue(m_view->verticalScrollBar()->minimum());
}

int TWPRichText::CaretPosition() const
{
    return Cursor().position();
}

void TWPRichText::SetCaretPosition(int position)
{
    QTextCursor cursor = Cursor();
    cursor.setPosition(std::clamp(position, 0, m_rtfText.Document().characterCount() - 1));
    SetCursor(cursor);
}

void TWPRichText::CaretToEnd()
{
    QTextCursor cursor = Cursor();
    MoveCaretToEnd(cursor);
    SetCursor(cursor);
}

void TWPRichText::SelectAll()
{
    QTextCursor cursor = Cursor();
    cursor.select(QTextCursor::Document);
    SetCursor(cursor);
}

bool TWPRichText::HasSelection() const
{
    return Cursor().hasSelection();
}

void TWPRichText::DeleteSelection()
{
    if (m_readOnly)
        return;
    QTextCursor cursor = Cursor();
    cursor.deleteChar();
    SetCursor(cursor);
}

TWPCharAttr TWPRichText::CurrentAttributes() const
{
    return CharAttrAt(m_rtfText, Cursor());
}

void TWPRichText::SetCurrentAttributes(const TWPCharAttr &attr)
{
    ApplyAttributes(attr, TWPCharAttrPart::All);
}

void TWPRichText::ApplyAttributes(const TWPCharAttr &attr, TWPCharAttrParts parts)
{
    QTextCursor cursor = Cursor();
    ApplyCharAttr(m_rtfText, cursor, attr, parts);
    SetCursor(cursor);
}

void TWPRichText::ToggleStyle(TWPCharStyle style)
{
    const bool on = !(CurrentAttributes().Style & style);
    ApplyAttributes({.Style = on ? int(style) : 0}, PartOfStyle(style));
}

void TWPRichText::InsertText(const QString &text, const TWPCharAttr &attr)
{
    QTextCursor cursor = Cursor();
    InsertCharAttrText(m_rtfText, cursor, text, attr);
    SetCursor(cursor);
}

void TWPRichText::NewParagraph()
{
    QTextCursor cursor = Cursor();
    InsertParagraph(cursor);
    SetCursor(cursor);
}

void TWPRichText::InsertBitmap(const QImage &image)
{
    QTextCursor cursor = Cursor();
    InsertPicture(cursor, TWPPicture::FromImage(image));
    SetCursor(cursor);
}

TWPAlignment TWPRichText::Alignment() const
{
    return AlignmentOf(Cursor().blockFormat().alignment());
}

void TWPRichText::SetAlignment(TWPAlignment alignment)
{
    QTextCursor cursor = Cursor();
    QTextBlockFormat format;
    format.setAlignment(ToQtAlignment(alignment));
    cursor.mergeBlockFormat(format);
    SetCursor(cursor);
}

void TWPRichText::Copy()
{
    const QTextCursor cursor = Cursor();
    if (cursor.hasSelection())
        QGuiApplication::clipboard()->setMimeData(SelectionMimeData(m_rtfText, cursor).release());
}

void TWPRichText::Cut()
{
    if (m_readOnly)
        return;
    Copy();
    QTextCursor cursor = Cursor();
    cursor.removeSelectedText();
    SetCursor(cursor);
}

void TWPRichText::Paste()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (m_readOnly || !data)
        return;
    QTextCursor cursor = Cursor();
    TWPRTFTextPaint pasted;
    if (data->hasFormat(RtfMimeType) && pasted.LoadData(data->data(RtfMimeType))) {
        RenumberRuns(pasted, m_rtfText);
        cursor.insertFragment(QTextDocumentFragment(&pasted.Document()));
    } else if (data->hasText()) {
        cursor.insertText(data->text());
    }
    SetCursor(cursor);
}

int TWPRichText::PaintTo(QPainter &painter, const QPointF &topLeft, double width, double height,
                         int firstLine) const
{
    return PaintRichText(painter, m_rtfText, topLeft, width, height, firstLine, m_zooming,
                         m_paintTarget);
}

void TWPRichText::SetPageSizeTwips(int width, int height)
{
    m_page = {width, height, 0, 0, 0, 0};
    RestorePage();
    UpdateZoom();
}

double TWPRichText::LayoutWidth() const
{
    const int twips = m_page.Width - m_page.MarginLeft - m_page.MarginRight;
    return UnzoomedWidth(std::max(TwipsToPixels(twips, m_ppi), 0), m_zooming);
}

bool TWPRichText::SetBackgroundPicture(const TWPPicture &picture)
{
    if (picture.Kind == TWPPictureKind::Metafile) {
        ShowInformation(tr("Please use Bitmap."));
        return false;
    }
    m_background = picture.Image;
    UpdateBackground();
    return true;
}

void TWPRichText::SetColor(TColor color)
{
    if (m_color == color)
        return;
    m_color = color;
    UpdateBackground();
}

void TWPRichText::SetZooming(int zooming)
{
    if (m_zooming == zooming)
        return;
    m_zooming = zooming;
    UpdateZoom();
}

void TWPRichText::SetWordWrap(bool wordWrap)
{
    if (m_wordWrap == wordWrap)
        return;
    m_wordWrap = wordWrap;
    UpdateZoom();
}

void TWPRichText::SetReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_item->setTextInteractionFlags(readOnly
                                        ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                        : Qt::TextEditorInteraction);
}

void TWPRichText::SetTransparent(bool transparent)
{
    if (m_transparent == transparent)
        return;
    m_transparent = transparent;
    UpdateBackground();
}

void TWPRichText::SetScrollBars(TScrollStyle scrollBars)
{
    m_scrollBars = scrollBars;
    const bool both = scrollBars == TScrollStyle::ssBoth;
    m_view->setHorizontalScrollBarPolicy(Policy(both || scrollBars == TScrollStyle::ssHorizontal));
    m_view->setVerticalScrollBarPolicy(Policy(both || scrollBars == TScrollStyle::ssVertical));
}

TWPToolBar *TWPRichText::WPToolBar() const
{
    return m_toolBar;
}

void TWPRichText::SetWPToolBar(TWPToolBar *toolBar)
{
    if (m_toolBar == toolBar)
        return;
    TWPToolBar *previous = m_toolBar;
    m_toolBar = toolBar;
    if (previous && previous->Editor() == this)
        previous->SetEditor(nullptr);
    if (toolBar)
        toolBar->SetEditor(this);
}

bool TWPRichText::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view) {
        switch (event->type()) {
        case QEvent::FocusIn:
            if (OnEnter)
                OnEnter();
            break;
        case QEvent::KeyPress:
            return KeyPressed(static_cast<QKeyEvent &>(*event));
        case QEvent::KeyRelease:
            emit CaretChanged();
            break;
        default:
            break;
        }
    } else if (watched == m_view->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            return PressedBesideText(static_cast<QMouseEvent &>(*event));
        case QEvent::MouseButtonRelease:
            emit CaretChanged();
            break;
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return DragEvent(*event);
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QTextCursor TWPRichText::Cursor() const
{
    return m_item->textCursor();
}

void TWPRichText::SetCursor(const QTextCursor &cursor)
{
    m_item->setTextCursor(cursor);
    emit CaretChanged();
}

void TWPRichText::DocumentChanged()
{
    // A document assigned through RtfText() brings its own layout settings.
    ApplyLayoutSettings();
    if (OnChange)
        OnChange();
    emit CaretChanged();
}

void TWPRichText::RestorePage()
{
    m_rtfText.PageWidth = m_page.Width;
    m_rtfText.PageHeight = m_page.Height;
    m_rtfText.MarginLeft = m_page.MarginLeft;
    m_rtfText.MarginRight = m_page.MarginRight;
    m_rtfText.MarginTop = m_page.MarginTop;
    m_rtfText.MarginBottom = m_page.MarginBottom;
}

void TWPRichText::ApplyLayoutSettings()
{
    m_layoutDevice.Attach(m_rtfText.Document());
    const double textWidth = m_wordWrap ? LayoutWidth() : -1;
    if (m_item->textWidth() != textWidth)
        m_item->setTextWidth(textWidth);
}

void TWPRichText::UpdateZoom()
{
    const double scale = EffectiveZoom(m_zooming) / 100.0;
    m_view->setTransform(QTransform::fromScale(scale, scale));
    ApplyLayoutSettings();
    m_item->setPos(UnzoomedWidth(TwipsToPixels(m_page.MarginLeft, m_ppi), m_zooming),
                   UnzoomedWidth(TwipsToPixels(m_page.MarginTop, m_ppi), m_zooming));
}

void TWPRichText::UpdateBackground()
{
    QBrush brush(Qt::NoBrush);
    if (!m_transparent)
        brush = m_background.isNull() ? QBrush(ToQColor(m_color)) : QBrush(m_background);
    m_view->setBackgroundBrush(brush);
    m_view->viewport()->setAutoFillBackground(!m_transparent);
    QPalette palette = m_view->viewport()->palette();
    palette.setColor(QPalette::Base, m_transparent ? QColor(Qt::transparent) : ToQColor(m_color));
    m_view->viewport()->setPalette(palette);
}

bool TWPRichText::KeyPressed(QKeyEvent &event)
{
    if ((event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab) && !m_wantTabs)
        return true;
    const std::pair<QKeySequence::StandardKey, TWPCharStyle> styleKeys[] = {
        {QKeySequence::Bold, wpsBold},
        {QKeySequence::Italic, wpsItalic},
        {QKeySequence::Underline, wpsUnderline},
    };
    for (const auto &[key, style] : styleKeys) {
        if (event.matches(key)) {
            if (!m_readOnly)
                ToggleStyle(style);
            return true;
        }
    }
    if (!OnKeyPress || event.text().size() != 1)
        return false;
    const QChar typed = event.text().at(0);
    QChar key = typed;
    OnKeyPress(key);
    if (key == typed)
        return false;
    if (!key.isNull() && !m_readOnly) {
        QTextCursor cursor = Cursor();
        cursor.insertText(QString(key));
        SetCursor(cursor);
    }
    return true;
}

bool TWPRichText::PressedBesideText(const QMouseEvent &event)
{
    // A click on the page beside the text (below its last line) would take
    // the keyboard from the text: the caret goes to the text's end instead.
    if (m_view->itemAt(event.position().toPoint()))
        return false;
    m_view->setFocus(Qt::MouseFocusReason);
    m_item->setFocus(Qt::MouseFocusReason);
    CaretToEnd();
    return true;
}

bool TWPRichText::DragEvent(QEvent &event)
{
    if (event.type() == QEvent::Drop) {
        auto &drop = static_cast<QDropEvent &>(event);
        if (!OnDragDrop)
            return !m_dragAndDropSupport;
        OnDragDrop(drop);
        drop.acceptProposedAction();
        return true;
    }
    auto &move = static_cast<QDragMoveEvent &>(event);
    if (OnDragOver) {
        bool accept = false;
        OnDragOver(move, accept);
        if (accept)
            move.acceptProposedAction();
        else
            move.ignore();
        return true;
    }
    if (m_dragAndDropSupport)
        return false;
    move.ignore();
    return true;
}
