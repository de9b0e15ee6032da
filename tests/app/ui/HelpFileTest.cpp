#include "HelpFile.h"

#include "HelpViewer.h"
#include "SettingsTestSupport.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

THelpFile ShippedHelp()
{
    THelpFile help;
    EXPECT_FALSE(ReadHelpFile(QStringLiteral(DW_HELP_SOURCE), help).has_value());
    return help;
}

TEST(HelpFileTest, ShippedFileHasATopicForEveryContextTheProgramOpens)
{
    const THelpFile help = ShippedHelp();
    ASSERT_TRUE(help.Html.contains(u"<a name=\"contents\">"_s));
    const int contexts[] = {2100, 2101, 2102,  2103,  2104,  2105,  2106,  2107,
                            2108, 3109, 40003, 40004, 40012, 40013, 40014, 40015};
    for (const int context : contexts) {
        EXPECT_TRUE(help.Topics.contains(context)) << context;
        EXPECT_EQ(HelpAnchor(help, context), QString::number(context));
        // Reachable from the contents, and more than a heading.
        EXPECT_TRUE(help.Html.contains(u"href=\"#%1\""_s.arg(context))) << context;
        const qsizetype start = help.Html.indexOf(u"<a name=\"%1\">"_s.arg(context));
        const qsizetype end = help.Html.indexOf(u"<hr>"_s, start);
        EXPECT_GT((end < 0 ? help.Html.size() : end) - start, 250) << context;
    }
    // Every topic of the file is listed in the contents.
    for (const int topic : help.Topics)
        EXPECT_TRUE(help.Html.contains(u"href=\"#%1\""_s.arg(topic))) << topic;
}

TEST(HelpFileTest, TopicsAreFoundWhateverTheSpellingAndUnknownOnesOpenTheContents)
{
    const THelpFile help =
        ParseHelpText("<A NAME=\"12\">x</A><a  name = \"7\"><a name=\"12\"><a name=\"x9\">"
                      "<a name=\"12345678901\"><a name=\"contents\">");
    EXPECT_EQ(help.Topics, (QList<int>{12, 7}));
    EXPECT_EQ(HelpAnchor(help, 7), u"7"_s);
    EXPECT_EQ(HelpAnchor(help, 8), u"contents"_s);
    EXPECT_EQ(HelpAnchor(help, 0), u"contents"_s);
    // Cut-off and foreign bytes are no trouble.
    EXPECT_TRUE(ParseHelpText("<a name=\"21").Topics.isEmpty());
    EXPECT_EQ(ParseHelpText("\xff\x81<a name=\"3\">\x9d").Topics, QList<int>{3});
}

TEST(HelpFileTest, ViewerOpensAtTheTopicOrTheContents)
{
    TSettingsFolder folder;
    // Found regardless of letter case, like every file beside the program.
    ASSERT_TRUE(QFile::copy(QStringLiteral(DW_HELP_SOURCE), folder.Path(u"dw.hlp"_s)));

    THelpViewer *viewer = ShowHelpContext(40015);
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->ShownAnchor(), u"40015"_s);
    QApplication::processEvents();
    const int atTopic = viewer->Browser()->verticalScrollBar()->value();
    EXPECT_GT(atTopic, 0);

    EXPECT_EQ(ShowHelpContents(), viewer);
    EXPECT_EQ(viewer->ShownAnchor(), u"contents"_s);
    EXPECT_EQ(viewer->Browser()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(ShowHelpContext(999), viewer);
    EXPECT_EQ(viewer->ShownAnchor(), u"contents"_s);
    EXPECT_TRUE(folder.Messages.isEmpty());
    viewer->close();
}

TEST(HelpFileTest, EscClosesTheHelpWindow)
{
    // Regression: Esc left the help window open.
    TSettingsFolder folder;
    ASSERT_TRUE(QFile::copy(QStringLiteral(DW_HELP_SOURCE), folder.Path(u"DW.HLP"_s)));
    THelpViewer *viewer = ShowHelpContents();
    ASSERT_NE(viewer, nullptr);
    viewer->activateWindow();
    QApplication::setActiveWindow(viewer);
    ASSERT_TRUE(QTest::qWaitFor([viewer] { return QApplication::activeWindow() == viewer; }));
    QTest::keyClick(viewer->Browser(), Qt::Key_Escape);
    EXPECT_FALSE(viewer->isVisible());
}

TEST(HelpFileTest, MissingHelpFileIsTold)
{
    TSettingsFolder folder;
    EXPECT_EQ(ShowHelpContext(2100), nullptr);
    ASSERT_EQ(folder.Messages.size(), 1);
    EXPECT_TRUE(folder.Messages[0].startsWith(u"Unable to open the help file "_s));
    EXPECT_TRUE(folder.Messages[0].contains(u"DW.HLP"_s));
}

} // namespace
