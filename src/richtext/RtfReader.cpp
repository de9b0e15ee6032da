#include "RtfReader.h"

#include "RtfDocument.h"
#include "Windows1252.h"

#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <limits>

namespace {

constexpr int defaultHalfPoints = 24; // RTF's default size, 12 points
constexpr int maxHalfPoints = 3276;   // 1638 points
constexpr int maxControlWordLength = 32;
constexpr int paletteSize = 16;
// What the writer of this engine puts first; documents that start otherwise
// are foreign and their final \par is the last paragraph's end mark.
constexpr QByteArrayView ownHeader = "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl";

enum class Dest {
    Normal,
    Skip,
    FontTable,
    ColorTable,
    Info,
    Title,
    Subject,
    Comment,
    Picture,
    PicFile,
};

struct CharState
{
    // The numbers the text gives; they are resolved against the font and
    // colour tables when the run is stored.
    int font = -1; // -1: the default font (\deff)
    int halfPoints = defaultHalfPoints;
    int foreground = 0;
    int background = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool doubleUnderline = false;
    bool superscript = false;
    bool subscript = false;
    bool strike = false;
    bool shadow = false;
    bool hidden = false;
    bool protect = false;
    bool autoText = false;
    int insertPoint = -1; // none

    friend bool operator==(const CharState &, const CharState &) = default;
};

struct GroupState
{
    Dest dest = Dest::Normal;
    CharState chars;
    TWPAlignment alignment = TWPAlignment::Left;
    int unicodeSkip = 1;
};

enum class PictureType { None, Dib, Bitmap, Metafile, Png, Jpeg };

struct PictureState
{
    PictureType type = PictureType::None;
    int width = 0;
    int height = 0;
    int goalWidth = 0;
    int goalHeight = 0;
    int scaleX = 100;
    int scaleY = 100;
    int bitsPixel = 0;
    int planes = 1;
    int widthBytes = 0;
    QByteArray data;
    int nibble = -1; // a first hex digit waiting for its second
};

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

quint32 Le32(const QByteArray &bytes, qsizetype at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | uchar(bytes[at + i]);
    return value;
}

quint16 Le16(const QByteArray &bytes, qsizetype at)
{
    return quint16(uchar(bytes[at]) | (uchar(bytes[at + 1]) << 8));
}

// The image of a DIB without its file header: a BMP file header is put in
// front and Qt's BMP reader decodes it. Sizes are checked first so that a
// corrupt header never makes the decoder allocate more than the data can fill.
QImage DecodeDib(const QByteArray &dib)
{
    constexpr qint64 maxSide = 16384;
    constexpr qint64 maxCompressedPixels = qint64(4) * 1024 * 1024;
    if (dib.size() < 12)
        return {};
    const quint32 headerSize = Le32(dib, 0);
    if (headerSize < 12 || headerSize > quint32(dib.size()))
        return {};
    qint64 width = 0;
    qint64 height = 0;
    int bits = 0;
    quint32 compression = 0;
    quint32 colorsUsed = 0;
    int entrySize = 4;
    if (headerSize == 12) {
        width = Le16(dib, 4);
        height = Le16(dib, 6);
        bits = Le16(dib, 10);
        entrySize = 3;
    } else {
        if (headerSize < 40)
            return {};
        width = qint32(Le32(dib, 4));
        height = qint32(Le32(dib, 8));
        bits = Le16(dib, 14);
        compression = Le32(dib, 16);
        colorsUsed = Le32(dib, 32);
    }
    const qint64 rows = height < 0 ? -height : height;
    if (width <= 0 || rows <= 0 || width > maxSide || rows > maxSide)
        return {};
    qint64 colors = 0;
    if (bits >= 1 && bits <= 8)
        colors = colorsUsed != 0 ? std::min<qint64>(colorsUsed, 1 << bits) : 1 << bits;
    else if (colorsUsed != 0 && colorsUsed <= 256)
        colors = colorsUsed;
    const qint64 masks = (compression == 3 && headerSize == 40) ? 12 : 0;
    const qint64 pixelsAt = qint64(headerSize) + masks + colors * entrySize;
    if (pixelsAt > dib.size())
        return {};
    if (compression == 0 || compression == 3) {
        const qint64 stride = ((width * bits + 31) / 32) * 4;
        if (bits <= 0 || stride * rows > dib.size() - pixelsAt)
            return {};
    } else if (width * rows > maxCompressedPixels) {
        return {};
    }

    QByteArray file("BM");
    const quint32 fileSize = quint32(14 + dib.size());
    const quint32 offset = quint32(14 + pixelsAt);
    for (quint32 value : {fileSize, quint32(0), offset})
        for (int shift = 0; shift < 32; shift += 8)
            file.append(char((value >> shift) & 0xFF));
    file.append(dib);
    QImage image;
    if (!image.loadFromData(file, "BMP"))
        return {};

    // A 32-bit DIB without bit fields keeps alpha in its fourth bytes, which
    // Qt's reader drops: use them when any is set.
    if (bits == 32 && compression == 0) {
        const qint64 stride = width * 4;
        bool anyAlpha = false;
        for (qint64 i = 0; i < stride * rows && !anyAlpha; i += 4)
            anyAlpha = dib[pixelsAt + i + 3] != 0;
        if (anyAlpha) {
            image = image.convertToFormat(QImage::Format_ARGB32);
            for (qint64 row = 0; row < rows; ++row) {
                const qint64 y = height > 0 ? rows - 1 - row : row;
                auto *line = reinterpret_cast<QRgb *>(image.scanLine(int(y)));
                for (qint64 x = 0; x < width; ++x) {
                    const int alpha = uchar(dib[pixelsAt + row * stride + x * 4 + 3]);
                    line[x] = qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]), alpha);
                }
            }
        }
    }
    return image;
}

