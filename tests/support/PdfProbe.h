#pragma once

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

// A PDF looked at through the poppler tools, which a test skips without.

// Page 1 of pdf rasterised at dpi through pdftoppm into folder; a null image
// when the tool is missing or fails.
inline QImage RasterisedPdfPage(const QString &pdf, const QString &folder, int dpi)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (tool.isEmpty())
        return {};
    const QString stem = folder + QStringLiteral("/raster");
    QProcess process;
    process.start(tool, {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                         QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"),
                         QStringLiteral("-l"), QStringLiteral("1"), pdf, stem});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QImage(stem + QStringLiteral(".png"));
}

// The value of a field of pdfinfo's report ("Title", "Creator"), or null when
// the tool is missing or fails.
inline QString PdfInfoField(const QString &pdf, const QString &field)
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
