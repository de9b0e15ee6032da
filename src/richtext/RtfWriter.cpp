#include "RtfWriter.h"

#include "RtfDocument.h"
#include "Windows1252.h"

#include <QHash>
#include <QIODevice>
#include <QTextBlock>
#include <QTextDocument>

#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr int maxFontNameLength = 31;
constexpr int writtenPaletteEntries = 15;
constexpr int defaultHalfPoints = 20;

// The Windows-1252 byte of each character the code page holds.
class Cp1252Table
{
public:
    Cp1252Table()
    {
        m_latin.fill(-1);
        for (int byte = 0; byte < 256; ++byte) {
            const char raw = char(byte);
            const char16_t ch = FromWindows1252(QByteArrayView(&raw, 1)).at(0).unicode();
            if (ch < 256)
                m_latin[ch] = byte;
            else
                m_other.insert(ch, byte);
        }
    }

    int Byte(char16_t ch) const { return ch < 256 ? m_latin[ch] : m_other.value(ch, -1); }

private:
    std::array<int, 256> m_latin{};
    QHash<char16_t, int> m_other;
};

const Cp1252Table &Cp1252()
{
    static const Cp1252Table table;
    return table;
}

void AppendHexByte(QByteArray &out, int byte)
{
    static constexpr char digits[] = "0123456789abcdef";
    out.append("\\'");
    out.append(digits[(byte >> 4) & 0x0F]);
    out.append(digits[byte & 0x0F]);
}

void AppendNumber(QByteArray &out, const char *word, qint64 number)
{
    out.append(word);
    out.append(QByteArray::number(number));
}

// Text inside runs and inside the header's groups: 32 to 126 as they are with
// \ { } escaped, tab and line break as control words, other Windows-1252
// characters as \'hh, the rest as \uN? (UTF-16 code units, so a surrogate pair
// gives two escapes). Characters 0 to 3 are never written as text.
void AppendText(QByteArray &out, QStringView text, bool escapeSemicolon = false)
{
    for (const QChar qch : text) {
        const char16_t ch = qch.unicode();
        if (ch < 4)
            continue;
        if (ch == u'\t') {
            out.append("\\tab ");
        } else if (ch == QChar::LineSeparator) {
            out.append("\\line ");
        } else if (ch == u'\\' || ch == u'{' || ch == u'}') {
            out.append('\\');
            out.append(char(ch));
        } else if (escapeSemicolon && ch == u';') {
            AppendHexByte(out, ';');
        } else if (ch >= 32 && ch <= 126) {
            out.append(char(ch));
        } else if (const int byte = Cp1252().Byte(ch); byte >= 0) {
            AppendHexByte(out, byte);
        } else {
            out.append("\\u");
            out.append(QByteArray::number(qint16(ch)));
            out.append('?');
        }
    }
}

QString FamilyOf(const QTextCharFormat &format)
{
    const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
    if (!families.isEmpty())
        return families.first();
    return format.property(QTextFormat::FontFamily).toString();
}

bool SameFace(const QString &a, const QString &b)
{
    return a.left(maxFontNameLength).compare(b.left(maxFontNameLength), Qt::CaseInsensitive) == 0;
}

const char *AlignmentWord(TWPAlignment alignment)
{
    switch (alignment) {
    case TWPAlignment::Left:
        return "\\ql";
    case TWPAlignment::Right:
        return "\\qr";
    case TWPAlignment::Center:
        return "\\qc";
    case TWPAlignment::Justify:
        return "\\qj";
    }
    return "\\ql";
}

const char *FamilyWord(int pitchAndFamily)
{
    switch (pitchAndFamily & 0xF0) {
    case 0x20:
        return "\\swiss";
    case 0x30:
        return "\\fmodern";
    case 0x40:
        return "\\fscript";
    case 0x50:
        return "\\fdecor";
    default:
        return "\\fnil";
    }
}

