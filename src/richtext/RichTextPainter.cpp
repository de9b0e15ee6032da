#include "RichTextPainter.h"

#include "Numbers.h"
#include "Ppi.h"
#include "RtfDocument.h"
#include "WmfPicture.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextObjectInterface>
#include <QUrl>

#include <algorithm>
#include <limits>

namespace {

constexpr double InchesPerMeter = 39.37007874015748;
// Rounding slack when lines are fitted into a height given in zoomed pixels.
constexpr double FitTolerance = 1e-3;

// Draws embedded pictures from their images, metafiles by playing them into
// their rectangle, and a picture that cannot be shown as an empty frame.
class TPictureHandler : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    explicit TPictureHandler(int ppi) : m_ppi(ppi) {}

    QSizeF intrinsicSize(QTextDocument *document, int, const QTextFormat &format) override
    {
        const QTextImageFormat image = format.toImageFormat();
        if (image.width() > 0 && image.height() > 0)
            return {image.width(), image.height()};
        const int goalWidth = image.intProperty(PictureGoalWidthProperty);
        const int goalHeight = image.intProperty(PictureGoalHeightProperty);
        if (goalWidth > 0 && goalHeight > 0)
            return {goalWidth * m_ppi / 1440.0, goalHeight * m_ppi / 1440.0};
        return ImageOf(*document, image).size();
    }

    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *document, int,
                    const QTextFormat &format) override
    {
        if (PlayMetafile(*painter, rect, format))
            return;
        const QImage image = ImageOf(*document, format.toImageFormat());
        painter->save();
        if (image.isNull()) {
            painter->setPen(QPen(Qt::black, 0));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(rect);
        } else {
            painter->drawImage(rect, image);
        }
        painter->restore();
    }

private:
    // Plays an embedded metafile into rect; false when it is not one or
    // cannot be read.
    static bool PlayMetafile(QPainter &painter, const QRectF &rect, const QTextFormat &format)
    {
        if (format.intProperty(PictureKindProperty) != int(TWPPictureKind::Metafile))
            return false;
        QString error;
        const std::optional<TWmfPicture> metafile =
            TWmfPicture::Read(format.property(PictureDataProperty).toByteArray(), error);
        if (!metafile)
            return false;
        metafile->Play(painter, rect);
        return true;
    }

    static QImage ImageOf(const QTextDocument &document, const QTextImageFormat &format)
    {
        const QVariant resource =
            document.resource(QTextDocument::ImageResource, QUrl(format.name()));
        if (resource.canConvert<QImage>())
            return resource.value<QImage>();
        return PictureOf(document, format).Image;
    }

    int m_ppi;
};

// Past the lines that show, a layout keeps this many more: the last line
// shown breaks, and is justified, as it does in the whole text.
constexpr int LinesBeyondView = 2;

// The most characters a layout takes from a document for each square pixel
// of its view, and at least: enough for any text that can show, and a bound
// on what one unbreakable word or a swarm of tiny runs can cost.
constexpr double CharactersPerPixel = 0.5;
constexpr qsizetype FewestCharacters = 4096;

qsizetype CharacterBudget(double width, double height)
{
    const double area = std::max(width, 1.0) * height * CharactersPerPixel;
    if (!(area < double(std::numeric_limits<qsizetype>::max())))
        return std::numeric_limits<qsizetype>::max();
    return std::max(FewestCharacters, qsizetype(area));
}

// The height a line adds, never more than the document layout gives it (it
// adds leading and paragraph spacing), so that no line that shows is counted
// out of view.
double LineAdvance(const QTextBlockFormat &format, const QTextLine &line)
{
    const double natural = line.height();
    switch (format.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        return std::min(natural, natural * format.lineHeight() / 100);
    case QTextBlockFormat::FixedHeight:
        return std::min(natural, format.lineHeight());
    case QTextBlockFormat::LineDistanceHeight:
        return std::min(natural, natural + format.lineHeight());
    default:
        return natural;
    }
}

// Where the text of document stops mattering when its lines are broken at
// width and shown from line firstLine on in height: the end of the
// LinesBeyondView-th line below the view; -1 when the whole text shows.
// Lines are broken at the full width, paragraph margins left out, so each
// holds at least as much as the document layout puts on it.
int ViewEnd(QTextDocument &document, double width, int firstLine, double height)
{
    QTextOption option = document.defaultTextOption();
    int line = 0;
    double shown = 0;
    int beyond = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!block.isVisible())
            continue;
        QTextLayout *layout = block.layout();
        option.setAlignment(block.blockFormat().alignment());
        layout->setTextOption(option);
        layout->beginLayout();
        for (QTextLine text = layout->createLine(); text.isValid(); text = layout->createLine()) {
            text.setLineWidth(width);
            if (line++ < firstLine)
                continue;
            if (shown > height && ++beyond > LinesBeyondView) {
                layout->endLayout();
                return block.position() + text.textStart();
            }
            shown += LineAdvance(block.blockFormat(), text);
        }
        layout->endLayout();
    }
    return -1;
}

// Leaves out of document whatever follows position.
void CutAt(QTextDocument &document, int position)
{
    QTextCursor cut(&document);
    cut.setPosition(position);
    cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
}

QImage LayoutDeviceImage(int ppi)
{
    QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMeter = Round(ppi * InchesPerMeter);
    device.setDotsPerMeterX(dotsPerMeter);
    device.setDotsPerMeterY(dotsPerMeter);
    return device;
}

} // namespace

