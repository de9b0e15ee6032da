#include "HelpPage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

bool IsOneOf(QStringView name, std::initializer_list<QStringView> names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Elements without content: they never nest.
bool IsVoid(QStringView name)
{
    return IsOneOf(name, {u"br", u"img", u"hr", u"meta", u"link", u"input", u"col", u"area",
                          u"base", u"param", u"wbr"});
}

bool IsTablePart(QStringView name)
{
    return IsOneOf(name,
                   {u"tr", u"td", u"th", u"thead", u"tbody", u"tfoot", u"caption", u"colgroup"});
}

// An element that an element of its own kind ends when it opens (a new list
// item ends the one before), as far as the nearest of its containers.
struct TImpliedEnd
{
    QStringView Name;
    std::initializer_list<QStringView> Ends;
    std::initializer_list<QStringView> Containers;
};

const TImpliedEnd *ImpliedEndOf(QStringView name)
{
    static const TImpliedEnd ends[] = {
        {u"li", {u"li"}, {u"ul", u"ol"}},
        {u"td", {u"td", u"th"}, {u"tr", u"table"}},
        {u"th", {u"td", u"th"}, {u"tr", u"table"}},
        {u"tr", {u"tr", u"td", u"th"}, {u"table"}},
        {u"dt", {u"dt", u"dd"}, {u"dl"}},
        {u"dd", {u"dt", u"dd"}, {u"dl"}},
        {u"p", {u"p"}, {u"div", u"td", u"th", u"li", u"blockquote", u"table"}},
        {u"a", {u"a"}, {}},
        {u"option", {u"option"}, {u"select"}},
    };
    for (const TImpliedEnd &end : ends) {
        if (end.Name == name)
            return &end;
    }
    return nullptr;
}

// One tag of the page: its lower-case name, whether it closes, and whether
// it closes itself ("<br/>").
struct TTag
{
    QString Name;
    bool Closing = false;
    bool SelfClosing = false;
};

TTag ParseTag(QStringView tag)
{
    TTag parsed;
    qsizetype at = 1;
    if (at < tag.size() && tag[at] == u'/') {
        parsed.Closing = true;
        ++at;
    }
    const qsizetype start = at;
    while (at < tag.size() && (tag[at].isLetterOrNumber()))
        ++at;
    parsed.Name = tag.sliced(start, at - start).toString().toLower();
    parsed.SelfClosing = tag.size() >= 2 && tag[tag.size() - 2] == u'/';
    return parsed;
}

// Walks the tags keeping a model of the open elements, and leaves out the
// tags of elements nested too deep.
class THelpHtmlBounder
{
public:
    QString Run(const QString &html)
    {
        QString out;
        out.reserve(html.size());
        qsizetype at = 0;
        while (at < html.size()) {
            const qsizetype open = html.indexOf(u'<', at);
            if (open < 0) {
                AppendText(out, QStringView(html).sliced(at));
                break;
            }
            AppendText(out, QStringView(html).sliced(at, open - at));
            if (!StartsTag(QStringView(html).sliced(open))) {
                // Not a tag: the layout would nest it as an unknown element
                // that never ends, at a cost growing with the square of
                // their number.
                AppendText(out, QStringView(html).sliced(open, 1));
                at = open + 1;
                continue;
            }
            const qsizetype close = TagEnd(html, open);
            const QStringView tag = QStringView(html).sliced(open, close - open);
            if (Keep(tag))
                out += tag;
            at = close;
        }
        return out;
    }

private:
    struct TOpen
    {
        QString Name;
        bool Kept = false;
    };

    // Text between tags, with a zero-width space after every
    // MaxHelpWordLength letters of one word: the layout breaks an endless
    // word at a cost that grows with the square of its length. A "<" in it,
    // which starts no tag, is written as the text it is.
    void AppendText(QString &out, QStringView text)
    {
        for (const QChar c : text) {
            if (c == u'<')
                out += u"&lt;"_s;
            else
                out += c;
            m_wordLength = c.isSpace() ? 0 : m_wordLength + 1;
            if (m_wordLength == MaxHelpWordLength) {
                out += QChar(0x200B);
                m_wordLength = 0;
            }
        }
    }

    // Whether text, starting with "<", starts a tag, a comment or a
    // declaration.
    static bool StartsTag(QStringView text)
    {
        return text.size() >= 2 &&
               (text[1].isLetter() || text[1] == u'/' || text[1] == u'!' || text[1] == u'?');
    }

    // Past the end of the tag or comment starting at open.
    static qsizetype TagEnd(const QString &html, qsizetype open)
    {
        if (QStringView(html).sliced(open).startsWith(u"<!--")) {
            const qsizetype end = html.indexOf(u"-->", open + 4);
            return end < 0 ? html.size() : end + 3;
        }
        const qsizetype end = html.indexOf(u'>', open + 1);
        return end < 0 ? html.size() : end + 1;
    }

    // Whether the tag stays. Every tag that opens something counts, whatever
    // it is, and past MaxHelpTags none stays; the end of an element kept
    // always stays. Named anchors have a limit of their own, so that every
    // topic up to it can be opened, however many tags come before it.
    bool Keep(QStringView tag)
    {
        if (!(tag[1].isLetter() || tag[1] == u'/'))
            return Counted(); // comments and declarations
        const TTag parsed = ParseTag(tag);
        if (parsed.Closing)
            return m_named.value(parsed.Name) == 0 ? Counted() : Close(parsed.Name);
        if (parsed.Name == u"img" && m_pictures++ >= MaxHelpPictures)
            return false;
        if (IsVoid(parsed.Name) || parsed.SelfClosing)
            return Counted();
        EndImplied(parsed.Name);
        const bool kept = parsed.Name == u"a"
                              ? (IsNamedAnchor(tag) ? m_anchors++ < MaxHelpAnchors : Counted())
                              : m_depth < MaxHelpDepth &&
                                    !(parsed.Name == u"table" && m_tables >= MaxHelpTableDepth) &&
                                    !(IsTablePart(parsed.Name) && InDroppedTable()) &&
                                    !(parsed.Name == u"li" && m_listItems++ >= MaxHelpListItems) &&
                                    Counted();
        Push({parsed.Name, kept});
        return kept;
    }

    // Takes one of the MaxHelpTags tags a page may keep; false when none is
    // left.
    bool Counted()
    {
        if (m_tags >= MaxHelpTags)
            return false;
        ++m_tags;
        return true;
    }

    static bool IsNamedAnchor(QStringView tag)
    {
        static const QRegularExpression name(u"\\sname\\s*="_s,
                                             QRegularExpression::CaseInsensitiveOption);
        return name.match(tag.toString()).hasMatch();
    }

    void Push(const TOpen &element)
    {
        m_open.push_back(element);
        ++m_named[element.Name];
        if (element.Name == u"table")
            m_tablesKept.push_back(element.Kept);
        if (element.Kept) {
            ++m_depth;
            m_tables += element.Name == u"table" ? 1 : 0;
        }
    }

    // Closes the innermost open element and reports whether it was kept.
    bool Pop()
    {
        const TOpen element = m_open.back();
        m_open.pop_back();
        --m_named[element.Name];
        if (element.Name == u"table")
            m_tablesKept.pop_back();
        if (element.Kept) {
            --m_depth;
            m_tables -= element.Name == u"table" ? 1 : 0;
        }
        return element.Kept;
    }

    // An end tag closes its open element and every one opened inside it.
    // One without an open element is passed on (counted), to be ignored as
    // browsers do.
    bool Close(const QString &name)
    {
        while (m_open.back().Name != name)
            Pop();
        return Pop();
    }

    void EndImplied(const QString &name)
    {
        const TImpliedEnd *end = ImpliedEndOf(name);
        if (!end || std::none_of(end->Ends.begin(), end->Ends.end(), [this](QStringView ended) {
                return m_named.value(ended.toString()) > 0;
            }))
            return;
        for (auto it = m_open.rbegin(); it != m_open.rend(); ++it) {
            if (IsOneOf(it->Name, end->Containers))
                return;
            if (IsOneOf(it->Name, end->Ends)) {
                const size_t index = size_t(m_open.rend() - it) - 1;
                while (m_open.size() > index)
                    Pop();
                return;
            }
        }
    }

    bool InDroppedTable() const { return !m_tablesKept.empty() && !m_tablesKept.back(); }

    std::vector<TOpen> m_open;
    std::vector<bool> m_tablesKept; // whether each open table was kept
    QHash<QString, int> m_named;    // open elements by name
    int m_wordLength = 0;           // letters of the word the text ends in
    int m_tags = 0;                 // tags kept that count
    int m_anchors = 0;              // named anchors met
    int m_pictures = 0;             // pictures met
    int m_listItems = 0;            // list items met
    int m_depth = 0;                // kept elements open
    int m_tables = 0;               // kept tables open
};

} // namespace

QString BoundedHelpHtml(const QString &html)
{
    return THelpHtmlBounder().Run(html);
}

QVariant LoadHelpResource(const QUrl &name, const QString &folder)
{
    if (!name.isRelative() && !name.isLocalFile())
        return {};
    const QString root = QFileInfo(folder).canonicalFilePath();
    const QString path = name.isLocalFile() ? name.toLocalFile() : name.path();
    const QString real = QFileInfo(QDir(folder).filePath(path)).canonicalFilePath();
    const QFileInfo file(real);
    if (root.isEmpty() || !real.startsWith(root + u'/') || !file.isFile() ||
        file.size() > MaxHelpResourceBytes)
        return {};
    QFile resource(real);
    if (!resource.open(QIODevice::ReadOnly))
        return {};
    return resource.read(MaxHelpResourceBytes);
}

THelpDocument::THelpDocument(const QString &folder, QObject *parent)
    : QTextDocument(parent), m_folder(folder)
{}

QVariant THelpDocument::loadResource(int, const QUrl &name)
{
    return LoadHelpResource(name, m_folder);
}
