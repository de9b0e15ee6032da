#include "ProposedNames.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(ProposedNamesTest, OnlyTheLastExtensionIsReplacedAndShortMonthNamesAreTakenWhole)
{
    EXPECT_EQ(ProposedExportName(u"/c/my.team.dwc"_s, {}, 0, u".JPG"_s), u"my.team.JPG"_s);
    EXPECT_EQ(ProposedExportName(u"/c/Team"_s, {}, 0, u".PDF"_s), u"Team.PDF"_s);
    EXPECT_EQ(ProposedDocumentName(u"/c/my.team.dwc"_s, {}, 0), u"my.team.dwc"_s);
    EXPECT_EQ(ProposedDocumentName({}, u"Mo"_s, 5), u"Mo5.DWC"_s);
}

TEST(ProposedNamesTest, PictureMessageRoundsTheZoomHalfToEven)
{
    const struct
    {
        float scale;
        const char *percent;
    } cases[] = {{0.601f, "60%"}, {1.001f, "100%"}, {0.625f, "62%"}, {0.675f, "68%"}};
    for (const auto &c : cases)
        EXPECT_TRUE(SavedAsPictureMessage(u"a"_s, c.scale).endsWith(QLatin1String(c.percent)))
            << c.scale;
}

} // namespace
