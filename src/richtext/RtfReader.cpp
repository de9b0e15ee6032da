#include "RtfReader.h"

#include "RtfCharState.h"
#include "RtfColorTable.h"
#include "RtfDocument.h"
#include "RtfFontTable.h"
#include "RtfPictureReader.h"
#include "RtfTokenizer.h"
#include "RtfWordTable.h"
#include "Windows1252.h"

#include <QCoreApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <optional>

namespace {

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

struct GroupState
{
    Dest dest = Dest::Normal;
    RtfCharState chars;
    TWPAlignment alignment = TWPAlignment::Left;
    int unicodeSkip = 1;
};

struct DestinationWord
{
    QByteArrayView name;
    Dest dest;
};
constexpr std::array destinationWords = {
    DestinationWord{"fonttbl", Dest::FontTable}, DestinationWord{"colortbl", Dest::ColorTable},
    DestinationWord{"info", Dest::Info},         DestinationWord{"title", Dest::Title},
    DestinationWord{"subject", Dest::Subject},   DestinationWord{"comment", Dest::Comment},
    DestinationWord{"doccomm", Dest::Comment},
};

// Containers whose content is read as it stands.
constexpr auto containerWords = std::to_array<QByteArrayView>({
    "shppict",
    "field",
    "fldrslt",
    "result",
});

// Destinations whose content is not shown.
constexpr auto skippedWords = std::to_array<QByteArrayView>({
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
});

struct CharacterWord
{
    QByteArrayView name;
    char16_t character;
};
// Words that stand for a character in any text, destinations included.
constexpr std::array textCharacterWords = {
    CharacterWord{"tab", u'\t'},
    CharacterWord{"line", QChar::LineSeparator},
    CharacterWord{"ldblquote", u'\u201C'},
    CharacterWord{"rdblquote", u'\u201D'},
};
// Words that stand for a character in the document's text only.
constexpr std::array bodyCharacterWords = {
    CharacterWord{"cell", u'\t'},       CharacterWord{"lquote", u'\u2018'},
    CharacterWord{"rquote", u'\u2019'}, CharacterWord{"emdash", u'\u2014'},
    CharacterWord{"endash", u'\u2013'}, CharacterWord{"bullet", u'\u2022'},
};

struct AlignmentWord
{
    QByteArrayView name;
    TWPAlignment alignment;
};
constexpr std::array alignmentWords = {
    AlignmentWord{"pard", TWPAlignment::Left},  AlignmentWord{"ql", TWPAlignment::Left},
    AlignmentWord{"qr", TWPAlignment::Right},   AlignmentWord{"qc", TWPAlignment::Center},
    AlignmentWord{"qj", TWPAlignment::Justify},
};

struct PageWord
{
    QByteArrayView name;
    int TWPRTFTextPaint::*field;
};
constexpr std::array pageWords = {
    PageWord{"paperw", &TWPRTFTextPaint::PageWidth},
    PageWord{"paperh", &TWPRTFTextPaint::PageHeight},
    PageWord{"margl", &TWPRTFTextPaint::MarginLeft},
    PageWord{"margr", &TWPRTFTextPaint::MarginRight},
    PageWord{"margt", &TWPRTFTextPaint::MarginTop},
    PageWord{"margb", &TWPRTFTextPaint::MarginBottom},
};

char16_t FromWindows1252Byte(char byte)
{
    return FromWindows1252(QByteArrayView(&byte, 1)).at(0).unicode();
}

QString WithoutLeadingTab(const QString &text)
{
    return text.startsWith(u'\t') ? text.mid(1) : text;
}

class Reader
{
public:
    Reader(QByteArrayView input, TWPRTFTextPaint &document, TPictureBudget &budget)
        : m_in(input), m_document(document), m_budget(budget), m_cursor(&document.Document()),
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
        const QByteArrayView rtf = m_in.sliced(start);
        if (!rtf.startsWith("{\\rtf"))
            return Fail(error, QCoreApplication::translate("RtfReader", "Not RTF: the text does not start with {\\rtf."));
        m_ownForm = rtf.startsWith(ownHeader);
        const bool ok = Parse(rtf, error);
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

    // -- Tokens -----------------------------------------------------------

    bool Parse(QByteArrayView rtf, QString *error)
    {
        RtfTokenizer tokenizer(rtf, RtfMaxGroupDepth);
        for (RtfToken token = tokenizer.Next(); token.kind != RtfToken::Kind::End;
             token = tokenizer.Next()) {
            if (token.kind == RtfToken::Kind::TooDeep)
                return Fail(error, QCoreApplication::translate("RtfReader", "RTF groups are nested more than %1 deep.")
                                       .arg(RtfMaxGroupDepth));
            Token(token);
        }
        if (!m_stack.isEmpty())
            return Fail(error, QCoreApplication::translate("RtfReader",
                                                          "The RTF text ends before its last group "
                                                          "is closed (%1 open): it is truncated.")
                                   .arg(m_stack.size()));
        return true;
    }

