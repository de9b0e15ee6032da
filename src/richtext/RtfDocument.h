#pragma once

#include "Color.h"

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QTextFormat>
#include <QTextOption>
#include <QUrl>
#include <QVariant>

#include <array>
#include <limits>
#include <memory>
#include <optional>
#include <utility>

class QTextCursor;
class TPictureBudget;
class QTextDocument;

// One entry of a document's font list: the face, its character set and its
// pitch-and-family byte (high nibble 0x20 swiss, 0x30 modern, 0x40 script,
// 0x50 decorative; anything else is written as nil).
struct TWPFont
{
    QString Name;
    int Charset = 0;
    int PitchAndFamily = 0;

    friend bool operator==(const TWPFont &, const TWPFont &) = default;
};

// Paragraph alignment, numbered as the engine numbers it.
enum class TWPAlignment { Left = 0, Right = 1, Center = 2, Justify = 3 };
Qt::Alignment ToQtAlignment(TWPAlignment alignment);
// The engine's alignment of a paragraph Qt aligns so; left for anything else.
TWPAlignment AlignmentOf(Qt::Alignment alignment);

// The properties the engine keeps on Qt's text formats beyond Qt's own, so a
// document read from RTF writes back to the same bytes.
enum TWPFormatProperty : int {
    // Character formats.
    FontIndexProperty = QTextFormat::UserProperty + 1, // int, index into Fonts()
    ColorByteProperty,       // int: low nibble text colour, high nibble background
    HiddenProperty,          // bool, \v
    DoubleUnderlineProperty, // bool, \uldb
    ShadowProperty,          // bool, \shad
    ProtectedProperty,       // bool, \wprtf1
    InsertPointProperty,     // int, \inspnt N (absent when not set)
    AutoTextProperty,        // bool, \inaut
    // Image formats of embedded pictures.
    PictureKindProperty,       // int, TWPPictureKind
    PictureDataProperty,       // QByteArray, the bytes the RTF carries
    PictureWidthProperty,      // int, \picw
    PictureHeightProperty,     // int, \pich
    PictureGoalWidthProperty,  // int, \picwgoal (display size)
    PictureGoalHeightProperty, // int, \pichgoal
    PictureBitsPixelProperty,  // int, \wbmbitspixel
    PicturePlanesProperty,     // int, \wbmplanes
    PictureWidthBytesProperty, // int, \wbmwidthbytes
    PictureFileProperty,       // QString, \picfile name
    // Block formats.
    PageBreakProperty, // bool, the paragraph starts a new page
};

enum class TWPPictureKind { Dib = 0, Bitmap = 1, Metafile = 2, FileReference = 3 };

// The index of the palette entry closest to wanted (red, green and blue
// distance; system colours resolved), the first of equally close ones.
int NearestPaletteIndex(const std::array<TColor, 16> &palette, TColor wanted);

// A picture embedded in a document, as the RTF carries it: Data holds the DIB
// without its 14-byte file header, the raw bitmap rows, or the metafile
// without its 22-byte placeable header. Image is what is painted; it is empty
// for a metafile, which is played from Data into the picture's rectangle (one
// that cannot be read paints as an empty frame).
struct TWPPicture
{
    TWPPictureKind Kind = TWPPictureKind::Dib;
    QByteArray Data;
    QImage Image;
    int Width = 0;
    int Height = 0;
    int GoalWidth = 0;
    int GoalHeight = 0;
    int BitsPixel = 0;
    int Planes = 1;
    int WidthBytes = 0;
    QString FileName;

    // A device-independent bitmap holding image (an icon dropped into a cell).
    static TWPPicture FromImage(const QImage &image);
};

// Inserts picture at the cursor as one embedded object.
void InsertPicture(QTextCursor &cursor, const TWPPicture &picture);
// The picture of an image format inserted by InsertPicture or the reader.
TWPPicture PictureOf(const QTextDocument &document, const QTextImageFormat &format);

// A document's content as plain values, apart from any QTextDocument: its
// settings, its paragraphs with their formats and runs, and its pictures,
// shared rather than copied. Taken on one thread, it can be put into
// documents on others, where the QTextDocument it came from may not be
// touched.
struct TDocumentContent
{
    struct TRun
    {
        QString Text;
        QTextCharFormat Format;
    };
    struct TParagraph
    {
        QTextBlockFormat BlockFormat;
        QTextCharFormat CharFormat;
        QList<TRun> Runs;
    };

