#include "ProgramArt.h"

#include "SplashForm.h"
#include "ToolGlyphs.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <gtest/gtest.h>

#include <set>

using namespace Qt::StringLiterals;

namespace {

const QColor titleBand(0xd6, 0x45, 0x3d);
const QColor marked(0x2a, 0x6f, 0xd6);

QImage Drawn(const std::function<void(QPainter &)> &draw, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    draw(painter);
    return image;
}

TEST(ProgramArtTest, PictureHasItsTitleBandMarkedDayAndEmptyCorners)
{
    // Drawn at 128 pixels: twice the 64-unit grid.
    const QImage picture =
        Drawn([](QPainter &p) { DrawProgramPicture(p, QRectF(0, 0, 128, 128)); }, 128);
    EXPECT_EQ(picture.pixelColor(64, 34), titleBand);
    EXPECT_EQ(picture.pixelColor(75, 82), marked);
    EXPECT_EQ(picture.pixelColor(60, 106), Qt::white);
    EXPECT_EQ(picture.pixelColor(2, 2).alpha(), 0);
    EXPECT_EQ(picture.pixelColor(125, 125).alpha(), 0);
    // A wide target keeps the picture square and centred.
    const QImage wide =
        Drawn([](QPainter &p) { DrawProgramPicture(p, QRectF(0, 32, 128, 64)); }, 128);
    EXPECT_EQ(wide.pixelColor(10, 64).alpha(), 0);
    EXPECT_EQ(wide.pixelColor(64, 49), titleBand);
    // The icon is the same drawing at the size asked for.
    const QImage icon = ProgramIcon().pixmap(32).toImage();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.pixelColor(16, 8), titleBand);
}

TEST(ProgramArtTest, ToolGlyphsAreDrawnAndTellApart)
{
    const TToolGlyph glyphs[] = {TToolGlyph::ZoomIn,     TToolGlyph::ZoomOut,
                                 TToolGlyph::Properties, TToolGlyph::Print,
                                 TToolGlyph::Pointer,    TToolGlyph::Label,
                                 TToolGlyph::Image,      TToolGlyph::RichText,
                                 TToolGlyph::SuperText,  TToolGlyph::FloatingCalendar};
    std::set<QByteArray> distinct;
    for (const TToolGlyph glyph : glyphs) {
        const QImage image = Drawn(
            [glyph](QPainter &p) {
                p.setRenderHint(QPainter::Antialiasing);
                p.scale(4, 4);
                DrawToolGlyph(p, glyph);
            },
            64);
        int inked = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                inked += image.pixelColor(x, y).alpha() > 0 ? 1 : 0;
        EXPECT_GT(inked, 200) << int(glyph);
        EXPECT_LT(inked, 64 * 64 - 200) << int(glyph);
        distinct.insert(
            QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()));
        // Drawn when shown, greyed out when disabled.
        const QImage normal = ToolIcon(glyph).pixmap(64).toImage();
        EXPECT_EQ(normal.convertToFormat(QImage::Format_ARGB32_Premultiplied), image) << int(glyph);
        EXPECT_NE(ToolIcon(glyph).pixmap(64, QIcon::Disabled).toImage(), normal);
    }
    EXPECT_EQ(distinct.size(), std::size(glyphs));

    // The lens of zoom in holds a plus, that of zoom out only a minus.
    const auto lens = [](TToolGlyph glyph) {
        return Drawn(
            [glyph](QPainter &p) {
                p.scale(4, 4);
                DrawToolGlyph(p, glyph);
            },
            64);
    };
    EXPECT_EQ(lens(TToolGlyph::ZoomIn).pixelColor(26, 26), marked);
    EXPECT_EQ(lens(TToolGlyph::ZoomOut).pixelColor(26, 26), marked);
    EXPECT_EQ(lens(TToolGlyph::ZoomIn).pixelColor(26, 20), marked);
    EXPECT_EQ(lens(TToolGlyph::ZoomOut).pixelColor(26, 20), Qt::white);
}

TEST(ProgramArtTest, AboutBoxIsAFixedDialogWithLogoVersionAndOk)
{
    TSplashform about;
    EXPECT_EQ(about.windowTitle(), u"About Datewright"_s);
    EXPECT_EQ(about.size(), QSize(434, 236));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(about.font().pixelSize(), 11);
    EXPECT_EQ(about.Logo->pos(), QPoint(12, 16));
    EXPECT_TRUE(about.VersionLabel->text().startsWith(u"Version "_s));
    // Regression: the box said "32-bit version" of a 64-bit program.
    EXPECT_EQ(about.BuildLabel->text(),
              sizeof(void *) == 8 ? u"64-bit version"_s : u"32-bit version"_s);
    EXPECT_FALSE(about.AboutLine1->text().isEmpty());
    EXPECT_FALSE(about.AboutLine2->text().isEmpty());
    EXPECT_EQ(about.OkButton->text(), u"Ok"_s);
    EXPECT_TRUE(about.OkButton->isDefault());
    const QImage logo = about.Logo->pixmap().toImage();
    EXPECT_EQ(logo.pixelColor(logo.width() / 2, logo.height() * 17 / 64), titleBand);

    about.show();
    about.OkButton->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}

} // namespace
