#include "RenderCommand.h"

#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "CalendarSet.h"
#include "FillSource.h"
#include "GeometryJson.h"
#include "Messages.h"
#include "PageInfoJson.h"
#include "PdfExport.h"
#include "PictureExport.h"
#include "ProgramFolder.h"
#include "RenderOptions.h"
#include "SaveFiles.h"
#include "StoredPageValues.h"

#include <QFileInfo>

#include <cmath>
#include <cstdio>

namespace {

QString Suffix(const QString &fileName)
{
    return QFileInfo(fileName).suffix().toLower();
}

QString ReadErrorText(const QString &fileName, const ReadError &error)
{
    return QStringLiteral("cannot read %1: %2 (at byte %3)")
        .arg(fileName, error.what)
        .arg(error.offset);
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

QString CheckFileNames(const TRenderOptions &options)
{
    static const QStringList outputs{QStringLiteral("png"), QStringLiteral("bmp"),
                                     QStringLiteral("jpg"), QStringLiteral("pdf")};
    if (!options.Output.isEmpty() && !outputs.contains(Suffix(options.Output)))
        return QStringLiteral("cannot write \"%1\" files: use .png, .bmp, .jpg or .pdf")
            .arg(Suffix(options.Output));
    if (options.Dpi && (options.Output.isEmpty() || Suffix(options.Output) == u"pdf"))
        return QStringLiteral("--dpi sets the resolution of .png, .bmp and .jpg pictures");
    const QString save = Suffix(options.Save);
    if (!options.Save.isEmpty() && save != u"dwc" && save != u"dws")
        return QStringLiteral("--save writes .DWC documents or .DWS style sheets");
    return {};
}

// The page the options start from: the document, or the default style today.
QString StartPage(const TRenderOptions &options, TCalendarPage &page)
{
    if (options.Document.isEmpty()) {
        ApplyMainPageValues(page);
        page.ResetStyle();
    } else if (const auto error = page.LoadFromFile(options.Document)) {
        return ReadErrorText(options.Document, *error);
    } else if (const QString refused = page.RefusedPicturesMessage(); !refused.isEmpty()) {
        ShowInformation(refused);
    }
    if (!options.StyleSheet.isEmpty()) {
        if (const auto error = page.LoadStyleSheet(options.StyleSheet))
            return ReadErrorText(options.StyleSheet, *error);
        page.Relayout(false);
    }
    return {};
}

QString WritePicture(TCalendarPage &page, const QString &fileName, std::optional<int> dpi)
{
    const QImage bitmap = RenderToBitmap(page);
    QImage picture = PictureInsideMargins(page, bitmap);
    if (picture.isNull())
        return QStringLiteral("the margins leave no picture to write");
    if (dpi) {
        // A PNG file carries its resolution.
        const int dotsPerMetre = int(std::lrint(*dpi / 0.0254));
        picture.setDotsPerMeterX(dotsPerMetre);
        picture.setDotsPerMeterY(dotsPerMetre);
    }
    const QString suffix = Suffix(fileName);
    if (suffix == u"png") {
        const std::optional<QString> failure = SaveImageFile(picture, fileName, "PNG");
        return failure ? QStringLiteral("cannot write %1: %2").arg(fileName, *failure) : QString();
    }
    const bool written = SaveCalendarToBitmap(page, bitmap, fileName, suffix == u"jpg");
    return written ? QString() : QStringLiteral("cannot write %1").arg(fileName);
}

QString WritePictures(const TCalendarSet &set, const TRenderOptions &options)
{
    const std::unique_ptr<TCalendarPage> page = set.Page(0);
    for (int index = 0; index < set.Count(); ++index) {
        if (index > 0)
            set.MovePage(*page, index);
        const QString fileName = NumberedFileName(options.Output, index + 1, set.Count());
        if (QString error = WritePicture(*page, fileName, options.Dpi); !error.isEmpty())
            return error;
    }
    return {};
}

// The pages as one PDF on the page's own paper, one page each.
QString WritePdf(const TCalendarPage &document, const TCalendarSet &set,
                 const TRenderOptions &options)
{
    const QString title = PdfTitle(document, options.Document);
    const std::unique_ptr<TCalendarPage> page = set.Page(0);
    int index = 0;
    const auto nextPage = [&set, &index](TCalendarPage &sheet) { set.MovePage(sheet, ++index); };
    if (const auto error = SavePageAsPdf(*page, options.Output, title, set.Count(), nextPage))
        return QStringLiteral("cannot write %1: %2").arg(options.Output, *error);
    return {};
}

QString Save(const TCalendarPage &page, const QString &fileName)
{
    const auto error =
        Suffix(fileName) == u"dws" ? page.SaveStyleSheet(fileName) : page.SaveToFile(fileName);
    return error ? QStringLiteral("cannot write %1: %2").arg(fileName, *error) : QString();
}

QString Render(const TRenderOptions &options)
{
    if (QString error = CheckFileNames(options); !error.isEmpty())
        return error;
    TRecurringRead fill;
    if (!options.Fill.isEmpty()) {
        fill = ReadFillSource(options.Fill, ProgramFolder());
        if (!fill.Error.isEmpty())
            return fill.Error;
    }
    TCalendarPage page;
    if (QString error = StartPage(options, page); !error.isEmpty())
        return error;
    if (QString error = ApplyRenderOptions(options, page); !error.isEmpty())
        return error;
    if (!options.Save.isEmpty()) {
        if (QString error = Save(page, options.Save); !error.isEmpty())
            return error;
    }
    if (options.Info)
        std::printf("%s\n", PageInfoJson(page).constData());
    if (options.Geometry) {
        RenderPageImage(page);
        std::printf("%s\n", GeometryJson(page).constData());
    }
    if (options.Output.isEmpty())
        return {};
    // The area inside the margins, alike on paper and in pictures.
    if (page.BorderRect().Width() < 2 || page.BorderRect().Height() < 2)
        return QStringLiteral("the margins leave no page: together they are as wide or as tall "
                              "as the paper");
    // The pages are copies: the document's own page stays as it was read.
    const TCalendarSet set(page, TCalendarSet::PeriodOf(page), options.Count, fill.Lines);
    return Suffix(options.Output) == u"pdf" ? WritePdf(page, set, options)
                                            : WritePictures(set, options);
}

// Messages the program would show in a box go to standard error; questions
// are answered no.
void ReportMessagesOnStandardError()
{
    TMessageAnswerer answerer;
    answerer.Information = [](const QString &text) {
        std::fprintf(stderr, "datewright-render: %s\n", qPrintable(text));
    };
    answerer.Warning = [](const QString &text, const QString &caption) {
        std::fprintf(stderr, "datewright-render: %s: %s\n", qPrintable(caption), qPrintable(text));
    };
    answerer.Question = [](const QString &, const QString &) { return false; };
    SetMessageAnswerer(answerer);
}

} // namespace

int RunRenderCommand(const QStringList &arguments)
{
    ReportMessagesOnStandardError();
    const auto parsed = ParseRenderOptions(arguments);
    if (const QString *error = std::get_if<QString>(&parsed)) {
        std::fprintf(stderr, "datewright-render: %s\n", qPrintable(*error));
        return 1;
    }
    const TRenderOptions &options = std::get<TRenderOptions>(parsed);
    if (options.Help) {
        std::fputs(qPrintable(RenderUsage()), stdout);
        return 0;
    }
    if (QString error = Render(options); !error.isEmpty()) {
        std::fprintf(stderr, "datewright-render: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
