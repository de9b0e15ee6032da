#include "HelpPage.h"

#include "HelpViewer.h"
#include "HostileInput.h"
#include "SettingsTestSupport.h"

#include <QImage>
#include <QPainter>
#include <QTextBrowser>
#include <QTextFrame>
#include <QTextTable>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// How deep tables nest in frame and its children.
int TableDepth(const QTextFrame &frame)
{
    int deepest = 0;
    for (const QTextFrame *child : frame.childFrames())
        deepest = std::max(deepest, TableDepth(*child));
    return deepest + (qobject_cast<const QTextTable *>(&frame) ? 1 : 0);
}

void WriteHelp(const TSettingsFolder &folder, const QByteArray &bytes)
{
    QFile file(folder.Path(u"DW.HLP"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

// Regression: a help file of thousands of nested tables overflowed the stack
// in the layout when the help window opened.
TEST(HelpPageTest, DeeplyNestedTablesOpenFlattenedAtTheirTopic)
{
    TSettingsFolder folder;
    WriteHelp(folder, NestedTablesHelp(3000));
    THelpViewer *viewer = ShowHelpContext(2100);
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->ShownAnchor(), u"2100"_s);
    const QTextDocument &page = *viewer->Browser()->document();
    EXPECT_EQ(TableDepth(*page.rootFrame()), MaxHelpTableDepth);
    EXPECT_TRUE(page.toPlainText().contains(u"deep inside"_s));
    viewer->close();
}

// Regression: a picture or style sheet naming /dev/zero grew the help
// window's memory without bound.
TEST(HelpPageTest, PicturesComeOnlyFromPlainFilesInTheHelpFolder)
{
    TSettingsFolder folder;
    QImage dot(2, 2, QImage::Format_RGB32);
    dot.fill(Qt::red);
    ASSERT_TRUE(dot.save(folder.Path(u"dot.png"_s)));
    QDir().mkdir(folder.Path(u"pictures"_s));
    ASSERT_TRUE(dot.save(folder.Path(u"pictures/dot.png"_s)));
    QFile large(folder.Path(u"large.png"_s));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly) && large.resize(MaxHelpResourceBytes + 1));
    large.close();
    ASSERT_TRUE(QFile::link(u"/etc/passwd"_s, folder.Path(u"out.png"_s)));
    ASSERT_TRUE(QFile::link(folder.Path(u"dot.png"_s), folder.Path(u"in.png"_s)));

    const struct
    {
        QString name;
        bool loaded;
    } cases[] = {
        {u"dot.png"_s, true},
        {u"pictures/dot.png"_s, true},
        {u"in.png"_s, true},
        {u"/dev/zero"_s, false},
        {u"file:///dev/zero"_s, false},
        {u"../../../../../../dev/zero"_s, false},
        {u"/etc/passwd"_s, false},
        {u"out.png"_s, false},
        {u"large.png"_s, false},
        {u"pictures"_s, false},
        {u"http://example.org/dot.png"_s, false},
    };
    const QString helpFolder = QFileInfo(folder.Path(u"DW.HLP"_s)).absolutePath();
    for (const auto &c : cases)
        EXPECT_EQ(LoadHelpResource(QUrl(c.name), helpFolder).isValid(), c.loaded)
            << c.name.toStdString();

    WriteHelp(folder, EndlessPictureHelp());
    THelpViewer *viewer = ShowHelpContents();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->Browser()->document()->toPlainText().contains(u"cell"_s));
    viewer->close();
}

TEST(HelpPageTest, BoundedHtmlKeepsTextAndAnchorsOfWhatNestsTooDeep)
{
    const auto nested = [](const QString &tag, int depth) {
        QString html;
        for (int i = 0; i < depth; ++i)
            html += u"<"_s + tag + u">"_s;
        html += u"<a name=\"7\">x</a>"_s;
        for (int i = 0; i < depth; ++i)
            html += u"</"_s + tag + u">"_s;
        return html;
    };
    const struct
    {
        QString html;
        QString tag;
        int kept;
    } cases[] = {
        {nested(u"div"_s, 10), u"<div>"_s, 10},
        {nested(u"div"_s, 5000), u"<div>"_s, MaxHelpDepth},
        {nested(u"blockquote"_s, 100), u"<blockquote>"_s, MaxHelpDepth},
        // Siblings do not nest: a list of many items keeps them all.
        {u"<ul>"_s + u"<li>item"_s.repeated(500) + u"</ul>"_s, u"<li>"_s, 500},
        {u"<p>x</p>"_s.repeated(MaxHelpTags + 10), u"<p>"_s, MaxHelpTags},
    };
    for (const auto &c : cases) {
        const QString bounded = BoundedHelpHtml(c.html);
        EXPECT_EQ(bounded.count(c.tag), c.kept) << c.html.left(60).toStdString();
        if (c.html.contains(u"name=\"7\""_s)) {
            EXPECT_TRUE(bounded.contains(u"<a name=\"7\">x</a>"_s));
        }
    }
    // An endless word gets places to break.
    const QString word(1000, u'w');
    const QString broken = BoundedHelpHtml(word);
    EXPECT_EQ(broken.count(QChar(0x200B)), 1000 / MaxHelpWordLength);
    EXPECT_EQ(QString(broken).remove(QChar(0x200B)), word);
}

// Regression: help files far under the size limit froze the viewer for
// seconds, the time growing with the square of the tags the limits let
// through uncounted: anchors, pictures and tags starting with a digit.
TEST(HelpPageTest, EveryTagCountsAndWhatStartsNoTagIsText)
{
    const struct
    {
        THelpFlood kind;
        QString tag;
        int kept;
    } cases[] = {
        {THelpFlood::Anchors, u"<a name="_s, MaxHelpAnchors}, // the contents among them
        {THelpFlood::Pictures, u"<img "_s, MaxHelpPictures},
        {THelpFlood::DigitTags, u"<0>"_s, 0},
    };
    for (const auto &c : cases) {
        const QString bounded = BoundedHelpHtml(QString::fromLatin1(HelpFlood(c.kind)));
        EXPECT_EQ(bounded.count(c.tag), c.kept) << HelpFloodName(c.kind);
    }
    // "<0>" is no tag: it shows as written, however many there are.
    THelpDocument page(u"/nonexistent-help-folder"_s);
    page.setHtml(BoundedHelpHtml(u"a<0>b< c<1"_s));
    EXPECT_EQ(page.toPlainText(), u"a<0>b< c<1"_s);
    // A list keeps its first MaxHelpListItems items as items, the rest as text.
    const QString list =
        BoundedHelpHtml(u"<ul>"_s + u"<li>x</li>"_s.repeated(MaxHelpListItems + 5) + u"</ul>"_s);
    EXPECT_EQ(list.count(u"<li>"_s), MaxHelpListItems);
    EXPECT_EQ(list.count(u"x"_s), MaxHelpListItems + 5);
    // Past MaxHelpTags tags no tag stays, whatever it is; the text does.
    for (const QString &tag : {u"<br>"_s, u"<!-- -->"_s, u"</x>"_s, u"<a href=\"#1\">"_s}) {
        const QString many = BoundedHelpHtml((tag + u'y').repeated(MaxHelpTags + 10));
        EXPECT_EQ(many.count(tag), MaxHelpTags) << tag.toStdString();
        EXPECT_EQ(many.count(u'y'), MaxHelpTags + 10) << tag.toStdString();
    }
}
