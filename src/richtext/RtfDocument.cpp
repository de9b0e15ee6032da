#include "RtfDocument.h"

#include "DibEncoder.h"
#include "RtfReader.h"
#include "RtfWriter.h"

#include <QPixmap>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <limits>

namespace {

constexpr int maxFontNameLength = 31;
// Twips per pixel at the 96 pixels per inch a picture's goal size assumes.
constexpr int twipsPerPixel = 1440 / 96;
// Display size of a metafile without a goal size: \picw and \pich are in
// hundredths of a millimetre.
constexpr double himetricPerInch = 2540.0;

QList<TWPFont> DefaultFonts()
{
    return {TWPFont{QStringLiteral("Arial"), 0, 0x20}};
}

// Empties document without recording the change for undo.
void ClearDocument(QTextDocument &document)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    document.setUndoRedoEnabled(undo);
}

// A name for a picture resource that no file or web address can take.
QUrl NewPictureUrl()
{
    static std::atomic<quint64> counter{0};
    return QUrl(QStringLiteral("dwpicture:%1").arg(++counter));
}

QImage ImageOfResource(const QVariant &resource)
{
    if (resource.typeId() == QMetaType::QImage)
        return resource.value<QImage>();
    if (resource.typeId() == QMetaType::QPixmap)
        return resource.value<QPixmap>().toImage();
    return {};
}

int IntProperty(const QTextFormat &format, int property, int fallback)
{
    return format.hasProperty(property) ? format.intProperty(property) : fallback;
}

// Takes the runs of block into paragraph, at most room characters of them;
// how many were taken. Pictures are shared with the source, not copied.
qsizetype CaptureRuns(const QTextBlock &block, TDocumentContent &content,
                      TDocumentContent::TParagraph &paragraph, qsizetype room)
{
    const QTextDocument &source = *block.document();
    qsizetype taken = 0;
    for (auto it = block.begin(); !it.atEnd() && taken < room; ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        if (format.isImageFormat()) {
            const QUrl url(format.toImageFormat().name());
            const QVariant resource = source.resource(QTextDocument::ImageResource, url);
            if (resource.isValid())
                content.Pictures.append({url, resource});
        }
        QString text = fragment.text();
        qsizetype keep = std::min<qsizetype>(text.size(), room - taken);
        if (keep < text.size() && keep > 0 && text[keep - 1].isHighSurrogate())
            --keep; // never half a pair
        text.truncate(keep);
        paragraph.Runs.append({std::move(text), format});
        taken += std::max<qsizetype>(keep, 1); // an empty cut still ends the copy
    }
    return taken;
}

} // namespace

TDocumentContent DocumentContent(const QTextDocument &source, qsizetype characters)
{
    TDocumentContent content;
    content.DefaultFont = source.defaultFont();
    content.TextOption = source.defaultTextOption();
    content.Margin = source.documentMargin();
    content.IndentWidth = source.indentWidth();
    content.PageSize = source.pageSize();
    content.RootFrame = source.rootFrame()->frameFormat();
    qsizetype room = characters;
    for (QTextBlock block = source.begin(); block.isValid() && room > 0; block = block.next()) {
        if (block != source.begin())
            --room; // the paragraph separator
        TDocumentContent::TParagraph paragraph{block.blockFormat(), block.charFormat(), {}};
        room -= CaptureRuns(block, content, paragraph, room);
        content.Paragraphs.append(std::move(paragraph));
    }
    return content;
}

