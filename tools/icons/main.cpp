// datewright-icons OUTPUT-FOLDER: renders the icon libraries the program
// ships ("activity.icl" and the others, and the bonus sets in "BonusIcons")
// from the pictures of the Noto Color Emoji font (Debian package
// fonts-noto-color-emoji), each icon one 32 x 32 image with alpha.

#include "IconImage.h"
#include "IconLibraryWriter.h"
#include "IconThemes.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

namespace {

const QString emojiFamily = QStringLiteral("Noto Color Emoji");
// The pictures are drawn large, cut to what they cover and scaled down.
constexpr int canvasSide = 160;
constexpr int glyphPixels = 109;
constexpr int margin = 1;

QRect Covered(const QImage &image)
{
    QRect covered;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) > 8)
                covered |= QRect(x, y, 1, 1);
    }
    return covered;
}

QImage RenderEmoji(const QString &emoji)
{
    QImage canvas(canvasSide, canvasSide, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QFont font(emojiFamily);
    font.setPixelSize(glyphPixels);
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.drawText(canvas.rect(), Qt::AlignCenter, emoji);
    painter.end();
    const QRect covered = Covered(canvas);
    if (covered.isEmpty())
        return {};
    // A square around the picture's middle, so it keeps its proportions.
    const int side = std::max(covered.width(), covered.height());
    QRect square(0, 0, side, side);
    square.moveCenter(covered.center());
    QImage cut(side, side, QImage::Format_ARGB32_Premultiplied);
    cut.fill(Qt::transparent);
    QPainter copy(&cut);
    copy.drawImage(QPoint(0, 0), canvas, square);
    copy.end();
    const int inner = IconSide - 2 * margin;
    QImage icon(IconSide, IconSide, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter scaled(&icon);
    scaled.setRenderHint(QPainter::SmoothPixmapTransform);
    scaled.drawImage(QRect(margin, margin, inner, inner),
                     cut.scaled(inner, inner, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    scaled.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}

bool WriteTheme(const QDir &output, const TIconTheme &theme)
{
    QList<TIconImages> icons;
    for (const QString &emoji : theme.Emoji) {
        const QImage icon = RenderEmoji(emoji);
        if (icon.isNull()) {
            std::fprintf(stderr, "%s: nothing drawn for %s\n", qPrintable(theme.FileName),
                         qPrintable(emoji));
            return false;
        }
        icons.append({icon});
    }
    const QString fileName = output.filePath(theme.FileName);
    QDir().mkpath(QFileInfo(fileName).path());
    const std::optional<QString> error =
        SaveIconLibrary(fileName, icons, QFileInfo(fileName).completeBaseName());
    if (error) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(fileName), qPrintable(*error));
        return false;
    }
    std::printf("%s: %d icons\n", qPrintable(fileName), int(icons.size()));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: datewright-icons OUTPUT-FOLDER\n");
        return 1;
    }
    if (!QFontDatabase::families().contains(emojiFamily)) {
        std::fprintf(stderr, "the font %s is not installed (fonts-noto-color-emoji)\n",
                     qPrintable(emojiFamily));
        return 1;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    bool written = true;
    for (const TIconTheme &theme : IconThemes())
        written &= WriteTheme(output, theme);
    return written ? 0 : 1;
}