int HalfPoints(double pointSize)
{
    if (!(pointSize > 0))
        return defaultHalfPoints;
    const double halfPoints = std::nearbyint(pointSize * 2);
    if (halfPoints >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return halfPoints < 1 ? defaultHalfPoints : int(halfPoints);
}

class Writer
{
public:
    explicit Writer(const TWPRTFTextPaint &document)
        : m_document(document), m_fonts(document.Fonts())
    {
        for (size_t i = 0; i < m_palette.size(); ++i)
            m_palette[i] = ResolveColor(document.Palette()[i]) & 0xFFFFFF;
    }

    QByteArray Bytes()
    {
        // The paragraphs come first: runs may add faces to the font table.
        const QByteArray body = Paragraphs();
        QByteArray out;
        out.reserve(body.size() + 512);
        out.append("{\\rtf1\\ansi\\deff0\\deftab720");
        AppendFontTable(out);
        AppendColorTable(out);
        AppendNumber(out, "\\paperw", m_document.PageWidth);
        AppendNumber(out, "\\paperh", m_document.PageHeight);
        AppendNumber(out, "\\margl", m_document.MarginLeft);
        AppendNumber(out, "\\margr", m_document.MarginRight);
        AppendNumber(out, "\\margt", m_document.MarginTop);
        AppendNumber(out, "\\margb", m_document.MarginBottom);
        if (!m_document.Title.isEmpty()) {
            out.append("{\\title ");
            AppendText(out, m_document.Title);
            out.append('}');
        }
        if (!m_document.Subject.isEmpty()) {
            out.append("{\\subject\t");
            AppendText(out, m_document.Subject);
            out.append('}');
        }
        if (!m_document.Comment.isEmpty()) {
            out.append("{\\comment\t");
            AppendText(out, m_document.Comment);
            out.append('}');
        }
        out.append(body);
        out.append("\r\n}");
        return out;
    }

private:
    void AppendFontTable(QByteArray &out) const
    {
        out.append("{\\fonttbl");
        for (qsizetype i = 0; i < m_fonts.size(); ++i) {
            const TWPFont &font = m_fonts[i];
            AppendNumber(out, "{\\f", i);
            out.append(FamilyWord(font.PitchAndFamily));
            AppendNumber(out, "\\charset", font.Charset);
            out.append(' ');
            AppendText(out, font.Name, true);
            out.append(";}");
        }
        out.append('}');
    }

    void AppendColorTable(QByteArray &out) const
    {
        out.append("{\\colortbl");
        for (int i = 0; i < writtenPaletteEntries; ++i) {
            const TColor color = m_palette[size_t(i)];
            AppendNumber(out, "\\red", color & 0xFF);
            AppendNumber(out, "\\green", (color >> 8) & 0xFF);
            AppendNumber(out, "\\blue", (color >> 16) & 0xFF);
            out.append(';');
        }
        out.append('}');
    }

    QByteArray Paragraphs()
    {
        QByteArray out("{");
        TWPAlignment inForce = TWPAlignment::Left;
        for (QTextBlock block = m_document.Document().begin(); block.isValid();
             block = block.next()) {
            const QTextBlockFormat blockFormat = block.blockFormat();
            if (blockFormat.boolProperty(PageBreakProperty) ||
                (blockFormat.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore))
                out.append("\\page");
            const TWPAlignment alignment = AlignmentOf(blockFormat.alignment());
            if (alignment != inForce) {
                out.append(AlignmentWord(alignment));
                inForce = alignment;
            }
            const bool lastHidden = AppendRuns(out, block);
            if (block.next().isValid())
                out.append(lastHidden ? "\\plain\\par\n\r" : "\\par\n\r");
        }
        out.append('}');
        return out;
    }

    // The runs of one paragraph; true when the last run written was hidden.
    bool AppendRuns(QByteArray &out, const QTextBlock &block)
    {
        QByteArray header;
        bool hidden = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) {
                const TWPPicture picture = PictureOf(m_document.Document(), format.toImageFormat());
                for (qsizetype i = 0; i < fragment.text().size(); ++i)
                    AppendPicture(out, picture);
                header.clear(); // text after a picture starts a new run
                continue;
            }
            bool runHidden = false;
            const QByteArray runHeader = RunHeader(format, runHidden);
            if (runHeader != header) {
                out.append(runHeader);
                out.append(' ');
                header = runHeader;
            }
            hidden = runHidden;
            AppendText(out, fragment.text());
        }
        return hidden;
    }

    int FontNumber(const QTextCharFormat &format)
    {
        const QString family = FamilyOf(format);
        if (format.hasProperty(FontIndexProperty)) {
            const int index = format.intProperty(FontIndexProperty);
            if (index >= 0 && index < m_fonts.size() &&
                (family.isEmpty() || SameFace(family, m_fonts[index].Name)))
                return index;
        }
        if (family.isEmpty())
            return 0;
        for (qsizetype i = 0; i < m_fonts.size(); ++i) {
            if (SameFace(family, m_fonts[i].Name))
                return int(i);
        }
        m_fonts.append(TWPFont{family.left(maxFontNameLength), 0, 0});
        return int(m_fonts.size() - 1);
    }

    int NearestPaletteIndex(const QColor &color) const
    {
        return ::NearestPaletteIndex(m_palette, FromQColor(color));
    }

    int ColorByte(const QTextCharFormat &format) const
    {
        int colorByte = format.hasProperty(ColorByteProperty)
                            ? format.intProperty(ColorByteProperty) & 0xFF
                            : 0;
        if (format.hasProperty(QTextFormat::ForegroundBrush)) {
            const QBrush brush = format.foreground();
            if (brush.style() != Qt::NoBrush &&
                FromQColor(brush.color()) != m_palette[size_t(colorByte & 0x0F)])
                colorByte = (colorByte & 0xF0) | NearestPaletteIndex(brush.color());
        }
        if (!format.hasProperty(ColorByteProperty) &&
            format.hasProperty(QTextFormat::BackgroundBrush)) {
            const QBrush brush = format.background();
            if (brush.style() != Qt::NoBrush)
                colorByte = (colorByte & 0x0F) | (NearestPaletteIndex(brush.color()) << 4);
        }
        return colorByte;
    }

    QByteArray RunHeader(const QTextCharFormat &format, bool &hidden)
    {
        QByteArray header;
        AppendNumber(header, "\\plain\\f", FontNumber(format));
        AppendNumber(header, "\\fs", HalfPoints(format.fontPointSize()));
        const int colorByte = ColorByte(format);
        AppendNumber(header, "\\cf", colorByte & 0x0F);
        if (colorByte > 15)
            AppendNumber(header, "\\cb", (colorByte >> 4) & 0x0F);
        const bool doubleUnderline = format.boolProperty(DoubleUnderlineProperty);
        if (format.fontWeight() > QFont::Medium)
            header.append("\\b");
        if (format.fontUnderline() && !doubleUnderline)
            header.append("\\ul");
        if (doubleUnderline)
            header.append("\\uldb");
        if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
            header.append("\\super");
        if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
            header.append("\\sub");
        if (format.fontItalic())
            header.append("\\i");
        if (format.fontStrikeOut())
            header.append("\\strike");
        if (format.boolProperty(ShadowProperty))
            header.append("\\shad");
        hidden = format.boolProperty(HiddenProperty);
        if (hidden)
            header.append("\\v");
        if (format.boolProperty(ProtectedProperty))
            header.append("\\wprtf1");
        if (format.hasProperty(InsertPointProperty))
            AppendNumber(header, "\\inspnt", format.intProperty(InsertPointProperty));
        if (format.boolProperty(AutoTextProperty))
            header.append("\\inaut");
        return header;
    }

    static void AppendPicture(QByteArray &out, const TWPPicture &picture)
    {
        switch (picture.Kind) {
        case TWPPictureKind::Dib:
            if (picture.Data.isEmpty())
                return;
            AppendNumber(out, "{\\pict\\dibitmap0\\wbmbitspixel", picture.BitsPixel);
            AppendNumber(out, "\\wbmplanes", picture.Planes);
            AppendNumber(out, "\\wbmwidthbytes",
                         (qint64(picture.Width) * picture.BitsPixel + 7) / 8);
            AppendNumber(out, "\\picw", picture.Width);
            AppendNumber(out, "\\pich", picture.Height);
            AppendNumber(out, "\\picwgoal", picture.GoalWidth);
            AppendNumber(out, "\\pichgoal", picture.GoalHeight);
            break;
        case TWPPictureKind::Bitmap:
            if (picture.Data.isEmpty())
                return;
            AppendNumber(out, "{\\pict\\wbitmap0\\wbmbitspixel", picture.BitsPixel);
            AppendNumber(out, "\\wbmplanes", picture.Planes);
            AppendNumber(out, "\\wbmwidthbytes", picture.WidthBytes);
            AppendNumber(out, "\\picw", picture.Width);
            AppendNumber(out, "\\pich", picture.Height);
            AppendNumber(out, "\\picwgoal", picture.GoalWidth);
            AppendNumber(out, "\\pichgoal", picture.GoalHeight);
            break;
        case TWPPictureKind::Metafile:
            if (picture.Data.isEmpty())
                return;
            AppendNumber(out, "{\\pict\\wmetafile8\\picw", picture.Width);
            AppendNumber(out, "\\pich", picture.Height);
            break;
        case TWPPictureKind::FileReference:
            out.append("{\\*\\picfile");
            if (picture.Width > 0 && picture.Height > 0) {
                AppendNumber(out, "\\picw", picture.Width);
                AppendNumber(out, "\\pich", picture.Height);
            }
            AppendNumber(out, "\\picwgoal", picture.GoalWidth);
            AppendNumber(out, "\\pichgoal", picture.GoalHeight);
            out.append(" \"");
            AppendText(out, picture.FileName);
            out.append("\"}");
            return;
        }
        out.append("\r\n");
        out.append(picture.Data.toHex());
        out.append('}');
    }

    const TWPRTFTextPaint &m_document;
    QList<TWPFont> m_fonts;
    std::array<TColor, 16> m_palette{};
};

} // namespace

QByteArray RtfBytes(const TWPRTFTextPaint &document)
{
    return Writer(document).Bytes();
}

bool WriteRtf(const TWPRTFTextPaint &document, QIODevice &device)
{
    const QByteArray bytes = RtfBytes(document);
    return device.write(bytes) == bytes.size();
}
