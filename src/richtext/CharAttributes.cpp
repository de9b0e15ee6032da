#include "CharAttributes.h"

#include "Numbers.h"
#include "RtfDocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <vector>

namespace {

constexpr int MaxFaceLength = 31;

int ClampedPaletteIndex(int index)
{
    return std::clamp(index, 0, 15);
}

QString FaceOf(const QTextCharFormat &format)
{
    const QStringList families = format.fontFamilies().toStringList();
    return families.isEmpty() ? QString() : families.first();
}

int FontIndexByFace(const TWPRTFTextPaint &document, const QString &face)
{
    const QList<TWPFont> &fonts = document.Fonts();
    const auto found = std::find_if(fonts.begin(), fonts.end(), [&face](const TWPFont &font) {
        return font.Name.compare(face, Qt::CaseInsensitive) == 0;
    });
    return found == fonts.end() ? 0 : int(found - fonts.begin());
}

int PaletteIndexByForeground(const TWPRTFTextPaint &document, const QTextCharFormat &format)
{
    if (!format.hasProperty(QTextFormat::ForegroundBrush))
        return 0;
    const TColor wanted = FromQColor(format.foreground().color());
    const auto &palette = document.Palette();
    for (int index = int(palette.size()) - 1; index >= 0; --index) {
        if (ResolveColor(palette[index]) == wanted)
            return index;
    }
    return 0;
}

int StyleOf(const QTextCharFormat &format)
{
    int style = 0;
    if (format.fontWeight() >= QFont::Bold)
        style |= wpsBold;
    if (format.fontItalic())
        style |= wpsItalic;
    if (format.fontUnderline())
        style |= wpsUnderline;
    if (format.fontStrikeOut())
        style |= wpsStrikeOut;
    return style;
}

// The format text typed at cursor takes: the character format there, without
// the object type that would turn the text into another picture.
QTextCharFormat TypingFormat(const QTextCursor &cursor)
{
    QTextCharFormat format = cursor.charFormat();
    format.clearProperty(QTextFormat::ObjectType);
    return format;
}

struct TRun
{
    int Start;
    int End;
    QTextCharFormat Format;
};

// The runs of one format the cursor's selection covers, cut at its ends.
std::vector<TRun> SelectedRuns(const QTextCursor &cursor)
{
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    std::vector<TRun> runs;
    for (QTextBlock block = cursor.document()->findBlock(start);
         block.isValid() && block.position() < end; block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int runStart = std::max(start, fragment.position());
            const int runEnd = std::min(end, fragment.position() + fragment.length());
            if (runStart < runEnd)
                runs.push_back({runStart, runEnd, fragment.charFormat()});
        }
    }
    return runs;
}

} // namespace

TWPCharAttrPart PartOfStyle(TWPCharStyle style)
{
    switch (style) {
    case wpsBold:
        return TWPCharAttrPart::Bold;
    case wpsItalic:
        return TWPCharAttrPart::Italic;
    case wpsUnderline:
        return TWPCharAttrPart::Underline;
    case wpsStrikeOut:
        return TWPCharAttrPart::StrikeOut;
    }
    return TWPCharAttrPart::Bold;
}

TWPCharAttr CharAttrOf(const TWPRTFTextPaint &document, const QTextCharFormat &format)
{
    TWPCharAttr attr;
    attr.Font = format.hasProperty(FontIndexProperty) ? format.intProperty(FontIndexProperty)
                                                      : FontIndexByFace(document, FaceOf(format));
    const double points = format.hasProperty(QTextFormat::FontPointSize)
                              ? format.fontPointSize()
                              : document.Document().defaultFont().pointSizeF();
    attr.Size = std::max(Round(points), 1);
    attr.Style = StyleOf(format);
    attr.Color = format.hasProperty(ColorByteProperty)
                     ? format.intProperty(ColorByteProperty) & 0x0F
                     : PaletteIndexByForeground(document, format);
    return attr;
}

TWPCharAttr CharAttrAt(const TWPRTFTextPaint &document, const QTextCursor &cursor)
{
    return CharAttrOf(document, TypingFormat(cursor));
}