int EffectiveZoom(int zoomPercent)
{
    return zoomPercent > 0 ? zoomPercent : 100;
}

double UnzoomedWidth(double width, int zoomPercent)
{
    return width * 100.0 / EffectiveZoom(zoomPercent);
}

int TwipsToPixels(int twips, int ppi)
{
    return Round(double(twips) * ppi / 1440.0);
}

TWPLayoutDevice::TWPLayoutDevice(int ppi)
    : m_device(LayoutDeviceImage(ppi)), m_pictureHandler(std::make_unique<TPictureHandler>(ppi))
{}

TWPLayoutDevice::~TWPLayoutDevice() = default;

void TWPLayoutDevice::Attach(QTextDocument &document)
{
    // Metrics and margins first: changed once the document has a layout,
    // each would lay the whole document out again, however little of it
    // shows.
    if (!document.useDesignMetrics())
        document.setUseDesignMetrics(true);
    // Copies of documents may carry a root frame margin of their own.
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    if (document.documentMargin() != 0 || frame.leftMargin() != 0 || frame.rightMargin() != 0 ||
        frame.topMargin() != 0 || frame.bottomMargin() != 0) {
        document.setDocumentMargin(0);
        frame.setMargin(0);
        document.rootFrame()->setFrameFormat(frame);
    }
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    if (layout->paintDevice() != &m_device)
        layout->setPaintDevice(&m_device);
    layout->registerHandler(QTextFormat::ImageObject, m_pictureHandler.get());
}

TWPRichTextLayout::TWPRichTextLayout(const TWPRTFTextPaint &document, double width,
                                     double visibleHeight, int firstLine)
    : m_device(ScreenPpi()), m_width(width)
{
    const QTextDocument &source = document.Document();
    m_source.Watch(source);
    const qsizetype budget = CharacterBudget(width, visibleHeight);
    m_whole = source.characterCount() <= budget;
    if (m_whole) {
        m_document.reset(source.clone());
    } else {
        m_document = std::make_unique<QTextDocument>();
        CopyDocument(source, *m_document, budget);
    }
    m_device.Attach(*m_document);
    if (visibleHeight != Unbounded) {
        const int end = ViewEnd(*m_document, width, firstLine, visibleHeight);
        if (end >= 0) {
            CutAt(*m_document, end);
            m_whole = false;
        }
    }
    m_visibleHeight = visibleHeight;
    m_document->setTextWidth(width);
    const QAbstractTextDocumentLayout *layout = m_document->documentLayout();
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        layout->blockBoundingRect(block); // lays the block out
        const QTextLayout *lines = block.layout();
        if (!block.isVisible() || !lines)
            continue;
        for (int index = 0; index < lines->lineCount(); ++index) {
            const QTextLine line = lines->lineAt(index);
            m_lines.push_back({line.rect().translated(lines->position()),
                               block.text().mid(line.textStart(), line.textLength())});
        }
    }
}

TWPRichTextLayout::~TWPRichTextLayout() = default;

bool TWPRichTextLayout::IsLayoutOf(const TWPRTFTextPaint &document, double width) const
{
    return m_source.Unchanged(document.Document()) && width == m_width;
}

bool TWPRichTextLayout::HasContentOf(const TWPRTFTextPaint &document) const
{
    return m_whole && SameContent(*m_document, document.Document());
}

QRectF TWPRichTextLayout::LineRect(int line) const
{
    return m_lines.at(line).Rect;
}

QString TWPRichTextLayout::LineText(int line) const
{
    return m_lines.at(line).Text;
}

int TWPRichTextLayout::LinesThatFit(int firstLine, double height) const
{
    if (firstLine < 0 || firstLine >= LineCount())
        return 0;
    const double top = m_lines[firstLine].Rect.top();
    int count = 0;
    while (firstLine + count < LineCount() &&
           m_lines[firstLine + count].Rect.bottom() - top <= height + FitTolerance)
        ++count;
    return count;
}

int TWPRichTextLayout::Paint(QPainter &painter, const QPointF &topLeft, double height,
                             int firstLine, int zoomPercent, TWPPaintTarget target) const
{
    const double scale = EffectiveZoom(zoomPercent) / 100.0;
    const int count = LinesThatFit(firstLine, height / scale);
    if (count == 0)
        return 0;
    const double top = m_lines[firstLine].Rect.top();
    const double bottom = m_lines[firstLine + count - 1].Rect.bottom();
    const QRectF shown(0, top, m_width, bottom - top);
    const bool bitmap = target == TWPPaintTarget::Bitmap;

    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, bitmap);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, bitmap);
    painter.translate(topLeft);
    painter.scale(scale, scale);
    painter.translate(0, -top);
    painter.setClipRect(shown, Qt::IntersectClip);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = shown;
    context.palette.setColor(QPalette::Text, Qt::black);
    m_document->documentLayout()->draw(&painter, context);
    painter.restore();
    return count;
}

int PaintRichText(QPainter &painter, const TWPRTFTextPaint &document, const QPointF &topLeft,
                  double width, double height, int firstLine, int zoomPercent,
                  TWPPaintTarget target)
{
    if (width <= 0 || height <= 0)
        return 0;
    const TWPRichTextLayout layout(document, UnzoomedWidth(width, zoomPercent),
                                   UnzoomedWidth(height, zoomPercent), firstLine);
    return layout.Paint(painter, topLeft, height, firstLine, zoomPercent, target);
}

#include "RichTextPainter.moc"
