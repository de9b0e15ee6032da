#include "TextureDesigns.h"

#include "BitmapFile.h"

#include <QDir>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace {

QImage Tile(QColor background)
{
    QImage tile(TextureSide, TextureSide, QImage::Format_RGB32);
    tile.fill(background);
    return tile;
}

// Running bond: four courses of bricks, every other one shifted by half a
// brick, with light mortar joints.
QImage DrawBricks()
{
    QImage tile = Tile(QColor(222, 214, 200));
    QPainter painter(&tile);
    const int course = TextureSide / 4;
    const int brick = TextureSide / 2;
    for (int row = 0; row < 4; ++row) {
        const int shift = row % 2 == 0 ? 0 : brick / 2;
        for (int x = shift - brick; x < TextureSide; x += brick) {
            const int shade = 150 + (row * 17 + x * 5) % 40;
            painter.fillRect(x + 1, row * course + 1, brick - 2, course - 2, QColor(shade, 60, 40));
        }
    }
    return tile;
}

// A checkerboard of eight by eight squares.
QImage DrawChecks()
{
    QImage tile = Tile(QColor(250, 245, 230));
    QPainter painter(&tile);
    const int side = TextureSide / 8;
    for (int row = 0; row < 8; ++row)
        for (int column = row % 2; column < 8; column += 2)
            painter.fillRect(column * side, row * side, side, side, QColor(30, 90, 160));
    return tile;
}

// Diagonal candy stripes that meet across the tile's edges.
QImage DrawStripes()
{
    QImage tile = Tile(QColor(255, 250, 250));
    for (int y = 0; y < TextureSide; ++y)
        for (int x = 0; x < TextureSide; ++x)
            if ((x + y) % 16 < 7)
                tile.setPixelColor(x, y, QColor(200, 30, 50));
    return tile;
}

// Basket weave: blocks of threads running across and down in turn.
QImage DrawWeave()
{
    QImage tile = Tile(QColor(120, 80, 40));
    const int block = TextureSide / 4;
    for (int y = 0; y < TextureSide; ++y)
        for (int x = 0; x < TextureSide; ++x) {
            const bool across = (x / block + y / block) % 2 == 0;
            const int thread = (across ? y : x) % 4;
            const int light = thread == 3 ? 130 : 200 + thread * 15;
            tile.setPixelColor(x, y, QColor(light, light * 4 / 5, light / 2));
        }
    return tile;
}

// Polka dots on a diagonal grid.
QImage DrawDots()
{
    QImage tile = Tile(QColor(255, 236, 150));
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 130, 90));
    const double radius = 6;
    for (const QPointF centre : {QPointF(16, 16), QPointF(48, 48)})
        painter.drawEllipse(centre, radius, radius);
    for (const QPointF centre : {QPointF(48, 16), QPointF(16, 48)})
        painter.drawEllipse(centre, radius / 2, radius / 2);
    return tile;
}

// Horizontal waves in blues; one full period across the tile.
QImage DrawWaves()
{
    QImage tile = Tile(QColor(20, 60, 140));
    for (int y = 0; y < TextureSide; ++y)
        for (int x = 0; x < TextureSide; ++x) {
            const double phase = 2 * std::numbers::pi * x / TextureSide;
            const double level = std::sin(2 * std::numbers::pi * (y + 4 * std::sin(phase)) / 16);
            const int light = int(std::lrint(110 + 90 * level));
            tile.setPixelColor(x, y, QColor(light / 3, light * 2 / 3 + 40, 160 + light / 3));
        }
    return tile;
}

// Wood grain: rings around a centre beyond the tile, bent by a gentle wave.
QImage DrawWood()
{
    QImage tile = Tile(QColor(160, 110, 60));
    for (int y = 0; y < TextureSide; ++y)
        for (int x = 0; x < TextureSide; ++x) {
            const double bend = 3 * std::sin(2 * std::numbers::pi * y / TextureSide);
            const double ring = std::fmod((x + bend) / 8.0, 1.0);
            const int dark = int(std::lrint(60 * std::abs(ring - 0.5)));
            tile.setPixelColor(x, y, QColor(190 - dark, 130 - dark, 70 - dark / 2));
        }
    return tile;
}

// Marble: grey veins from a sum of sines that repeats with the tile.
QImage DrawMarble()
{
    QImage tile = Tile(Qt::white);
    const double step = 2 * std::numbers::pi / TextureSide;
    for (int y = 0; y < TextureSide; ++y)
        for (int x = 0; x < TextureSide; ++x) {
            const double turbulence = std::sin(3 * step * y) + 0.5 * std::sin(5 * step * x + 1) +
                                      0.25 * std::sin(7 * step * (x + y));
            const double vein = std::abs(std::sin(step * (x + y) + 2 * turbulence));
            const int light = int(std::lrint(150 + 100 * vein));
            tile.setPixelColor(x, y, QColor(light, light, std::min(255, light + 5)));
        }
    return tile;
}

} // namespace

std::vector<TTextureDesign> TextureDesigns()
{
    return {
        {u"Bricks"_s, DrawBricks}, {u"Checks"_s, DrawChecks},   {u"Dots"_s, DrawDots},
        {u"Marble"_s, DrawMarble}, {u"Stripes"_s, DrawStripes}, {u"Waves"_s, DrawWaves},
        {u"Weave"_s, DrawWeave},   {u"Wood"_s, DrawWood},
    };
}

QString TextureFileName(const TTextureDesign &design)
{
    return design.Name + u".bmp"_s;
}

QString WriteTextureFiles(const QString &folder, const QStringList &names)
{
    const std::vector<TTextureDesign> designs = TextureDesigns();
    for (const QString &name : names) {
        if (std::none_of(designs.begin(), designs.end(),
                         [&](const TTextureDesign &design) { return design.Name == name; }))
            return u"There is no texture named %1."_s.arg(name);
    }
    if (!QDir().mkpath(folder))
        return u"The folder %1 cannot be made."_s.arg(folder);
    for (const TTextureDesign &design : designs) {
        if (!names.isEmpty() && !names.contains(design.Name))
            continue;
        const QString fileName = QDir(folder).filePath(TextureFileName(design));
        if (const std::optional<QString> failure = SaveAsBitmapFile(design.Draw(), fileName))
            return u"%1 cannot be written: %2."_s.arg(fileName, *failure);
    }
    return {};
}
