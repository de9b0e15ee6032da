#include "BorderDesigns.h"

#include "WmfTestSupport.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int dpi = 72;
constexpr double calendarInset = 0.47; // the calendar keeps this clear of the border's rectangle

struct Case
{
    TBorderDesign design;
    TBorderOrientation orientation;
};

std::vector<Case> AllCases()
{
    std::vector<Case> cases;
    for (const TBorderDesign &design : BorderDesigns())
        for (const auto orientation : {TBorderOrientation::Portrait, TBorderOrientation::Landscape})
            cases.push_back({design, orientation});
    return cases;
}

std::string NameOf(const Case &c)
{
    return (c.design.Name + (c.orientation == TBorderOrientation::Portrait ? ".wpo" : ".wls"))
        .toStdString();
}

QRect Inset(const QRect &rect, double inches)
{
    const int by = int(inches * dpi);
    return rect.adjusted(by, by, -by, -by);
}

TEST(BorderDesigns, EachPictureReadsWithItsFrame)
{
    for (const Case &c : AllCases()) {
        QString error;
        const auto picture = TWmfPicture::Read(BorderPicture(c.design, c.orientation), error);
        ASSERT_TRUE(picture) << NameOf(c) << ": " << error.toStdString();
        const QSizeF inches = BorderFrameInches(c.orientation);
        EXPECT_EQ(picture->Frame(), QRectF(0, 0, inches.width() * 1000, inches.height() * 1000))
            << NameOf(c);
        EXPECT_EQ(picture->UnitsPerInch(), 1000) << NameOf(c);
    }
}

TEST(BorderDesigns, InkStaysInTheEdgeBandOfTheFrame)
{
    for (const Case &c : AllCases()) {
        // The frame at 72 dpi inside a wider white margin.
        const QSizeF inches = BorderFrameInches(c.orientation);
        const QRect frame(20, 20, int(inches.width() * dpi), int(inches.height() * dpi));
        const QImage image = PlayedImage(BorderPicture(c.design, c.orientation),
                                         frame.size() + QSize(40, 40), QRectF(frame));
        const QRect outside = frame.adjusted(-1, -1, 1, 1);
        EXPECT_EQ(PaintIn(image, image.rect()) - PaintIn(image, outside), 0) << NameOf(c);
        EXPECT_EQ(PaintIn(image, Inset(frame, 0.42)), 0) << NameOf(c);
        // Every side's band holds ink along its middle third.
        const int band = int(0.4 * dpi);
        const QRect sides[] = {
            {frame.left() + frame.width() / 3, frame.top(), frame.width() / 3, band},
            {frame.right() - band, frame.top() + frame.height() / 3, band, frame.height() / 3},
            {frame.left() + frame.width() / 3, frame.bottom() - band, frame.width() / 3, band},
            {frame.left(), frame.top() + frame.height() / 3, band, frame.height() / 3}};
        for (const QRect &side : sides)
            EXPECT_GT(PaintIn(image, side), side.width() * side.height() / 20) << NameOf(c);
        // And every corner.
        const QRect corner(frame.topLeft(), QSize(band, band));
        EXPECT_GT(PaintIn(image, corner), band * band / 10) << NameOf(c);
    }
}

TEST(BorderDesigns, StretchedOverAnA4PageTheCalendarAreaStaysClear)
{
    // A4 inside half-inch margins: 7.27 x 10.69 inches, the tallest stretch.
    for (const Case &c : AllCases()) {
        QSize size(int(7.27 * dpi), int(10.69 * dpi));
        if (c.orientation == TBorderOrientation::Landscape)
            size.transpose();
        const QImage image = PlayedImage(BorderPicture(c.design, c.orientation), size);
        EXPECT_EQ(PaintIn(image, Inset(image.rect(), calendarInset)), 0) << NameOf(c);
        EXPECT_GT(PaintIn(image, image.rect()), 0) << NameOf(c);
    }
}

TEST(BorderDesigns, DesignsAreDistinctAndNamedForFiles)
{
    QSet<QString> names;
    QSet<QByteArray> pictures;
    for (const TBorderDesign &design : BorderDesigns()) {
        EXPECT_FALSE(design.Name.contains(' ')) << design.Name.toStdString();
        EXPECT_TRUE(design.Name.front().isUpper()) << design.Name.toStdString();
        names.insert(design.Name.toLower());
        pictures.insert(BorderPicture(design, TBorderOrientation::Portrait));
    }
    EXPECT_GE(BorderDesigns().size(), 4u);
    EXPECT_EQ(size_t(names.size()), BorderDesigns().size());
    EXPECT_EQ(size_t(pictures.size()), BorderDesigns().size());
}

TEST(BorderDesigns, WritesAPortraitAndALandscapeFilePerName)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString borders = folder.filePath("Borders");
    EXPECT_EQ(WriteBorderFiles(borders, {"Holly", "Classic"}), QString());
    EXPECT_EQ(QDir(borders).entryList(QDir::Files, QDir::Name),
              QStringList({"Classic.wls", "Classic.wpo", "Holly.wls", "Holly.wpo"}));
    QFile portrait(QDir(borders).filePath("Holly.wpo"));
    ASSERT_TRUE(portrait.open(QIODevice::ReadOnly));
    const std::vector<TBorderDesign> designs = BorderDesigns();
    const auto holly = std::find_if(designs.begin(), designs.end(),
                                    [](const TBorderDesign &d) { return d.Name == "Holly"; });
    ASSERT_NE(holly, designs.end());
    EXPECT_EQ(portrait.readAll(), BorderPicture(*holly, TBorderOrientation::Portrait));

    // An unknown name writes nothing and says which.
    const QString other = folder.filePath("Other");
    EXPECT_EQ(WriteBorderFiles(other, {"Classic", "Paisley"}),
              QString("There is no border named Paisley."));
    EXPECT_TRUE(QDir(other).entryList(QDir::Files).isEmpty());

    // No names: every design.
    EXPECT_EQ(WriteBorderFiles(other, {}), QString());
    EXPECT_EQ(size_t(QDir(other).entryList(QDir::Files).size()), 2 * BorderDesigns().size());
}

} // namespace
