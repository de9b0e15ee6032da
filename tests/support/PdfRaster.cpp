#include "PdfRaster.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

bool IsInk(const QImage &image, int x, int y)
{
    return image.valid(x, y) && image.pixelColor(x, y).lightness() < 128;
}

} // namespace

int PdfPageCount(const QByteArray &pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    int count = 0;
    for (auto match = page.globalMatch(QString::fromLatin1(pdf)); match.hasNext(); match.next())
        ++count;
    return count;
}

QImage RasterisedFirstPage(const QString &pdf, const QString &folder, int dpi)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (tool.isEmpty())
        return {};
    const QString stem = folder + QStringLiteral("/raster");
    QProcess process;
    process.start(
        tool, {"-r", QString::number(dpi), "-png", "-singlefile", "-f", "1", "-l", "1", pdf, stem});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QImage(stem + QStringLiteral(".png"));
}

int InkIn(const QImage &image, const QRect &rect)
{
    int ink = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            ink += IsInk(image, x, y) ? 1 : 0;
    return ink;
}

QRect InkBounds(const QImage &image, const QRect &area)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (IsInk(image, x, y))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QString PdfInfoField(const QString &pdf, const QString &field)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    const QString prefix = field + u':';
    for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split(u'\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed();
    }
    return QStringLiteral("");
}

QString PdfText(const QString &pdf)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool,
                  {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}