void PutDocumentContent(const TDocumentContent &content, QTextDocument &target)
{
    const bool undo = target.isUndoRedoEnabled();
    target.setUndoRedoEnabled(false);
    target.clear();
    target.setDefaultFont(content.DefaultFont);
    target.setDefaultTextOption(content.TextOption);
    target.setDocumentMargin(content.Margin);
    target.setIndentWidth(content.IndentWidth);
    target.setPageSize(content.PageSize);
    target.rootFrame()->setFrameFormat(content.RootFrame);
    for (const auto &[url, picture] : content.Pictures)
        target.addResource(QTextDocument::ImageResource, url, picture);

    QTextCursor out(&target);
    // Inside an edit block the cursor does not place itself in the laid-out
    // paragraph after every run.
    out.beginEditBlock();
    bool first = true;
    for (const TDocumentContent::TParagraph &paragraph : content.Paragraphs) {
        if (std::exchange(first, false)) {
            out.setBlockFormat(paragraph.BlockFormat);
            out.setBlockCharFormat(paragraph.CharFormat);
        } else {
            out.insertBlock(paragraph.BlockFormat, paragraph.CharFormat);
        }
        for (const TDocumentContent::TRun &run : paragraph.Runs)
            out.insertText(run.Text, run.Format);
    }
    out.endEditBlock();
    target.setUndoRedoEnabled(undo);
}

void CopyDocument(const QTextDocument &source, QTextDocument &target, qsizetype characters)
{
    PutDocumentContent(DocumentContent(source, characters), target);
}

TWPPicture TWPPicture::FromImage(const QImage &image)
{
    TWPPicture picture;
    picture.Kind = TWPPictureKind::Dib;
    if (image.isNull())
        return picture;

    const TDibDepth depth = DibDepthOf(image);
    const bool alpha = depth == TDibDepth::Argb32;
    picture.Data = EncodeDib(image, depth);
    picture.Image = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    picture.Width = image.width();
    picture.Height = image.height();
    picture.GoalWidth = picture.Width * twipsPerPixel;
    picture.GoalHeight = picture.Height * twipsPerPixel;
    picture.BitsPixel = alpha ? 32 : 24;
    picture.Planes = 1;
    picture.WidthBytes = int((qsizetype(picture.Width) * picture.BitsPixel + 7) / 8);
    return picture;
}

void InsertPicture(QTextCursor &cursor, const TWPPicture &picture)
{
    QTextDocument *document = cursor.document();
    if (!document)
        return;
    const QUrl url = NewPictureUrl();
    document->addResource(QTextDocument::ImageResource, url, QVariant::fromValue(picture.Image));

    QTextImageFormat format;
    format.setName(url.toString());
    double width = picture.Width;
    double height = picture.Height;
    if (picture.GoalWidth > 0 && picture.GoalHeight > 0) {
        width = double(picture.GoalWidth) / twipsPerPixel;
        height = double(picture.GoalHeight) / twipsPerPixel;
    } else if (picture.Kind == TWPPictureKind::Metafile) {
        width = picture.Width * 96.0 / himetricPerInch;
        height = picture.Height * 96.0 / himetricPerInch;
    }
    if (width > 0 && height > 0) {
        format.setWidth(width);
        format.setHeight(height);
    }
    format.setProperty(PictureKindProperty, int(picture.Kind));
    format.setProperty(PictureDataProperty, picture.Data);
    format.setProperty(PictureWidthProperty, picture.Width);
    format.setProperty(PictureHeightProperty, picture.Height);
    format.setProperty(PictureGoalWidthProperty, picture.GoalWidth);
    format.setProperty(PictureGoalHeightProperty, picture.GoalHeight);
    format.setProperty(PictureBitsPixelProperty, picture.BitsPixel);
    format.setProperty(PicturePlanesProperty, picture.Planes);
    format.setProperty(PictureWidthBytesProperty, picture.WidthBytes);
    if (!picture.FileName.isEmpty())
        format.setProperty(PictureFileProperty, picture.FileName);
    cursor.insertImage(format);
}