    QFont DefaultFont;
    QTextOption TextOption;
    qreal Margin = 0;
    qreal IndentWidth = 0;
    QSizeF PageSize;
    QTextFrameFormat RootFrame;
    QList<TParagraph> Paragraphs;
    QList<std::pair<QUrl, QVariant>> Pictures;
};

// The content of source, up to the first characters of it (paragraph ends
// counted); the rest is left out.
TDocumentContent DocumentContent(const QTextDocument &source,
                                 qsizetype characters = std::numeric_limits<qsizetype>::max());
// Replaces target's content with content. The QTextDocument object itself
// stays, so an editor showing it keeps showing it.
void PutDocumentContent(const TDocumentContent &content, QTextDocument &target);
// Replaces target's content with that of source, up to the first characters
// of it.
void CopyDocument(const QTextDocument &source, QTextDocument &target,
                  qsizetype characters = std::numeric_limits<qsizetype>::max());

// A rich-text document: paragraphs of character runs on a QTextDocument, with
// the font list and 16-colour palette that runs refer to by number, the page
// size and margins in twips, and title, subject and comment. Copying copies
// the whole document.
class TWPRTFTextPaint
{
public:
    TWPRTFTextPaint();
    TWPRTFTextPaint(const TWPRTFTextPaint &other);
    TWPRTFTextPaint &operator=(const TWPRTFTextPaint &other);
    ~TWPRTFTextPaint();

    // Made when first asked for: a page holds dozens of cells, most of them
    // never written in.
    QTextDocument &Document() { return Made(); }
    const QTextDocument &Document() const { return Made(); }

    // True when the document has one paragraph holding no characters.
    bool IsEmpty() const;
    // Replaces everything with a copy of source.
    void Assign(const TWPRTFTextPaint &source);

    // Everything the document holds as values (see TDocumentContent), to be
    // put into a document on another thread with SetContent.
    struct TContent
    {
        std::optional<TDocumentContent> Text; // none when never written in
        QList<TWPFont> Fonts;
        std::array<TColor, 16> Palette{};
        int PageWidth = 0;
        int PageHeight = 0;
        int MarginLeft = 0;
        int MarginRight = 0;
        int MarginTop = 0;
        int MarginBottom = 0;
        QString Title;
        QString Subject;
        QString Comment;
    };
    TContent Content() const;
    // Replaces everything with content, as Assign does.
    void SetContent(const TContent &content);
    // Back to one empty paragraph, the default font list, palette and page.
    void Clear();

    const QList<TWPFont> &Fonts() const { return m_fonts; }
    void SetFonts(const QList<TWPFont> &fonts);
    // The index of the font whose face equals name cut to 31 characters
    // (letter case ignored), added to the list when missing.
    int FontIndex(const QString &name);

    // The palette the colour numbers of runs refer to.
    const std::array<TColor, 16> &Palette() const { return m_palette; }
    void SetPaletteColor(int index, TColor color);
    static const std::array<TColor, 16> &DefaultPalette();

    // Page size and margins in twips (1/1440 inch).
    int PageWidth = 12240;
    int PageHeight = 15840;
    int MarginLeft = 1880;
    int MarginRight = 1880;
    int MarginTop = 1440;
    int MarginBottom = 1440;
    // Sets the page to width x height twips with all four margins 0.
    void SetPageSizeTwips(int width, int height);

    QString Title;
    QString Subject;
    QString Comment;

    // The persisted form: the document as RTF, empty for an empty document.
    QByteArray SaveData() const;
    // Reads RTF into the document; false with *error set when the input is
    // not RTF (the text read so far stays). Pictures are decoded within
    // budget, one of their own when none is given (see ReadRtf).
    bool LoadData(const QByteArray &rtf, QString *error = nullptr,
                  TPictureBudget *budget = nullptr);

private:
    QTextDocument &Made() const;

    mutable std::unique_ptr<QTextDocument> m_document;
    QList<TWPFont> m_fonts;
    std::array<TColor, 16> m_palette;
};