void OverlayCharAttr(QTextCharFormat &format, const TWPRTFTextPaint &document,
                     const TWPCharAttr &attr, TWPCharAttrParts parts)
{
    if (parts & TWPCharAttrPart::Font) {
        format.setProperty(FontIndexProperty, attr.Font);
        if (attr.Font >= 0 && attr.Font < document.Fonts().size())
            format.setFontFamilies({document.Fonts().at(attr.Font).Name});
    }
    if (parts & TWPCharAttrPart::Size)
        format.setFontPointSize(std::max(attr.Size, 1));
    if (parts & TWPCharAttrPart::Bold)
        format.setFontWeight((attr.Style & wpsBold) ? QFont::Bold : QFont::Normal);
    if (parts & TWPCharAttrPart::Italic)
        format.setFontItalic(attr.Style & wpsItalic);
    if (parts & TWPCharAttrPart::Underline)
        format.setFontUnderline(attr.Style & wpsUnderline);
    if (parts & TWPCharAttrPart::StrikeOut)
        format.setFontStrikeOut(attr.Style & wpsStrikeOut);
    if (parts & TWPCharAttrPart::Color) {
        const int index = ClampedPaletteIndex(attr.Color);
        const int background = format.intProperty(ColorByteProperty) & 0xF0;
        format.setProperty(ColorByteProperty, background | index);
        format.setForeground(ToQColor(document.Palette()[index]));
    }
}

QTextCharFormat CharFormatOf(const TWPRTFTextPaint &document, const TWPCharAttr &attr)
{
    QTextCharFormat format;
    OverlayCharAttr(format, document, attr);
    return format;
}

void ApplyCharAttr(const TWPRTFTextPaint &document, QTextCursor &cursor, const TWPCharAttr &attr,
                   TWPCharAttrParts parts)
{
    if (!cursor.hasSelection()) {
        QTextCharFormat format = TypingFormat(cursor);
        OverlayCharAttr(format, document, attr, parts);
        cursor.setCharFormat(format);
        return;
    }
    const std::vector<TRun> runs = SelectedRuns(cursor);
    QTextCursor run(cursor.document());
    cursor.beginEditBlock();
    for (TRun piece : runs) {
        OverlayCharAttr(piece.Format, document, attr, parts);
        run.setPosition(piece.Start);
        run.setPosition(piece.End, QTextCursor::KeepAnchor);
        run.setCharFormat(piece.Format);
    }
    cursor.endEditBlock();
}

void InsertCharAttrText(const TWPRTFTextPaint &document, QTextCursor &cursor, const QString &text,
                        const TWPCharAttr &attr)
{
    cursor.insertText(text, CharFormatOf(document, attr));
}

void InsertParagraph(QTextCursor &cursor)
{
    cursor.insertBlock(cursor.blockFormat(), TypingFormat(cursor));
}

void MoveCaretToEnd(QTextCursor &cursor)
{
    cursor.movePosition(QTextCursor::End);
}

void RenumberRuns(TWPRTFTextPaint &source, TWPRTFTextPaint &target)
{
    QTextCursor cursor(&source.Document());
    cursor.select(QTextCursor::Document);
    QTextCursor run(&source.Document());
    for (TRun piece : SelectedRuns(cursor)) {
        TWPCharAttr attr = CharAttrOf(source, piece.Format);
        if (attr.Font >= 0 && attr.Font < source.Fonts().size())
            attr.Font = FontIndexOfFace(target, source.Fonts().at(attr.Font).Name);
        attr.Color =
            PaletteIndexOf(target.Palette(), source.Palette()[ClampedPaletteIndex(attr.Color)]);
        piece.Format.setProperty(FontIndexProperty, attr.Font);
        piece.Format.setProperty(ColorByteProperty,
                                 (piece.Format.intProperty(ColorByteProperty) & 0xF0) | attr.Color);
        run.setPosition(piece.Start);
        run.setPosition(piece.End, QTextCursor::KeepAnchor);
        run.setCharFormat(piece.Format);
    }
}

int FontIndexOfFace(TWPRTFTextPaint &document, const QString &face)
{
    return document.FontIndex(face.left(MaxFaceLength));
}

int PaletteIndexOf(const std::array<TColor, 16> &palette, TColor color)
{
    for (int index = int(palette.size()) - 1; index >= 0; --index) {
        if (palette[index] == color)
            return index;
    }
    return 0;
}