TWPPicture PictureOf(const QTextDocument &document, const QTextImageFormat &format)
{
    const QImage image =
        ImageOfResource(document.resource(QTextDocument::ImageResource, QUrl(format.name())));
    if (!format.hasProperty(PictureKindProperty)) {
        // An image that did not come from RTF or InsertPicture: it is written
        // as a device-independent bitmap of its pixels.
        TWPPicture picture = TWPPicture::FromImage(image);
        if (format.width() > 0 && format.height() > 0) {
            picture.GoalWidth = int(format.width() * twipsPerPixel);
            picture.GoalHeight = int(format.height() * twipsPerPixel);
        }
        return picture;
    }
    TWPPicture picture;
    const int kind = format.intProperty(PictureKindProperty);
    picture.Kind = kind >= 0 && kind <= int(TWPPictureKind::FileReference) ? TWPPictureKind(kind)
                                                                           : TWPPictureKind::Dib;
    picture.Data = format.property(PictureDataProperty).toByteArray();
    picture.Image = image;
    picture.Width = IntProperty(format, PictureWidthProperty, 0);
    picture.Height = IntProperty(format, PictureHeightProperty, 0);
    picture.GoalWidth = IntProperty(format, PictureGoalWidthProperty, 0);
    picture.GoalHeight = IntProperty(format, PictureGoalHeightProperty, 0);
    picture.BitsPixel = IntProperty(format, PictureBitsPixelProperty, 0);
    picture.Planes = IntProperty(format, PicturePlanesProperty, 1);
    picture.WidthBytes = IntProperty(format, PictureWidthBytesProperty, 0);
    picture.FileName = format.stringProperty(PictureFileProperty);
    return picture;
}

TWPRTFTextPaint::TWPRTFTextPaint() : m_fonts(DefaultFonts()), m_palette(DefaultPalette()) {}

TWPRTFTextPaint::TWPRTFTextPaint(const TWPRTFTextPaint &other) : TWPRTFTextPaint()
{
    Assign(other);
}

TWPRTFTextPaint &TWPRTFTextPaint::operator=(const TWPRTFTextPaint &other)
{
    Assign(other);
    return *this;
}

TWPRTFTextPaint::~TWPRTFTextPaint() = default;

QTextDocument &TWPRTFTextPaint::Made() const
{
    if (!m_document)
        m_document = std::make_unique<QTextDocument>();
    return *m_document;
}

bool TWPRTFTextPaint::IsEmpty() const
{
    // characterCount includes the closing paragraph separator.
    return !m_document || (m_document->blockCount() == 1 && m_document->characterCount() <= 1);
}

void TWPRTFTextPaint::Assign(const TWPRTFTextPaint &source)
{
    if (&source != this)
        SetContent(source.Content());
}

TWPRTFTextPaint::TContent TWPRTFTextPaint::Content() const
{
    TContent content;
    if (m_document)
        content.Text = DocumentContent(*m_document);
    content.Fonts = m_fonts;
    content.Palette = m_palette;
    content.PageWidth = PageWidth;
    content.PageHeight = PageHeight;
    content.MarginLeft = MarginLeft;
    content.MarginRight = MarginRight;
    content.MarginTop = MarginTop;
    content.MarginBottom = MarginBottom;
    content.Title = Title;
    content.Subject = Subject;
    content.Comment = Comment;
    return content;
}

void TWPRTFTextPaint::SetContent(const TContent &content)
{
    if (content.Text)
        PutDocumentContent(*content.Text, Made());
    else if (m_document) // a source never written in is a new one
        PutDocumentContent(DocumentContent(QTextDocument()), *m_document);
    m_fonts = content.Fonts;
    m_palette = content.Palette;
    PageWidth = content.PageWidth;
    PageHeight = content.PageHeight;
    MarginLeft = content.MarginLeft;
    MarginRight = content.MarginRight;
    MarginTop = content.MarginTop;
    MarginBottom = content.MarginBottom;
    Title = content.Title;
    Subject = content.Subject;
    Comment = content.Comment;
}

void TWPRTFTextPaint::Clear()
{
    if (m_document)
        ClearDocument(*m_document);
    m_fonts = DefaultFonts();
    m_palette = DefaultPalette();
    PageWidth = 12240;
    PageHeight = 15840;
    MarginLeft = 1880;
    MarginRight = 1880;
    MarginTop = 1440;
    MarginBottom = 1440;
    Title.clear();
    Subject.clear();
    Comment.clear();
}

