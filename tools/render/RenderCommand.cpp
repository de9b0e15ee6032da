#include "RenderCommand.h"

#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "GeometryJson.h"
#include "RenderOptions.h"
#include "StoredPageValues.h"

#include <QFileInfo>

#include <cstdio>

namespace {

int Fail(const QString &message)
{
    std::fprintf(stderr, "datewright-render: %s\n", qPrintable(message));
    return 1;
}

// "page.png" for one page, "page-3.png" for the third of several.
QString NumberedFileName(const QString &fileName, int number, int count)
{
    if (count == 1)
        return fileName;
    const QFileInfo info(fileName);
    const QString stem = info.path() + u'/' + info.completeBaseName();
    return QStringLiteral("%1-%2.%3").arg(stem).arg(number).arg(info.suffix());
}

QString WritePicture(TCalendarPage &page, const QString &fileName)
{
    const QImage picture = PictureInsideMargins(page, RenderPageImage(page));
    if (picture.isNull())
        return QStringLiteral("the margins leave no picture to write");
    const QByteArray format = QFileInfo(fileName).suffix().toLower() == u"bmp" ? "BMP" : "PNG";
    if (!picture.save(fileName, format.constData()))
        return QStringLiteral("cannot write %1").arg(fileName);
    return {};
}

QString CheckOutput(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (fileName.isEmpty() || suffix == u"png" || suffix == u"bmp")
        return {};
    return QStringLiteral("cannot write \"%1\" files: use .png or .bmp").arg(suffix);
}

} // namespace

int RunRenderCommand(const QStringList &arguments)
{
    const auto parsed = ParseRenderOptions(arguments);
    if (const QString *error = std::get_if<QString>(&parsed))
        return Fail(*error);
    const TRenderOptions &options = std::get<TRenderOptions>(parsed);
    if (options.Help) {
        std::fputs(qPrintable(RenderUsage()), stdout);
        return 0;
    }
    if (!options.Document.isEmpty() || !options.StyleSheet.isEmpty())
        return Fail(QStringLiteral("reading documents and style sheets is not available yet"));
    if (const QString error = CheckOutput(options.Output); !error.isEmpty())
        return Fail(error);

    TCalendarPage page;
    ApplyMainPageValues(page);
    page.ResetStyle();
    if (const QString error = ApplyRenderOptions(options, page); !error.isEmpty())
        return Fail(error);

    for (int number = 1; number <= options.Count; ++number) {
        if (number > 1)
            AdvancePage(page);
        if (!options.Output.isEmpty()) {
            const QString fileName = NumberedFileName(options.Output, number, options.Count);
            if (const QString error = WritePicture(page, fileName); !error.isEmpty())
                return Fail(error);
        }
        if (options.Geometry && number == 1) {
            RenderPageImage(page);
            std::printf("%s\n", GeometryJson(page).constData());
        }
    }
    return 0;
}