    void Token(const RtfToken &token)
    {
        switch (token.kind) {
        case RtfToken::Kind::GroupOpen:
            PushGroup();
            break;
        case RtfToken::Kind::GroupClose:
            PopGroup();
            break;
        case RtfToken::Kind::Word:
        case RtfToken::Kind::LongWord:
            WordToken(token);
            break;
        case RtfToken::Kind::Symbol:
            ControlSymbol(token.symbol);
            break;
        case RtfToken::Kind::HexByte:
            if (!SkipCharacter() && token.hasParameter)
                Character(FromWindows1252Byte(char(token.parameter)));
            break;
        case RtfToken::Kind::Binary:
            if (Current().dest == Dest::Picture)
                m_picture.Binary(token.text);
            break;
        case RtfToken::Kind::Text:
            Text(token.text);
            break;
        case RtfToken::Kind::End:
        case RtfToken::Kind::TooDeep:
            break;
        }
    }

    // After \u the next characters (tokens) stand for it in readers without
    // Unicode; true when this one is such a character and is to be dropped.
    bool SkipCharacter()
    {
        if (m_skipCharacters == 0)
            return false;
        --m_skipCharacters;
        return true;
    }

    void WordToken(const RtfToken &token)
    {
        if (SkipCharacter())
            return;
        if (token.kind == RtfToken::Kind::LongWord) {
            m_star = false; // no word RTF knows: ignored
            return;
        }
        ControlWord(token.text, token.hasParameter, token.parameter);
    }

