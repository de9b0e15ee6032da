#include "RenderCommand.h"

#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "CalendarSet.h"
#include "FillSource.h"
#include "GeometryJson.h"
#include "Messages.h"
#include "OrderedWork.h"
#include "PageInfoJson.h"
#include "PagePictures.h"
#include "PalettePng.h"
#include "PdfExport.h"
#include "PictureExport.h"
#include "ProgramFolder.h"
#include "RenderBatch.h"
#include "RenderOptions.h"
#include "SaveFiles.h"
#include "StoredPageValues.h"
#include "StoredSet.h"
#include "Templates.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

QString Suffix(const QString &fileName)
{
    return QFileInfo(fileName).suffix().toLower();
}

QString ReadErrorText(const QString &fileName, const ReadError &error)
{
    return QCoreApplication::translate("datewright-render", "cannot read %1: %2 (at byte %3)")
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
        return QCoreApplication::translate(
                   "datewright-render", "cannot write \"%1\" files: use .png, .bmp, .jpg or .pdf")
            .arg(Suffix(options.Output));
    if (options.BleedMm && Suffix(options.Output) != u"pdf")
        return QCoreApplication::translate("datewright-render",
                                           "--bleed lays out .pdf files for a print service");
    if (options.Dpi && (options.Output.isEmpty() || Suffix(options.Output) == u"pdf"))
        return QCoreApplication::translate(
            "datewright-render", "--dpi sets the resolution of .png, .bmp and .jpg pictures");
    const QString save = Suffix(options.Save);
    if (!options.Save.isEmpty() && save != u"dwc" && save != u"dws")
        return QCoreApplication::translate("datewright-render",
                                           "--save writes .DWC documents or .DWS style sheets");
    return {};
}

