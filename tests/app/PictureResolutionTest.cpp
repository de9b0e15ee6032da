#include "PictureResolution.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(PictureResolutionTest, TheScreensResolutionComesFirstThenThePrintResolutions)
{
    EXPECT_EQ(ResolutionFilters(u"JPG File"_s, u"*.JPG"_s),
              (QStringList{u"JPG File (*.JPG)"_s, u"JPG File at 150 dots per inch (*.JPG)"_s,
                           u"JPG File at 300 dots per inch (*.JPG)"_s,
                           u"JPG File at 600 dots per inch (*.JPG)"_s}));
}

TEST(PictureResolutionTest, AFileTypeNamesItsResolutionOrTheScreens)
{
    const QStringList filters = ResolutionFilters(u"Bitmap File"_s, u"*.BMP"_s);
    const int expected[] = {0, 150, 300, 600};
    for (int i = 0; i < filters.size(); ++i)
        EXPECT_EQ(ResolutionOfFilter(filters[i]), expected[i]) << filters[i].toStdString();
    // Only the offered resolutions; anything else is the screen's.
    for (const QString &other :
         {u"Bitmap File at 72 dots per inch (*.BMP)"_s,
          u"Bitmap File at 99999999999 dots per inch (*.BMP)"_s, u"All files (*)"_s, QString()})
        EXPECT_EQ(ResolutionOfFilter(other), 0) << other.toStdString();
}

} // namespace
