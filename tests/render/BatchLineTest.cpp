#include "BatchLine.h"

#include "RenderBatch.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(BatchLine, SplitsTheWayAShellDoes)
{
    const struct
    {
        QString line;
        QStringList words;
    } cases[] = {
        {u""_s, {}},
        {u"   \t "_s, {}},
        {u"# a comment"_s, {}},
        {u"-o a.pdf"_s, {u"-o"_s, u"a.pdf"_s}},
        {u"  -o\ta.pdf  \r"_s, {u"-o"_s, u"a.pdf"_s}},
        {u"-o 'my page.pdf'"_s, {u"-o"_s, u"my page.pdf"_s}},
        {u"-o \"my page.pdf\""_s, {u"-o"_s, u"my page.pdf"_s}},
        {u"-o my\\ page.pdf"_s, {u"-o"_s, u"my page.pdf"_s}},
        {u"'it''s'"_s, {u"its"_s}},
        {u"\"say \\\"hi\\\" \\\\ \\n\""_s, {u"say \"hi\" \\ \\n"_s}},
        {u"'a\\b'"_s, {u"a\\b"_s}},
        {u"'' x"_s, {u""_s, u"x"_s}},
        {u"-o a#b.pdf # the rest"_s, {u"-o"_s, u"a#b.pdf"_s}},
        {u"pre'fix'\"ed\""_s, {u"prefixed"_s}},
        {u"\\# x"_s, {u"#"_s, u"x"_s}},
        {u"--fill 'holidays:United Kingdom'"_s, {u"--fill"_s, u"holidays:United Kingdom"_s}},
    };
    for (const auto &c : cases) {
        const auto split = SplitBatchLine(c.line);
        ASSERT_TRUE(std::holds_alternative<QStringList>(split)) << c.line.toStdString();
        EXPECT_EQ(std::get<QStringList>(split), c.words) << c.line.toStdString();
    }
}

TEST(BatchLine, RefusesQuotesLeftOpen)
{
    for (const QString &line : {u"-o 'a.pdf"_s, u"-o \"a.pdf"_s, u"-o a.pdf\\"_s, u"\"\\\""_s}) {
        const auto split = SplitBatchLine(line);
        ASSERT_TRUE(std::holds_alternative<QString>(split)) << line.toStdString();
        EXPECT_FALSE(std::get<QString>(split).isEmpty());
    }
}

TEST(BatchLine, JobsKeepTheirLineNumbers)
{
    QByteArray text = "# jobs\n\n--month 1 -o a.pdf\n--bogus 1\n  # indented comment\n"
                      "--batch other.txt\n--jobs 2\n--help\n'open\n";
    text += QByteArray(MaxBatchLineBytes + 10, 'x') + "\n--month 2 -o b.pdf";
    QBuffer device(&text);
    ASSERT_TRUE(device.open(QIODevice::ReadOnly));
    TBatchReader reader(device);
    std::vector<TBatchJob> jobs;
    while (std::optional<TBatchJob> job = reader.Next())
        jobs.push_back(std::move(*job));
    ASSERT_EQ(jobs.size(), 8u);
    const int lines[] = {3, 4, 6, 7, 8, 9, 10, 11};
    const bool good[] = {true, false, false, false, false, false, false, true};
    for (size_t i = 0; i < jobs.size(); ++i) {
        EXPECT_EQ(jobs[i].Line, lines[i]);
        EXPECT_EQ(std::holds_alternative<TRenderOptions>(jobs[i].Options), good[i]) << i;
    }
    EXPECT_EQ(std::get<TRenderOptions>(jobs[7].Options).Output, u"b.pdf"_s);
    EXPECT_EQ(std::get<QString>(jobs[1].Options), u"unknown option --bogus"_s);
    EXPECT_TRUE(std::get<QString>(jobs[6].Options).contains(u"longer than"_s));
}