// The raw rows of a device-dependent bitmap (\wbitmap), top-down: 1, 24 and
// 32 bits per pixel in one plane are shown, other forms stay unpainted.
QImage DecodeBitmap(const QByteArray &rows, int width, int height, int bits, int planes,
                    int widthBytes)
{
    constexpr qint64 maxSide = 16384;
    if (planes != 1 || width <= 0 || height <= 0 || width > maxSide || height > maxSide)
        return {};
    if (bits != 1 && bits != 24 && bits != 32)
        return {};
    const qint64 minimumStride = (qint64(width) * bits + 7) / 8;
    if (widthBytes < minimumStride || qint64(widthBytes) * height > rows.size())
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const auto *line =
            reinterpret_cast<const uchar *>(rows.constData()) + qint64(y) * widthBytes;
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (bits == 1) {
                const bool set = (line[x / 8] >> (7 - x % 8)) & 1;
                out[x] = set ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            } else {
                const uchar *pixel = line + qint64(x) * (bits / 8);
                out[x] = qRgb(pixel[2], pixel[1], pixel[0]);
            }
        }
    }
    return image;
}

QColor PaletteColor(const std::array<TColor, 16> &palette, int index)
{
    return ToQColor(palette[size_t(std::clamp(index, 0, paletteSize - 1))]);
}

class Reader
{
public:
    Reader(QByteArrayView input, TWPRTFTextPaint &document)
        : m_in(input), m_document(document), m_cursor(&document.Document()),
          m_fonts(document.Fonts()), m_palette(document.Palette())
    {}

    bool Run(QString *error)
    {
        qsizetype start = 0;
        while (start < m_in.size() && (m_in[start] == ' ' || m_in[start] == '\t' ||
                                       m_in[start] == '\r' || m_in[start] == '\n'))
            ++start;
        if (start == m_in.size())
            return true; // nothing: the empty document
        if (!m_in.sliced(start).startsWith("{\\rtf"))
            return Fail(error, QStringLiteral("Not RTF: the text does not start with {\\rtf."));
        m_ownForm = m_in.sliced(start).startsWith(ownHeader);
        m_pos = start;
        const bool ok = Parse(error);
        Finish();
        return ok;
    }

private:
    static bool Fail(QString *error, const QString &message)
    {
        if (error)
            *error = message;
        return false;
    }

    // -- Tokenizer --------------------------------------------------------

    bool Parse(QString *error)
    {
        while (m_pos < m_in.size()) {
            const char c = m_in[m_pos++];
            switch (c) {
            case '{':
                if (m_stack.size() >= RtfMaxGroupDepth)
                    return Fail(error, QStringLiteral("RTF groups are nested more than %1 deep.")
                                           .arg(RtfMaxGroupDepth));
                PushGroup();
                break;
            case '}':
                if (m_stack.isEmpty())
                    break; // a stray closing brace before the first group
                PopGroup();
                if (m_stack.isEmpty())
                    return true; // the outermost group is closed: the document ends
                break;
            case '\\':
                ControlSequence();
                break;
            case '\r':
            case '\n':
                break;
            default:
                if (m_stack.isEmpty())
                    break;
                m_star = false;
                if (m_skipCharacters > 0) {
                    --m_skipCharacters;
                    break;
                }
                RawByte(c);
                break;
            }
        }
        if (!m_stack.isEmpty())
            return Fail(error, QStringLiteral("The RTF text ends before its last group is "
                                              "closed (%1 open): it is truncated.")
                                   .arg(m_stack.size()));
        return true;
    }