// The page the options start from: the document or template, or the
// default style today.
QString StartPage(const TRenderOptions &options, TCalendarPage &page)
{
    QString document = options.Document;
    if (!options.Template.isEmpty()) {
        document = TemplateFile(ProgramFolder(), options.Template);
        if (document.isEmpty())
            return QCoreApplication::translate("datewright-render", "there is no template \"%1\"")
                .arg(options.Template);
    }
    if (document.isEmpty()) {
        ApplyMainPageValues(page);
        page.ResetStyle();
    } else if (const auto error = page.LoadFromFile(document)) {
        return ReadErrorText(document, *error);
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

// One picture of a set, drawn and, for PNG, encoded on a worker thread.
struct TDrawnPicture
{
    QString FileName;
    QImage Picture; // the page inside its margins, for BMP and JPEG
    QByteArray Png; // the encoded file, for PNG
    QString Error;
};

TDrawnPicture DrawPicture(const TCalendarSet &set, int index, const TRenderOptions &options)
{
    TDrawnPicture drawn;
    drawn.FileName = NumberedFileName(options.Output, index + 1, set.Count());
    const std::unique_ptr<TCalendarPage> page = set.Page(index);
    const float scale = DrawingScale(options);
    QImage picture = PictureInsideMargins(*page, scale, PageBitmapAt(*page, scale));
    if (picture.isNull()) {
        drawn.Error = QCoreApplication::translate("datewright-render",
                                                  "the margins leave no picture to write");
        return drawn;
    }
    if (options.Dpi) {
        // A PNG file carries its resolution.
        const int dotsPerMetre = int(std::lrint(*options.Dpi / 0.0254));
        picture.setDotsPerMeterX(dotsPerMetre);
        picture.setDotsPerMeterY(dotsPerMetre);
    }
    if (Suffix(drawn.FileName) != u"png") {
        drawn.Picture = std::move(picture);
        return drawn;
    }
    drawn.Png = EncodePng(picture);
    if (drawn.Png.isEmpty())
        drawn.Error = QCoreApplication::translate(
                          "datewright-render", "cannot write %1: the picture could not be encoded")
                          .arg(drawn.FileName);
    return drawn;
}

QString WriteDrawnPicture(const TDrawnPicture &drawn)
{
    if (!drawn.Error.isEmpty())
        return drawn.Error;
    if (!drawn.Png.isEmpty()) {
        const std::optional<QString> failure = SaveBytesFile(drawn.Png, drawn.FileName);
        return failure ? QCoreApplication::translate("datewright-render", "cannot write %1: %2")
                             .arg(drawn.FileName, *failure)
                       : QString();
    }
    const std::optional<QString> failure = SavePictureToBitmap(
        drawn.Picture, drawn.FileName,
        Suffix(drawn.FileName) == u"jpg" ? TPictureKind::Jpeg : TPictureKind::Bitmap);
    return failure ? QCoreApplication::translate("datewright-render", "cannot write %1: %2")
                         .arg(drawn.FileName, *failure)
                   : QString();
}

// The pictures are drawn on up to workers threads and written in order; the
// first failure ends the run.
QString WritePictures(const TCalendarSet &set, const TRenderOptions &options, int workers)
{
    QString error;
    RunInOrder<TDrawnPicture>(
        set.Count(), workers,
        [&set, &options](int index) { return DrawPicture(set, index, options); },
        [&error](const TDrawnPicture &drawn) {
            error = WriteDrawnPicture(drawn);
            return error.isEmpty();
        });
    return error;
}

// The pages as one PDF on the page's own paper, one page each. One copy of
// the page moves from period to period and is printed in order: printing is
// sequential, and moving a page costs less than copying it, so threads that
// made the pages ready would only slow it down.
QString WritePdf(const TCalendarPage &document, const TCalendarSet &set,
                 const TRenderOptions &options)
{
    std::optional<TPrintSheet> sheet;
    if (options.BleedMm)
        sheet = TPrintSheet{*options.BleedMm, options.CropMarks};
    if (const auto error =
            SaveSetPagesAsPdf(set, options.Output, PdfTitle(document, options.Document), {}, sheet,
                              DrawingScale(options)))
        return QCoreApplication::translate("datewright-render", "cannot write %1: %2")
            .arg(options.Output, *error);
    return {};
}

QString Save(const TCalendarPage &page, const QString &fileName)
{
    const auto error =
        Suffix(fileName) == u"dws" ? page.SaveStyleSheet(fileName) : page.SaveToFile(fileName);
    return error ? QCoreApplication::translate("datewright-render", "cannot write %1: %2")
                       .arg(fileName, *error)
                 : QString();
}

QString TakePagePictures(const TSetChoice &choice, TCalendarSet &set)
{
    if (choice.Pictures.isEmpty() && choice.PictureOrder.isEmpty())
        return {};
    const TPagePicturesRead pictures = PicturesOfChoice(choice);
    if (!pictures.Error.isEmpty())
        return pictures.Error;
    if (!set.HasPicturePerPage() && !set.HasCover())
        return QCoreApplication::translate(
            "datewright-render",
            "--pictures: the page has no picture object marked \"One Picture per Page\"");
    set.SetPagePictures(pictures.Files);
    return {};
}

// The set the document keeps, taken when --count asks for a set; the
// options given override its choices one by one.
TSetChoice SetOfOptions(const TRenderOptions &options, const TCalendarPage &page, QByteArray &cover)
{
    TSetChoice choice;
    choice.Start = TCalendarSet::PeriodOf(page);
    choice.Count = options.Count;
    choice.Pictures = options.Pictures;
    const std::optional<TStoredSet> stored =
        options.CountGiven ? StoredSetOf(page) : std::optional<TStoredSet>();
    if (!stored)
        return choice;
    const TSetChoice &kept = stored->Choice;
    if (kept.WholeSet && kept.Start.isValid() && !options.Month && !options.Year && !options.Day)
        choice.Start = kept.Start;
    if (options.Fill.isEmpty()) {
        choice.Fill = kept.Fill;
        choice.FillName = kept.FillName;
        choice.ShowAges = kept.ShowAges;
    }
    if (choice.Pictures.isEmpty()) {
        choice.Pictures = kept.Pictures;
        choice.PictureOrder = kept.PictureOrder;
    }
    if (stored->HasCover()) {
        choice.Cover = true;
        cover = stored->CoverDesign;
    }
    return choice;
}

QString Render(const TRenderOptions &options, int workers, QByteArray &output)
{
    if (options.ListTemplates) {
        for (const QString &name : TemplateNames(ProgramFolder()))
            output += name.toUtf8() + '\n';
        return {};
    }
    if (QString error = CheckFileNames(options); !error.isEmpty())
        return error;
    TCalendarPage page;
    if (QString error = StartPage(options, page); !error.isEmpty())
        return error;
    if (QString error = ApplyRenderOptions(options, page); !error.isEmpty())
        return error;
    QByteArray cover;
    const TSetChoice choice = SetOfOptions(options, page, cover);
    const QString fillSource = options.Fill.isEmpty() ? FillSourceOf(choice) : options.Fill;
    TFillRead fill;
    if (!fillSource.isEmpty()) {
        TEventTextOptions fillOptions;
        fillOptions.Ages = choice.ShowAges;
        fill = ReadFillSource(fillSource, ProgramFolder(), fillOptions);
        if (!fill.Error.isEmpty())
            return fill.Error;
    }
    // The pages are copies: the document's own page stays as it was read.
    TCalendarSet set(page, choice.Start, PeriodsOf(choice), fill.Fill);
    set.SetCover(cover);
    if (QString error = TakePagePictures(choice, set); !error.isEmpty())
        return error;
    // Saved and described filled, as its first page of days shows it.
    std::unique_ptr<TCalendarPage> filled;
    if (!fillSource.isEmpty())
        filled = set.Page(set.HasCover() ? 1 : 0);
    const TCalendarPage &shown = filled ? *filled : page;
    if (!options.Save.isEmpty()) {
        if (QString error = Save(shown, options.Save); !error.isEmpty())
            return error;
    }
    const float scale = DrawingScale(options);
    if (options.Info)
        output += PageInfoJson(shown, scale) + '\n';
    // A page without month grid or planner draws no geometry: it describes
    // what the page holds.
    if (options.Geometry)
        output += GeometryJson(page, scale,
                               MainDrawingOf(page) == TMainDrawing::None
                                   ? page.MainAttributes()
                                   : DrawingGeometryAt(page, scale)) +
                  '\n';
    if (options.Output.isEmpty())
        return {};
    // The area inside the margins, alike on paper and in pictures.
    if (page.BorderRect().Width() < 2 || page.BorderRect().Height() < 2)
        return QCoreApplication::translate(
            "datewright-render",
            "the margins leave no page: together they are as wide or as tall as the paper");
    const QString error = Suffix(options.Output) == u"pdf" ? WritePdf(page, set, options)
                                                           : WritePictures(set, options, workers);
    if (!error.isEmpty() || set.UnreadPictures().isEmpty())
        return error;
    return QCoreApplication::translate("datewright-render",
                                       "written, but pictures could not be read and their pages "
                                       "show the design's picture: %1")
        .arg(set.UnreadPictures().join(QStringLiteral("; ")));
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

TJobResult RunRenderJob(const TRenderOptions &options, int workers)
{
    TJobResult result;
    result.Error = Render(options, workers, result.Output);
    return result;
}

std::optional<int> AnswerWithoutToolkit(const QStringList &arguments)
{
    const auto parsed = ParseRenderOptions(arguments);
    if (const QString *error = std::get_if<QString>(&parsed)) {
        std::fprintf(stderr, "datewright-render: %s\n", qPrintable(*error));
        return 1;
    }
    if (std::get<TRenderOptions>(parsed).Help) {
        std::fputs(qPrintable(RenderUsage()), stdout);
        return 0;
    }
    return std::nullopt;
}

int RunRenderCommand(const QStringList &arguments)
{
    if (const std::optional<int> answered = AnswerWithoutToolkit(arguments))
        return *answered;
    ReportMessagesOnStandardError();
    const TRenderOptions options = std::get<TRenderOptions>(ParseRenderOptions(arguments));
    const int workers = options.Jobs.value_or(DefaultWorkers());
    if (!options.Batch.isEmpty()) {
        // Everything else comes from the batch's lines.
        if (arguments.size() != (options.Jobs ? 4 : 2)) {
            std::fprintf(stderr, "datewright-render: %s\n",
                         qPrintable(QCoreApplication::translate(
                             "datewright-render", "--batch takes no options but --jobs: each line "
                                                  "of the batch gives its job's own")));
            return 1;
        }
        return RunRenderBatch(options.Batch, workers);
    }
    const TJobResult result = RunRenderJob(options, workers);
    std::fwrite(result.Output.constData(), 1, size_t(result.Output.size()), stdout);
    if (!result.Error.isEmpty()) {
        std::fprintf(stderr, "datewright-render: %s\n", qPrintable(result.Error));
        return 1;
    }
    return 0;
}

int DefaultWorkers()
{
    return std::max(1, QThread::idealThreadCount());
}