void TWPRTFTextPaint::SetFonts(const QList<TWPFont> &fonts)
{
    m_fonts = fonts.isEmpty() ? DefaultFonts() : fonts;
}

int TWPRTFTextPaint::FontIndex(const QString &name)
{
    const QString face = name.left(maxFontNameLength);
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        if (m_fonts[i].Name.left(maxFontNameLength).compare(face, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    m_fonts.append(TWPFont{face, 0, 0});
    return int(m_fonts.size() - 1);
}

void TWPRTFTextPaint::SetPaletteColor(int index, TColor color)
{
    if (index < 0 || index >= int(m_palette.size()) || m_palette[size_t(index)] == color)
        return;
    m_palette[size_t(index)] = color;
    if (!m_document)
        return;
    // Runs of that colour number show the new colour. The ranges are
    // gathered first: changing formats splits and merges fragments.
    const QColor shown = ToQColor(color);
    struct Change
    {
        int start;
        int end;
        QTextCharFormat format;
    };
    QList<Change> changes;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.hasProperty(ColorByteProperty) || format.isImageFormat())
                continue;
            const int colorByte = format.intProperty(ColorByteProperty);
            QTextCharFormat change;
            if ((colorByte & 0x0F) == index)
                change.setForeground(shown);
            if (((colorByte >> 4) & 0x0F) == index && index != 0)
                change.setBackground(shown);
            if (!change.properties().isEmpty())
                changes.append(
                    {fragment.position(), fragment.position() + fragment.length(), change});
        }
    }
    QTextCursor cursor(m_document.get());
    for (const Change &change : changes) {
        cursor.setPosition(change.start);
        cursor.setPosition(change.end, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(change.format);
    }
}

const std::array<TColor, 16> &TWPRTFTextPaint::DefaultPalette()
{
    static const std::array<TColor, 16> palette = {
        clBlack, clRed,  clGreen, clBlue, clYellow, clFuchsia, clPurple, clMaroon,
        clLime,  clAqua, clTeal,  clNavy, clWhite,  clSilver,  clGray,   clWhite,
    };
    return palette;
}

void TWPRTFTextPaint::SetPageSizeTwips(int width, int height)
{
    PageWidth = width;
    PageHeight = height;
    MarginLeft = 0;
    MarginRight = 0;
    MarginTop = 0;
    MarginBottom = 0;
}

QByteArray TWPRTFTextPaint::SaveData() const
{
    if (IsEmpty())
        return {};
    return RtfBytes(*this);
}

bool TWPRTFTextPaint::LoadData(const QByteArray &rtf, QString *error, TPictureBudget *budget)
{
    return ReadRtf(rtf, *this, error, budget);
}

Qt::Alignment ToQtAlignment(TWPAlignment alignment)
{
    switch (alignment) {
    case TWPAlignment::Right:
        return Qt::AlignRight;
    case TWPAlignment::Center:
        return Qt::AlignHCenter;
    case TWPAlignment::Justify:
        return Qt::AlignJustify;
    case TWPAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

TWPAlignment AlignmentOf(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return TWPAlignment::Right;
    if (alignment & Qt::AlignHCenter)
        return TWPAlignment::Center;
    if (alignment & Qt::AlignJustify)
        return TWPAlignment::Justify;
    return TWPAlignment::Left;
}

int NearestPaletteIndex(const std::array<TColor, 16> &palette, TColor wanted)
{
    const TColor target = ResolveColor(wanted);
    auto distance = [target](TColor color) {
        int sum = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            const int d = int((color >> shift) & 0xFF) - int((target >> shift) & 0xFF);
            sum += d * d;
        }
        return sum;
    };
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < int(palette.size()); ++i) {
        const int d = distance(ResolveColor(palette[size_t(i)]));
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}
