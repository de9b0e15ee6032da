#include "HelpFile.h"

#include "HelpViewer.h"
#include "SettingsTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

THelpFile ShippedHelp(const QString &fileName = QStringLiteral(DW_HELP_SOURCE))
{
    THelpFile help;
    EXPECT_FALSE(ReadHelpFile(fileName, help).has_value());
    return help;
}

// The targets of the file's own links ("#2106"), each once.
QStringList LinkTargets(const QString &html)
{
    static const QRegularExpression link(u"href=\"#([^\"]+)\""_s);
    QStringList targets;
    for (const QRegularExpressionMatch &match : link.globalMatch(html))
        targets << match.captured(1);
    targets.removeDuplicates();
    return targets;
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

TEST(HelpFileTest, TheGermanHelpHasEveryTopicAndItsLinksLeadWhereTheEnglishOnesDo)
{
    const THelpFile english = ShippedHelp();
    const THelpFile german = ShippedHelp(QStringLiteral(DW_HELP_DE_SOURCE));
    EXPECT_EQ(german.Topics, english.Topics);
    EXPECT_EQ(LinkTargets(german.Html), LinkTargets(english.Html));
    for (const THelpFile *help : {&english, &german}) {
        for (const QString &target : LinkTargets(help->Html))
            EXPECT_TRUE(help->Html.contains(u"<a name=\"%1\">"_s.arg(target)))
                << target.toStdString();
    }
    EXPECT_TRUE(german.Html.contains(u"<h1>Datewright-Hilfe</h1>"_s));
    // The letters written as entities read as letters in the viewer.
    QTextDocument shown;
    shown.setHtml(german.Html);
    EXPECT_TRUE(shown.toPlainText().contains(u"Zur\u00fcck zum Inhalt"_s));
    EXPECT_TRUE(shown.toPlainText().contains(u"\u201eder zweite Sonntag im Mai\u201c"_s));
}

TEST(HelpFileTest, AGermanInterfaceOpensTheGermanHelpTheOthersTheEnglish)
{
    TSettingsFolder folder;
    for (const QString &name : {u"DW.HLP"_s, u"DW_de.HLP"_s})
        ASSERT_TRUE(QFile(folder.Path(name)).open(QIODevice::WriteOnly));
    EXPECT_EQ(HelpFileName(u"de"_s), folder.Path(u"DW_de.HLP"_s));
    for (const QString &language : {u"en"_s, u"fr"_s, u"it"_s, u"es"_s})
        EXPECT_EQ(HelpFileName(language), folder.Path(u"DW.HLP"_s)) << language.toStdString();
    ASSERT_TRUE(QFile::remove(folder.Path(u"DW_de.HLP"_s)));
    EXPECT_EQ(HelpFileName(u"de"_s), folder.Path(u"DW.HLP"_s)) << "the English where no German";
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
