#include "PrintJobRules.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString leftLine = u"\rLeft Margin is possibly outside of Printer printable area"_s;
const QString topLine = u"\rTop Margin is possibly outside of Printer printable area"_s;
const QString rightLine = u"\rRight Margin is possibly outside of Printer printable area"_s;
const QString bottomLine = u"\rBottom Margin is possibly outside of Printer printable area"_s;

TEST(PrintJobRulesTest, UnprintableMarginsAreCutToHundredths)
{
    const struct
    {
        double inches;
        double expected;
    } cases[] = {
        {0.0, 0.0},   {0.25, 0.25}, {0.259, 0.25},      {0.2599999, 0.25},
        {0.28, 0.28}, {0.29, 0.29}, {0.57, 0.57},       {1.0, 1.0},
        {0.009, 0.0}, {0.01, 0.01}, {20.16 / 72, 0.28},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(TruncatedHundredths(c.inches), c.expected) << c.inches;
}

TEST(PrintJobRulesTest, EachSideBeyondItsMarginGetsItsLineInOrder)
{
    const QMarginsF quarter(0.25, 0.25, 0.25, 0.25);
    const struct
    {
        const char *name;
        QMarginsF unprintable;
        QMarginsF page;
        QString expected;
    } cases[] = {
        {"printable edge 0.28 inch from the left", {0.28, 0.25, 0.25, 0.25}, quarter, leftLine},
        {"0.259 counts as 0.25", {0.259, 0.259, 0.259, 0.259}, quarter, {}},
        {"equal margins pass", quarter, quarter, {}},
        {"a hundredth beyond on top and bottom",
         {0.0, 0.26, 0.0, 0.26},
         quarter,
         topLine + bottomLine},
        {"every side, left to bottom",
         {0.5, 0.5, 0.5, 0.5},
         quarter,
         leftLine + topLine + rightLine + bottomLine},
        {"right only", {0.1, 0.1, 0.3, 0.1}, quarter, rightLine},
        {"wide page margins take any printer", {0.4, 0.4, 0.4, 0.4}, {1, 1, 1, 1}, {}},
        {"zero page margins on a borderless printer", {}, {}, {}},
        {"zero page margins on a printer with an edge", {0.01, 0, 0, 0}, {}, leftLine},
        // The page keeps its margins as single-precision values.
        {"0.28 against a page margin of 0.28f", {0.28, 0, 0, 0}, {double(0.28f), 0, 0, 0}, {}},
        {"0.29 against a page margin of 0.29f",
         {0.29, 0.29, 0.29, 0.29},
         {double(0.29f), double(0.29f), double(0.29f), double(0.29f)},
         {}},
        {"0.3 against a page margin of 0.29f", {0.3, 0, 0, 0}, {double(0.29f), 0, 0, 0}, leftLine},
    };
    for (const auto &c : cases)
        EXPECT_EQ(MarginWarningLines(c.unprintable, c.page), c.expected) << c.name;
}

TEST(PrintJobRulesTest, QuestionFramesTheLines)
{
    EXPECT_EQ(MarginWarningQuestion(leftLine),
              u"Margin Warning:\r\rLeft Margin is possibly outside of Printer printable area"
              u"\r\rPrint anyways?"_s);
    EXPECT_EQ(MarginWarningCaption(), u"Margin Warning"_s);
}

TEST(PrintJobRulesTest, PrinterMakesTheCopiesWhenItCan)
{
    const struct
    {
        int deviceCopies;
        int maxCopies;
        TCopiesPlan expected;
    } cases[] = {
        {3, 99, {3, 1}}, {3, 1, {1, 3}},  {3, 3, {3, 1}}, {3, 2, {1, 3}},
        {0, 1, {1, 1}},  {-4, 1, {1, 1}}, {1, 0, {1, 1}}, {99, 9999, {99, 1}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PlanCopies(c.deviceCopies, c.maxCopies), c.expected)
            << c.deviceCopies << " of " << c.maxCopies;
}

TEST(PrintJobRulesTest, SpecialEffectTextAsksForPatience)
{
    EXPECT_EQ(PrintCompletedMessage(false), u"Print job completed and sent to printer!"_s);
    EXPECT_EQ(PrintCompletedMessage(true),
              u"Print job completed and sent to printer!\r\rNote: this design contains complex "
              u"shapes or text.\rPlease be patient while the printer produces its\routput..."_s);
}

} // namespace