    void ControlSymbol(char c)
    {
        if (c == '*') {
            m_star = true;
            return;
        }
        if (SkipCharacter())
            return;
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

    void Text(QByteArrayView text)
    {
        for (const char c : text) {
            m_star = false;
            if (!SkipCharacter())
                RawByte(c);
        }
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
        if (dest == Dest::FontTable)
            m_fontTable.Start();
        else if (dest == Dest::ColorTable)
            m_colorTable.Start();
        else if (dest == Dest::Picture || dest == Dest::PicFile)
            m_picture.Start();
    }

    void EndDestination(Dest dest)
    {
        switch (dest) {
        case Dest::FontTable:
            EndFontTable();
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
            InsertPictureHere(m_picture.Picture(m_budget));
            break;
        case Dest::PicFile:
            InsertPictureHere(m_picture.FileReference(m_destText));
            break;
        default:
            break;
        }
        m_destText.clear();
    }

    // -- Control words ----------------------------------------------------

    void ControlWord(QByteArrayView word, bool hasParameter, int value)
    {
        const bool star = m_star;
        m_star = false;
        if (Current().dest == Dest::Skip)
            return;
        if (Destination(word))
            return;
        if (star) {
            // An ignorable destination this reader does not know.
            Current().dest = Dest::Skip;
            return;
        }
        DestinationContentWord(word, hasParameter, value);
    }

    // A word that is not a destination, read as the current destination
    // reads its words.
    void DestinationContentWord(QByteArrayView word, bool hasParameter, int value)
    {
        switch (Current().dest) {
        case Dest::FontTable:
            if (word == "u")
                Unicode(value);
            else
                m_fontTable.Word(word, hasParameter, value, m_destText);
            break;
        case Dest::ColorTable:
            m_colorTable.Word(word, value);
            break;
        case Dest::Picture:
            m_picture.Word(word, value);
            break;
        case Dest::PicFile:
            if (!TextWord(word, value))
                m_picture.Word(word, value);
            break;
        case Dest::Normal:
            BodyWord(word, hasParameter, value);
            break;
        default: // title, subject, comment, info: only their text counts
            TextWord(word, value);
            break;
        }
    }

    // Destination words; true when word is one.
    bool Destination(QByteArrayView word)
    {
        if (const DestinationWord *entry = FindWord(destinationWords, word)) {
            StartDestination(entry->dest);
        } else if (word == "pict" || word == "picfile") {
            // Pictures are read in the document's text only.
            if (Current().dest == Dest::Normal)
                StartDestination(word == "pict" ? Dest::Picture : Dest::PicFile);
            else
                Current().dest = Dest::Skip;
        } else if (IsOneOf(skippedWords, word)) {
            Current().dest = Dest::Skip;
        } else {
            return IsOneOf(containerWords, word);
        }
        return true;
    }

    // The words that stand for characters in the text of a destination;
    // true when word is one.
    bool TextWord(QByteArrayView word, int value)
    {
        if (const CharacterWord *entry = FindWord(textCharacterWords, word))
            Character(entry->character);
        else if (word == "u")
            Unicode(value);
        else if (word == "uc")
            Current().unicodeSkip = std::clamp(value, 0, 16);
        else
            return false;
        return true;
    }

    // A word in the document's text; words this reader does not know are
    // ignored.
    void BodyWord(QByteArrayView word, bool hasParameter, int value)
    {
        if (DocumentWord(word, value) || ParagraphWord(word) ||
            ApplyCharWord(Current().chars, word, hasParameter, value) || TextWord(word, value))
            return;
        if (const CharacterWord *entry = FindWord(bodyCharacterWords, word))
            Character(entry->character);
    }

    bool DocumentWord(QByteArrayView word, int value)
    {
        if (const PageWord *entry = FindWord(pageWords, word))
            m_document.*entry->field = value;
        else if (word == "deff")
            m_fontTable.SetDefaultNumber(value);
        else
            return false;
        return true;
    }

    bool ParagraphWord(QByteArrayView word)
    {
        if (const AlignmentWord *entry = FindWord(alignmentWords, word)) {
            Current().alignment = entry->alignment;
            NoteParagraph();
        } else if (word == "par" || word == "sect" || word == "row") {
            ParagraphEnd();
        } else if (word == "page") {
            if (m_paragraphHasContent)
                ParagraphEnd();
            m_pageBreak = true;
        } else {
            return false;
        }
        return true;
    }

    void Unicode(int value)
    {
        Character(char16_t(value & 0xFFFF));
        m_skipCharacters = Current().unicodeSkip;
    }

    // -- Tables and pictures ------------------------------------------------

    void EndFontTable()
    {
        m_fontTable.EndEntry(m_destText);
        if (!m_fontTable.Fonts().isEmpty())
            m_fonts = m_fontTable.Fonts();
    }

    void ApplyColorTable()
    {
        const QList<TColor> &entries = m_colorTable.Entries();
        const qsizetype count = std::min<qsizetype>(entries.size(), RtfColorTable::PaletteSize);
        for (qsizetype i = 0; i < count; ++i) {
            m_palette[size_t(i)] = entries[i];
            m_document.SetPaletteColor(int(i), entries[i]);
        }
    }

    void InsertPictureHere(const std::optional<TWPPicture> &picture)
    {
        if (!picture)
            return;
        Flush();
        NoteParagraph();
        InsertPicture(m_cursor, *picture);
        m_paragraphHasContent = true;
    }

    // -- Text -------------------------------------------------------------

    void RawByte(char c)
    {
        const Dest dest = Current().dest;
        if (dest == Dest::Picture) {
            m_picture.Hex(c);
            return;
        }
        if (dest == Dest::Skip || dest == Dest::Info)
            return;
        if (uchar(c) < 0x20 && c != '\t')
            return;
        Character(FromWindows1252Byte(c));
    }

    void Character(char16_t c)
    {
        switch (Current().dest) {
        case Dest::Normal:
            TextCharacter(c);
            break;
        case Dest::FontTable:
            m_fontTable.Character(c, m_destText);
            break;
        case Dest::ColorTable:
            m_colorTable.Character(c);
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
        const RtfCharState &chars = Current().chars;
        if (!m_pending.isEmpty() && !(m_pendingState == chars))
            Flush();
        if (m_pending.isEmpty()) {
            m_pendingState = chars;
            NoteParagraph();
        }
        m_pending.append(QChar(c));
        m_paragraphHasContent = true;
    }

    QTextCharFormat Format(const RtfCharState &chars) const
    {
        return ToCharFormat(chars, {m_fonts, m_fontTable, m_colorTable, m_palette});
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
    // A picture can close the outermost group itself, leaving no group state.
    void NoteParagraph()
    {
        if (!m_stack.isEmpty())
            m_paragraphAlignment = Current().alignment;
    }

    void ApplyParagraphFormat()
    {
        QTextBlockFormat format;
        format.setAlignment(ToQtAlignment(m_paragraphAlignment));
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
    TWPRTFTextPaint &m_document;
    TPictureBudget &m_budget;
    QTextCursor m_cursor;
    bool m_ownForm = false;

    QList<GroupState> m_stack;
    bool m_star = false;
    int m_skipCharacters = 0;
    QString m_destText;

    QList<TWPFont> m_fonts;
    RtfFontTable m_fontTable;
    RtfColorTable::Palette m_palette;
    RtfColorTable m_colorTable;
    RtfPictureReader m_picture;

    QString m_pending;
    RtfCharState m_pendingState;
    TWPAlignment m_paragraphAlignment = TWPAlignment::Left;
    bool m_pageBreak = false;
    bool m_paragraphHasContent = false;
    bool m_endedByPar = false;
};

} // namespace

bool ReadRtf(QByteArrayView rtf, TWPRTFTextPaint &document, QString *error, TPictureBudget *budget)
{
    TPictureBudget ownBudget;
    document.Clear();
    QTextDocument &text = document.Document();
    const bool undo = text.isUndoRedoEnabled();
    text.setUndoRedoEnabled(false);
    // One edit block: a cursor outside one places itself in the laid-out
    // block after every insertion, which costs the whole paragraph each time.
    QTextCursor edit(&text);
    edit.beginEditBlock();
    Reader reader(rtf, document, budget ? *budget : ownBudget);
    const bool ok = reader.Run(error);
    edit.endEditBlock();
    text.setUndoRedoEnabled(undo);
    return ok;
}