    void ControlSequence()
    {
        if (m_pos >= m_in.size())
            return;
        const char c = m_in[m_pos];
        if (!IsLetter(c)) {
            ++m_pos;
            ControlSymbol(c);
            return;
        }
        const qsizetype wordStart = m_pos;
        while (m_pos < m_in.size() && IsLetter(m_in[m_pos]))
            ++m_pos;
        // An over-long word is no word RTF knows; it is read and ignored.
        const QByteArrayView word = m_in.sliced(wordStart, m_pos - wordStart);
        bool hasParameter = false;
        qint64 parameter = 0;
        bool negative = false;
        if (m_pos < m_in.size() && m_in[m_pos] == '-' && m_pos + 1 < m_in.size() &&
            IsDigit(m_in[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        while (m_pos < m_in.size() && IsDigit(m_in[m_pos])) {
            hasParameter = true;
            if (parameter <= qint64(std::numeric_limits<int>::max()) + 1)
                parameter = parameter * 10 + (m_in[m_pos] - '0');
            ++m_pos;
        }
        if (negative)
            parameter = -parameter;
        const int value = int(std::clamp<qint64>(parameter, std::numeric_limits<int>::min(),
                                                 std::numeric_limits<int>::max()));
        if (m_pos < m_in.size() && m_in[m_pos] == ' ')
            ++m_pos; // the delimiting space belongs to the word
        if (m_stack.isEmpty())
            return;
        if (word == "bin") {
            Binary(hasParameter ? value : 0);
            return;
        }
        if (m_skipCharacters > 0) {
            --m_skipCharacters;
            return;
        }
        if (word.size() > maxControlWordLength) {
            m_star = false;
            return;
        }
        ControlWord(word, hasParameter, value);
    }

    void ControlSymbol(char c)
    {
        if (m_stack.isEmpty())
            return;
        if (c == '\'') {
            int value = 0;
            int digits = 0;
            while (digits < 2 && m_pos < m_in.size() && HexValue(m_in[m_pos]) >= 0) {
                value = value * 16 + HexValue(m_in[m_pos]);
                ++m_pos;
                ++digits;
            }
            if (m_skipCharacters > 0) {
                --m_skipCharacters;
                return;
            }
            if (digits > 0) {
                const char byte = char(value);
                Character(FromWindows1252(QByteArrayView(&byte, 1)).at(0).unicode());
            }
            return;
        }
        if (c == '*') {
            m_star = true;
            return;
        }
        if (m_skipCharacters > 0) {
            --m_skipCharacters;
            return;
        }
        switch (c) {
        case '\\':
        case '{':
        case '}':
            Character(char16_t(c));
            break;
        case '~':
            Character(u'\u00A0');
            break;
        case '_':
            Character(u'\u2011');
            break;
        case '\r':
        case '\n':
            ParagraphEnd();
            break;
        case '\t':
            Character(u'\t');
            break;
        default: // \- optional hyphen, \| \: and unknown symbols
            break;
        }
    }

    void Binary(int count)
    {
        const qsizetype length = std::clamp<qsizetype>(count, 0, m_in.size() - m_pos);
        if (Current().dest == Dest::Picture) {
            m_picture.data.append(m_in.sliced(m_pos, length).toByteArray());
            m_picture.nibble = -1;
        }
        m_pos += length;
    }

    // -- Groups -----------------------------------------------------------

    GroupState &Current() { return m_stack.last(); }

    void PushGroup()
    {
        m_star = false;
        m_skipCharacters = 0;
        GroupState state = m_stack.isEmpty() ? GroupState{} : m_stack.last();
        if (state.dest == Dest::Picture || state.dest == Dest::PicFile)
            state.dest = Dest::Skip; // groups inside a picture carry no picture data
        m_stack.append(state);
    }

    void PopGroup()
    {
        m_star = false;
        m_skipCharacters = 0;
        const GroupState closed = m_stack.takeLast();
        const Dest outer = m_stack.isEmpty() ? Dest::Normal : m_stack.last().dest;
        if (closed.dest != outer || m_stack.isEmpty())
            EndDestination(closed.dest);
    }

    void StartDestination(Dest dest)
    {
        Current().dest = dest;
        m_destText.clear();
        switch (dest) {
        case Dest::FontTable:
            if (!m_fontTableSeen) {
                m_fontTableSeen = true;
                m_tableFonts.clear();
                m_fontNumbers.clear();
            }
            m_fontEntry = false;
            break;
        case Dest::ColorTable:
            m_colorTable.clear();
            ResetColorComponents();
            break;
        case Dest::Picture:
        case Dest::PicFile:
            m_picture = PictureState{};
            break;
        default:
            break;
        }
    }

    void EndDestination(Dest dest)
    {
        switch (dest) {
        case Dest::FontTable:
            EndFontEntry();
            if (!m_tableFonts.isEmpty())
                m_fonts = m_tableFonts;
            break;
        case Dest::ColorTable:
            ApplyColorTable();
            break;
        case Dest::Title:
            m_document.Title = m_destText;
            break;
        case Dest::Subject:
            m_document.Subject = WithoutLeadingTab(m_destText);
            break;
        case Dest::Comment:
            m_document.Comment = WithoutLeadingTab(m_destText);
            break;
        case Dest::Picture:
            EndPicture();
            break;
        case Dest::PicFile:
            EndPictureFile();
            break;
        default:
            break;
        }
        m_destText.clear();
    }

    static QString WithoutLeadingTab(const QString &text)
    {
        return text.startsWith(u'\t') ? text.mid(1) : text;
    }

    // -- Control words ----------------------------------------------------

    void ControlWord(QByteArrayView word, bool hasParameter, int value)
    {
        const bool star = m_star;
        m_star = false;
        GroupState &state = Current();
        if (state.dest == Dest::Skip)
            return;
        if (Destination(word))
            return;
        if (star) {
            // An ignorable destination this reader does not know.
            state.dest = Dest::Skip;
            return;
        }
        switch (state.dest) {
        case Dest::FontTable:
            FontTableWord(word, hasParameter, value);
            return;
        case Dest::ColorTable:
            if (word == "red")
                m_red = std::clamp(value, 0, 255);
            else if (word == "green")
                m_green = std::clamp(value, 0, 255);
            else if (word == "blue")
                m_blue = std::clamp(value, 0, 255);
            return;
        case Dest::Picture:
            PictureWord(word, value);
            return;
        case Dest::PicFile:
            if (!TextWord(word, value))
                PictureWord(word, value);
            return;
        case Dest::Normal:
            break;
        default: // title, subject, comment, info: only their text counts
            TextWord(word, value);
            return;
        }
        if (DocumentWord(word, value))
            return;
        if (ParagraphWord(word))
            return;
        CharacterWord(word, hasParameter, value);
    }

    // The words that stand for characters in the text of a destination;
    // true when word is one.
    bool TextWord(QByteArrayView word, int value)
    {
        if (word == "tab")
            Character(u'\t');
        else if (word == "line")
            Character(QChar::LineSeparator);
        else if (word == "u")
            Unicode(value);
        else if (word == "uc")
            Current().unicodeSkip = std::clamp(value, 0, 16);
        else if (word == "ldblquote")
            Character(u'\u201C');
        else if (word == "rdblquote")
            Character(u'\u201D');
        else
            return false;
        return true;
    }

    // Destination words; true when word is one.
    bool Destination(QByteArrayView word)
    {
        static const QList<QByteArrayView> skipped = {
            "stylesheet",
            "header",
            "headerf",
            "headerl",
            "headerr",
            "footer",
            "footerf",
            "footerl",
            "footerr",
            "footnote",
            "ftnsep",
            "ftnsepc",
            "ftncn",
            "aftnsep",
            "aftnsepc",
            "aftncn",
            "author",
            "operator",
            "keywords",
            "creatim",
            "revtim",
            "printim",
            "buptim",
            "private1",
            "rxe",
            "tc",
            "xe",
            "fldinst",
            "nonshppict",
            "objdata",
            "objclass",
            "listtable",
            "listoverridetable",
            "revtbl",
            "rsidtbl",
            "generator",
            "xmlnstbl",
            "themedata",
            "colorschememapping",
            "datastore",
            "latentstyles",
            "pgdsctbl",
            "wpfnnr",
            "txe",
            "bkmkstart",
            "bkmkend",
            "company",
            "category",
            "manager",
            "hlinkbase",
            "userprops",
            "docvar",
            "pntxta",
            "pntxtb",
            "mmathPr",
            "wgrffmtfilter",
        };
        const Dest current = Current().dest;
        if (word == "fonttbl") {
            StartDestination(Dest::FontTable);
        } else if (word == "colortbl") {
            StartDestination(Dest::ColorTable);
        } else if (word == "info") {
            StartDestination(Dest::Info);
        } else if (word == "title") {
            StartDestination(Dest::Title);
        } else if (word == "subject") {
            StartDestination(Dest::Subject);
        } else if (word == "comment" || word == "doccomm") {
            StartDestination(Dest::Comment);
        } else if (word == "pict") {
            if (current == Dest::Normal)
                StartDestination(Dest::Picture);
            else
                Current().dest = Dest::Skip;
        } else if (word == "picfile") {
            if (current == Dest::Normal)
                StartDestination(Dest::PicFile);
            else
                Current().dest = Dest::Skip;
        } else if (word == "shppict" || word == "field" || word == "fldrslt" || word == "result") {
            // Containers whose content is read as it stands.
        } else if (std::ranges::find(skipped, word) != skipped.end()) {
            Current().dest = Dest::Skip;
        } else {
            return false;
        }
        return true;
    }

    bool DocumentWord(QByteArrayView word, int value)
    {
        if (word == "paperw")
            m_document.PageWidth = value;
        else if (word == "paperh")
            m_document.PageHeight = value;
        else if (word == "margl")
            m_document.MarginLeft = value;
        else if (word == "margr")
            m_document.MarginRight = value;
        else if (word == "margt")
            m_document.MarginTop = value;
        else if (word == "margb")
            m_document.MarginBottom = value;
        else if (word == "deff")
            m_defaultFontNumber = value;
        else
            return false;
        return true;
    }

    bool ParagraphWord(QByteArrayView word)
    {
        GroupState &state = Current();
        if (word == "par" || word == "sect" || word == "row") {
            ParagraphEnd();
        } else if (word == "pard" || word == "ql") {
            state.alignment = TWPAlignment::Left;
            NoteParagraph();
        } else if (word == "qr") {
            state.alignment = TWPAlignment::Right;
            NoteParagraph();
        } else if (word == "qc") {
            state.alignment = TWPAlignment::Center;
            NoteParagraph();
        } else if (word == "qj") {
            state.alignment = TWPAlignment::Justify;
            NoteParagraph();
        } else if (word == "page") {
            if (m_paragraphHasContent)
                ParagraphEnd();
            m_pageBreak = true;
        } else {
            return false;
        }
        return true;
    }

    void CharacterWord(QByteArrayView word, bool hasParameter, int value)
    {
        GroupState &state = Current();
        CharState &chars = state.chars;
        const bool on = !hasParameter || value != 0;
        if (word == "plain") {
            chars = CharState{};
        } else if (word == "f") {
            chars.font = hasParameter ? value : -1;
        } else if (word == "fs") {
            chars.halfPoints =
                hasParameter ? std::clamp(value, 0, maxHalfPoints) : defaultHalfPoints;
        } else if (word == "b") {
            chars.bold = on;
        } else if (word == "i") {
            chars.italic = on;
        } else if (word == "ul") {
            chars.underline = on;
        } else if (word == "uldb") {
            chars.doubleUnderline = on;
        } else if (word == "ulnone") {
            chars.underline = false;
            chars.doubleUnderline = false;
        } else if (word == "strike") {
            chars.strike = on;
        } else if (word == "super") {
            chars.superscript = on;
            chars.subscript = false;
        } else if (word == "sub") {
            chars.subscript = on;
            chars.superscript = false;
        } else if (word == "nosupersub") {
            chars.superscript = false;
            chars.subscript = false;
        } else if (word == "v") {
            chars.hidden = on;
        } else if (word == "shad") {
            chars.shadow = on;
        } else if (word == "wprtf") {
            chars.protect = on;
        } else if (word == "inspnt") {
            chars.insertPoint = hasParameter ? std::max(value, 0) : 0;
        } else if (word == "inaut") {
            chars.autoText = on;
        } else if (word == "cf") {
            chars.foreground = value;
        } else if (word == "cb") {
            chars.background = value;
        } else if (word == "tab" || word == "cell") {
            Character(u'\t');
        } else if (word == "line") {
            Character(QChar::LineSeparator);
        } else if (word == "ldblquote") {
            Character(u'\u201C');
        } else if (word == "rdblquote") {
            Character(u'\u201D');
        } else if (word == "lquote") {
            Character(u'\u2018');
        } else if (word == "rquote") {
            Character(u'\u2019');
        } else if (word == "emdash") {
            Character(u'\u2014');
        } else if (word == "endash") {
            Character(u'\u2013');
        } else if (word == "bullet") {
            Character(u'\u2022');
        } else if (word == "u") {
            Unicode(value);
        } else if (word == "uc") {
            state.unicodeSkip = std::clamp(value, 0, 16);
        }
        // Every other word is ignored.
    }

    void Unicode(int value)
    {
        Character(char16_t(value & 0xFFFF));
        m_skipCharacters = Current().unicodeSkip;
    }

    // -- Font and colour tables ---------------------------------------------

    void FontTableWord(QByteArrayView word, bool hasParameter, int value)
    {
        if (word == "f") {
            EndFontEntry();
            m_fontEntry = true;
            m_fontNumber = hasParameter ? value : 0;
            m_font = TWPFont{};
            m_destText.clear();
        } else if (word == "fnil" || word == "ftech" || word == "fbidi") {
            m_font.PitchAndFamily = (m_font.PitchAndFamily & 0x0F);
        } else if (word == "froman") {
            m_font.PitchAndFamily = (m_font.PitchAndFamily & 0x0F) | 0x10;
        } else if (word == "fswiss" || word == "swiss") {
            m_font.PitchAndFamily = (m_font.PitchAndFamily & 0x0F) | 0x20;
        } else if (word == "fmodern") {
            m_font.PitchAndFamily = (m_font.PitchAndFamily & 0x0F) | 0x30;
        } else if (word == "fscript") {
            m_font.PitchAndFamily = (m_font.PitchAndFamily & 0x0F) | 0x40;
        } else if (word == "fdecor") {
            m_font.PitchAndFamily = (m_font.PitchAndFamily & 0x0F) | 0x50;
        } else if (word == "fprq") {
            m_font.PitchAndFamily = (m_font.PitchAndFamily & 0xF0) | (std::clamp(value, 0, 15));
        } else if (word == "fcharset" || word == "charset") {
            m_font.Charset = std::clamp(value, 0, 255);
        } else if (word == "u") {
            Unicode(value);
        }
    }

    void FontTableCharacter(char16_t c)
    {
        if (c == u';') {
            EndFontEntry();
            return;
        }
        if (m_fontEntry && c >= 0x20)
            m_destText.append(QChar(c));
    }

    void EndFontEntry()
    {
        if (!m_fontEntry)
            return;
        m_fontEntry = false;
        m_font.Name = m_destText.trimmed().left(31).trimmed();
        m_destText.clear();
        if (m_font.Name.isEmpty())
            return;
        if (!m_fontNumbers.contains(m_fontNumber)) {
            m_fontNumbers.insert(m_fontNumber, int(m_tableFonts.size()));
            m_tableFonts.append(m_font);
        }
    }

    int FontIndexOf(int number) const
    {
        if (m_fontNumbers.isEmpty())
            return 0;
        const auto found = m_fontNumbers.constFind(number < 0 ? m_defaultFontNumber : number);
        if (found != m_fontNumbers.constEnd())
            return found.value();
        return m_fontNumbers.value(m_defaultFontNumber, 0);
    }

    void ResetColorComponents() { m_red = m_green = m_blue = 0; }

    void ColorTableCharacter(char16_t c)
    {
        if (c != u';')
            return;
        // An entry without components is the automatic colour: black.
        m_colorTable.append(TColor(m_red) | (TColor(m_green) << 8) | (TColor(m_blue) << 16));
        ResetColorComponents();
    }

    void ApplyColorTable()
    {
        const qsizetype count = std::min<qsizetype>(m_colorTable.size(), paletteSize);
        for (qsizetype i = 0; i < count; ++i) {
            m_palette[size_t(i)] = m_colorTable[i];
            m_document.SetPaletteColor(int(i), m_colorTable[i]);
        }
    }

    // The palette entry a colour number of the text refers to: numbers past
    // the 16 entries take the nearest palette colour.
    int PaletteIndexOf(int number) const
    {
        if (number < 0)
            return 0;
        if (number < paletteSize)
            return number;
        if (number >= m_colorTable.size())
            return 0;
        const TColor wanted = m_colorTable[number];
        int best = 0;
        int bestDistance = std::numeric_limits<int>::max();
        for (int i = 0; i < paletteSize; ++i) {
            const TColor entry = ResolveColor(m_palette[size_t(i)]);
            int distance = 0;
            for (int shift = 0; shift < 24; shift += 8) {
                const int d = int((entry >> shift) & 0xFF) - int((wanted >> shift) & 0xFF);
                distance += d * d;
            }
            if (distance < bestDistance) {
                best = i;
                bestDistance = distance;
            }
        }
        return best;
    }

    // -- Pictures -----------------------------------------------------------

    void PictureWord(QByteArrayView word, int value)
    {
        PictureState &p = m_picture;
        if (word == "dibitmap")
            p.type = PictureType::Dib;
        else if (word == "wbitmap")
            p.type = PictureType::Bitmap;
        else if (word == "wmetafile")
            p.type = PictureType::Metafile;
        else if (word == "pngblip")
            p.type = PictureType::Png;
        else if (word == "jpegblip")
            p.type = PictureType::Jpeg;
        else if (word == "emfblip" || word == "macpict" || word == "pmmetafile")
            p.type = PictureType::None;
        else if (word == "picw")
            p.width = value;
        else if (word == "pich")
            p.height = value;
        else if (word == "picwgoal")
            p.goalWidth = value;
        else if (word == "pichgoal")
            p.goalHeight = value;
        else if (word == "picscalex")
            p.scaleX = std::clamp(value, 1, 10000);
        else if (word == "picscaley")
            p.scaleY = std::clamp(value, 1, 10000);
        else if (word == "wbmbitspixel")
            p.bitsPixel = value;
        else if (word == "wbmplanes")
            p.planes = value;
        else if (word == "wbmwidthbytes")
            p.widthBytes = value;
    }

    void PictureHex(char c)
    {
        const int digit = HexValue(c);
        if (digit < 0)
            return;
        if (m_picture.nibble < 0) {
            m_picture.nibble = digit;
        } else {
            m_picture.data.append(char((m_picture.nibble << 4) | digit));
            m_picture.nibble = -1;
        }
    }

    static int Scaled(int size, int percent)
    {
        return int(std::clamp<qint64>(qint64(size) * percent / 100, std::numeric_limits<int>::min(),
                                      std::numeric_limits<int>::max()));
    }

    void EndPicture()
    {
        const PictureState &p = m_picture;
        if (p.data.isEmpty())
            return;
        TWPPicture picture;
        switch (p.type) {
        case PictureType::None:
            return;
        case PictureType::Dib:
            picture.Kind = TWPPictureKind::Dib;
            picture.Data = p.data;
            picture.Image = DecodeDib(p.data);
            break;
        case PictureType::Bitmap:
            picture.Kind = TWPPictureKind::Bitmap;
            picture.Data = p.data;
            picture.Image =
                DecodeBitmap(p.data, p.width, p.height, p.bitsPixel, p.planes, p.widthBytes);
            break;
        case PictureType::Metafile:
            picture.Kind = TWPPictureKind::Metafile;
            picture.Data = p.data;
            break;
        case PictureType::Png:
        case PictureType::Jpeg: {
            QImage image;
            if (!image.loadFromData(p.data, p.type == PictureType::Png ? "PNG" : "JPEG"))
                return;
            picture = TWPPicture::FromImage(image);
            if (p.goalWidth > 0 && p.goalHeight > 0) {
                picture.GoalWidth = Scaled(p.goalWidth, p.scaleX);
                picture.GoalHeight = Scaled(p.goalHeight, p.scaleY);
            }
            InsertPictureHere(picture);
            return;
        }
        }
        picture.Width = p.width;
        picture.Height = p.height;
        picture.GoalWidth = Scaled(p.goalWidth, p.scaleX);
        picture.GoalHeight = Scaled(p.goalHeight, p.scaleY);
        picture.BitsPixel = p.bitsPixel;
        picture.Planes = p.planes;
        picture.WidthBytes = p.widthBytes;
        if (picture.Kind == TWPPictureKind::Dib && picture.BitsPixel == 0 && p.data.size() >= 16)
            picture.BitsPixel = Le16(p.data, 14);
        InsertPictureHere(picture);
    }

    void EndPictureFile()
    {
        QString name = m_destText.trimmed();
        if (name.size() >= 2 && name.startsWith(u'"') && name.endsWith(u'"'))
            name = name.mid(1, name.size() - 2);
        if (name.isEmpty())
            return;
        TWPPicture picture;
        picture.Kind = TWPPictureKind::FileReference;
        picture.FileName = name;
        picture.Width = m_picture.width;
        picture.Height = m_picture.height;
        picture.GoalWidth = m_picture.goalWidth;
        picture.GoalHeight = m_picture.goalHeight;
        InsertPictureHere(picture);
    }

    void InsertPictureHere(const TWPPicture &picture)
    {
        Flush();
        NoteParagraph();
        InsertPicture(m_cursor, picture);
        m_paragraphHasContent = true;
    }

    // -- Text -------------------------------------------------------------

    void RawByte(char c)
    {
        const Dest dest = Current().dest;
        if (dest == Dest::Picture) {
            PictureHex(c);
            return;
        }
        if (dest == Dest::Skip || dest == Dest::Info)
            return;
        if (uchar(c) < 0x20 && c != '\t')
            return;
        Character(FromWindows1252(QByteArrayView(&c, 1)).at(0).unicode());
    }

    void Character(char16_t c)
    {
        switch (Current().dest) {
        case Dest::Normal:
            TextCharacter(c);
            break;
        case Dest::FontTable:
            FontTableCharacter(c);
            break;
        case Dest::ColorTable:
            ColorTableCharacter(c);
            break;
        case Dest::Title:
        case Dest::Subject:
        case Dest::Comment:
        case Dest::PicFile:
            m_destText.append(QChar(c));
            break;
        default:
            break;
        }
    }

    void TextCharacter(char16_t c)
    {
        // Characters 0 to 3 are never text; line feeds, carriage returns and
        // Qt's block separators would split the paragraph; a lone object
        // replacement character would pose as a picture.
        if (c < 4 || c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator || c == 0xFDD0 ||
            c == 0xFDD1)
            return;
        if (c == QChar::ObjectReplacementCharacter)
            c = QChar::ReplacementCharacter;
        const CharState &chars = Current().chars;
        if (!m_pending.isEmpty() && !(m_pendingState == chars))
            Flush();
        if (m_pending.isEmpty()) {
            m_pendingState = chars;
            NoteParagraph();
        }
        m_pending.append(QChar(c));
        m_paragraphHasContent = true;
    }

    QTextCharFormat Format(const CharState &chars) const
    {
        QTextCharFormat format;
        const int font =
            m_fonts.isEmpty() ? 0 : std::clamp(FontIndexOf(chars.font), 0, int(m_fonts.size()) - 1);
        format.setProperty(FontIndexProperty, font);
        if (!m_fonts.isEmpty())
            format.setFontFamilies(QStringList{m_fonts[font].Name});
        if (chars.halfPoints > 0)
            format.setFontPointSize(chars.halfPoints / 2.0);
        const int foreground = PaletteIndexOf(chars.foreground);
        const int background = PaletteIndexOf(chars.background);
        format.setProperty(ColorByteProperty, (background << 4) | foreground);
        format.setForeground(PaletteColor(m_palette, foreground));
        if (background != 0)
            format.setBackground(PaletteColor(m_palette, background));
        format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(chars.italic);
        format.setFontUnderline(chars.underline || chars.doubleUnderline);
        format.setFontStrikeOut(chars.strike);
        if (chars.superscript)
            format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        else if (chars.subscript)
            format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        if (chars.hidden)
            format.setProperty(HiddenProperty, true);
        if (chars.doubleUnderline)
            format.setProperty(DoubleUnderlineProperty, true);
        if (chars.shadow)
            format.setProperty(ShadowProperty, true);
        if (chars.protect)
            format.setProperty(ProtectedProperty, true);
        if (chars.insertPoint >= 0)
            format.setProperty(InsertPointProperty, chars.insertPoint);
        if (chars.autoText)
            format.setProperty(AutoTextProperty, true);
        return format;
    }

    void Flush()
    {
        if (m_pending.isEmpty())
            return;
        m_cursor.insertText(m_pending, Format(m_pendingState));
        m_pending.clear();
    }

    // The paragraph takes the properties in force whenever it gains text or
    // a property; closing a group does not take them back.
    void NoteParagraph() { m_paragraphAlignment = Current().alignment; }

    void ApplyParagraphFormat()
    {
        QTextBlockFormat format;
        switch (m_paragraphAlignment) {
        case TWPAlignment::Left:
            format.setAlignment(Qt::AlignLeft);
            break;
        case TWPAlignment::Right:
            format.setAlignment(Qt::AlignRight);
            break;
        case TWPAlignment::Center:
            format.setAlignment(Qt::AlignHCenter);
            break;
        case TWPAlignment::Justify:
            format.setAlignment(Qt::AlignJustify);
            break;
        }
        if (m_pageBreak) {
            format.setProperty(PageBreakProperty, true);
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        }
        m_cursor.setBlockFormat(format);
    }

    void ParagraphEnd()
    {
        if (Current().dest != Dest::Normal)
            return;
        Flush();
        NoteParagraph();
        ApplyParagraphFormat();
        m_cursor.insertBlock(QTextBlockFormat(), Format(Current().chars));
        m_pageBreak = false;
        m_paragraphHasContent = false;
        m_endedByPar = true;
        NoteParagraph();
    }

    void Finish()
    {
        while (!m_stack.isEmpty())
            PopGroup();
        Flush();
        ApplyParagraphFormat();
        // A foreign writer ends its last paragraph with \par: the empty
        // paragraph that follows is not part of the document.
        if (!m_ownForm && m_endedByPar && !m_paragraphHasContent && !m_pageBreak &&
            m_document.Document().blockCount() > 1) {
            m_cursor.movePosition(QTextCursor::End);
            m_cursor.deletePreviousChar();
        }
        m_document.SetFonts(m_fonts);
    }

    QByteArrayView m_in;
    qsizetype m_pos = 0;
    TWPRTFTextPaint &m_document;
    QTextCursor m_cursor;
    bool m_ownForm = false;

    QList<GroupState> m_stack;
    bool m_star = false;
    int m_skipCharacters = 0;
    QString m_destText;

    QList<TWPFont> m_fonts;
    QList<TWPFont> m_tableFonts;
    QHash<int, int> m_fontNumbers;
    bool m_fontTableSeen = false;
    bool m_fontEntry = false;
    int m_fontNumber = 0;
    TWPFont m_font;
    int m_defaultFontNumber = 0;

    std::array<TColor, 16> m_palette;
    QList<TColor> m_colorTable;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;

    PictureState m_picture;

    QString m_pending;
    CharState m_pendingState;
    TWPAlignment m_paragraphAlignment = TWPAlignment::Left;
    bool m_pageBreak = false;
    bool m_paragraphHasContent = false;
    bool m_endedByPar = false;
};

} // namespace

bool ReadRtf(QByteArrayView rtf, TWPRTFTextPaint &document, QString *error)
{
    document.Clear();
    QTextDocument &text = document.Document();
    const bool undo = text.isUndoRedoEnabled();
    text.setUndoRedoEnabled(false);
    Reader reader(rtf, document);
    const bool ok = reader.Run(error);
    text.setUndoRedoEnabled(undo);
    return ok;
}
