#include "RenderOptions.h"

#include "CalendarDates.h"
#include "CalendarPage.h"
#include "PictureExport.h"
#include "Ppi.h"
#include "PrintSheet.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

using ParseResult = std::variant<TRenderOptions, QString>;

std::optional<int> ToInt(const QString &text, int lowest, int highest)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

std::optional<TCalendarLayout> ToLayout(const QString &text)
{
    if (const std::optional<int> number = ToInt(text, 0, CalendarLayoutCount - 1))
        return TCalendarLayout(*number);
    for (int layout = 0; layout < CalendarLayoutCount; ++layout) {
        if (CalendarLayoutName(TCalendarLayout(layout)) == text)
            return TCalendarLayout(layout);
    }
    return std::nullopt;
}

std::optional<std::array<float, 4>> ToMargins(const QString &text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != 4)
        return std::nullopt;
    std::array<float, 4> margins{};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        margins[i] = parts[i].trimmed().toFloat(&ok);
        // Written so that "nan" fails too.
        if (!ok || !(margins[i] >= 0 && margins[i] <= 5))
            return std::nullopt;
    }
    return margins;
}

std::optional<int> ToWeekStart(const QString &text)
{
    if (text == u"sunday")
        return 1;
    if (text == u"monday")
        return 2;
    return std::nullopt;
}

std::optional<TWeekNumbers> ToWeekNumbers(const QString &text)
{
    if (text == u"none")
        return wnNone;
    if (text == u"iso")
        return wnIso;
    if (text == u"us")
        return wnUs;
    return std::nullopt;
}

std::optional<int> ToPaper(const QString &text)
{
    if (text.compare(u"letter", Qt::CaseInsensitive) == 0)
        return 0;
    if (text.compare(u"a4", Qt::CaseInsensitive) == 0)
        return 1;
    return std::nullopt;
}

std::optional<float> ToScale(const QString &text)
{
    bool ok = false;
    const float scale = text.toFloat(&ok);
    if (!ok || !(scale >= 0.1f && scale <= 10.0f))
        return std::nullopt;
    return scale;
}

std::optional<double> ToBleed(const QString &text)
{
    bool ok = false;
    const double mm = text.toDouble(&ok);
    if (!ok || !(mm >= 0 && mm <= TPrintSheet::MaxBleedMm))
        return std::nullopt;
    return mm;
}

QString UnknownOption(const QString &option)
{
    return QCoreApplication::translate("datewright-render", "unknown option %1").arg(option);
}

// Stores the converted value of an option, or says why it cannot be used.
template <typename T, typename Convert>
std::optional<QString> Take(T &target, const QString &option, const QString &value, Convert convert)
{
    const auto converted = convert(value);
    if (!converted)
        return QCoreApplication::translate("datewright-render", "invalid value for %1: \"%2\"")
            .arg(option, value);
    target = *converted;
    return std::nullopt;
}

std::optional<QString> TakeValue(TRenderOptions &o, const QString &option, const QString &value)
{
    if (option == u"--template")
        return Take(o.Template, option, value, [](const QString &v) { return std::optional(v); });
    if (option == u"--style")
        return Take(o.StyleSheet, option, value, [](const QString &v) { return std::optional(v); });
    if (option == u"--layout")
        return Take(o.Layout, option, value, ToLayout);
    if (option == u"--paper")
        return Take(o.PaperSize, option, value, ToPaper);
    if (option == u"--margins")
        return Take(o.Margins, option, value, ToMargins);
    if (option == u"--border")
        return Take(o.Border, option, value, [](const QString &v) { return std::optional(v); });
    if (option == u"--week-start")
        return Take(o.StartOfWeek, option, value, ToWeekStart);
    if (option == u"--week-numbers")
        return Take(o.WeekNumbers, option, value, ToWeekNumbers);
    if (option == u"--month")
        return Take(o.Month, option, value, [](const QString &v) { return ToInt(v, 1, 12); });
    if (option == u"--year")
        return Take(o.Year, option, value, [](const QString &v) { return ToInt(v, 1, 9999); });
    if (option == u"--day")
        return Take(o.Day, option, value, [](const QString &v) { return ToInt(v, 1, 31); });
    if (option == u"--scale")
        return Take(o.Scale, option, value, ToScale);
    if (option == u"--dpi")
        return Take(o.Dpi, option, value, [](const QString &v) { return ToInt(v, 10, 960); });
    if (option == u"-o")
        return Take(o.Output, option, value, [](const QString &v) { return std::optional(v); });
    if (option == u"--save")
        return Take(o.Save, option, value, [](const QString &v) { return std::optional(v); });
    if (option == u"--count") {
        o.CountGiven = true;
        return Take(o.Count, option, value, [](const QString &v) { return ToInt(v, 1, 1200); });
    }
    if (option == u"--fill")
        return Take(o.Fill, option, value, [](const QString &v) { return std::optional(v); });
    if (option == u"--pictures")
        return Take(o.Pictures, option, value, [](const QString &v) { return std::optional(v); });
    if (option == u"--bleed")
        return Take(o.BleedMm, option, value, ToBleed);
    if (option == u"--batch")
        return Take(o.Batch, option, value, [](const QString &v) { return std::optional(v); });
    if (option == u"--jobs")
        return Take(o.Jobs, option, value, [](const QString &v) { return ToInt(v, 1, 64); });
    return UnknownOption(option);
}

// What an option given last, without its value, is missing.
QString ValueMissing(const QString &option)
{
    TRenderOptions scratch;
    const std::optional<QString> unknown = TakeValue(scratch, option, QStringLiteral("?"));
    if (unknown && *unknown == UnknownOption(option))
        return *unknown;
    return QCoreApplication::translate("datewright-render", "%1 needs a value").arg(option);
}

} // namespace

ParseResult ParseRenderOptions(const QStringList &arguments)
{
    TRenderOptions options;
    int outputs = 0;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (!argument.startsWith(u'-')) {
            if (!options.Document.isEmpty())
                return QCoreApplication::translate("datewright-render",
                                                   "more than one document given: %1")
                    .arg(argument);
            options.Document = argument;
        } else if (argument == u"--geometry") {
            options.Geometry = true;
        } else if (argument == u"--no-crop-marks") {
            options.CropMarks = false;
        } else if (argument == u"--info") {
            options.Info = true;
        } else if (argument == u"--list-templates") {
            options.ListTemplates = true;
        } else if (argument == u"--help" || argument == u"-h") {
            options.Help = true;
        } else if (i + 1 >= arguments.size()) {
            return ValueMissing(argument);
        } else if (argument == u"-o" && outputs++ > 0) {
            // One job writes one output; the first would be dropped unsaid.
            return QCoreApplication::translate("datewright-render",
                                               "-o is given twice: give one output");
        } else if (const std::optional<QString> error =
                       TakeValue(options, argument, arguments[++i])) {
            return *error;
        }
    }
    if (!options.Template.isEmpty() && !options.Document.isEmpty())
        return QCoreApplication::translate("datewright-render",
                                           "give a document or --template, not both");
    if (options.Dpi && arguments.contains(QStringLiteral("--scale")))
        return QCoreApplication::translate("datewright-render", "give --scale or --dpi, not both");
    return options;
}

QString ApplyRenderOptions(const TRenderOptions &options, TCalendarPage &page)
{
    if (options.Layout) {
        page.SetCalendarLayout(*options.Layout);
        page.Relayout(true);
    }
    if (options.PaperSize)
        page.SetPaperSize(*options.PaperSize);
    if (options.Margins) {
        page.SetLeftMarginInch((*options.Margins)[0]);
        page.SetTopMarginInch((*options.Margins)[1]);
        page.SetRightMarginInch((*options.Margins)[2]);
        page.SetBottomMarginInch((*options.Margins)[3]);
    }
    if (options.Border) {
        page.SetWMFBorderFile(*options.Border);
        if (page.WMFBorderFile() != *options.Border)
            return QCoreApplication::translate("datewright-render",
                                               "no border picture named \"%1\"")
                .arg(*options.Border);
    }
    if (options.StartOfWeek)
        page.SetStartOfWeek(*options.StartOfWeek);
    if (options.WeekNumbers)
        page.SetWeekNumbers(*options.WeekNumbers);
    if (options.Month)
        page.SetMainCalMonth(*options.Month);
    if (options.Year)
        page.SetMainCalYear(*options.Year);
    if (options.Day)
        page.SetMainCalDay(*options.Day);
    // A day given that the month lacks is refused; the day of the document
    // or of today becomes the month's last.
    const int lastDay = DaysInMonth(page.MainCalMonth(), page.MainCalYear());
    if (options.Day && *options.Day > lastDay)
        return QCoreApplication::translate("datewright-render", "there is no %1 %2 %3")
            .arg(*options.Day)
            .arg(QLocale::c().monthName(page.MainCalMonth()))
            .arg(page.MainCalYear());
    if (page.MainCalDay() > lastDay)
        page.SetMainCalDay(lastDay);
    return {};
}

float DrawingScale(const TRenderOptions &options)
{
    return options.Dpi ? ScaleForResolution(*options.Dpi, ScreenPpi()) : options.Scale;
}

QString RenderUsage()
{
    QString usage = QCoreApplication::translate(
        "datewright-render",
        "Usage: datewright-render [DOCUMENT.DWC] [options]\n"
        "Renders a calendar page: the document given, or a new page in the default style\n"
        "for today. Options are applied in this order:\n"
        "  --template NAME        start from the template NAME (in place of a document)\n"
        "  --style FILE.DWS       take the style of a style sheet\n"
        "  --layout N|NAME        layout 0-21 or its name (e.g. loFCMinisInTitleLS)\n"
        "  --paper letter|a4      paper size\n"
        "  --margins L,T,R,B      margins in inches (0 to 5)\n"
        "  --border NAME          border picture from the program's Borders folder\n"
        "  --week-start sunday|monday\n"
        "  --week-numbers none|iso|us\n"
        "                         week numbers: ISO 8601 (week 1 holds 4 January) or\n"
        "                         US (weeks from Sunday, week 1 holds 1 January)\n"
        "  --month M  --year Y  --day D\n"
        "  --scale S              zoom, 0.1 to 10 (default 1)\n"
        "  --dpi N                pictures at N dots per inch, 10 to 960 (e.g. 300\n"
        "                         for print), in place of --scale\n"
        "Output:\n"
        "  -o FILE                write .png, .bmp or .jpg (the page inside its margins\n"
        "                         at the zoom; JPEG through the picture library at\n"
        "                         quality 80) or .pdf (vector, on the page's paper)\n"
        "  --count N              N consecutive months (weeks, days for planners): PDF\n"
        "                         pages, or numbered picture files (page-1.png, ...);\n"
        "                         the cells written in the document stay on its own\n"
        "                         month (week, day) only\n"
        "  --fill SOURCE          fill the day cells of the pages written from SOURCE:\n"
        "                         a recurring-dates file (.DAX), holidays:CODE for a\n"
        "                         holiday set beside the program (US, UK, CA, FR, DE,\n"
        "                         IT, ES or the set's name, e.g. \"holidays:United\n"
        "                         Kingdom\"), or an iCalendar file (.ics), whose\n"
        "                         events fall on the days and at the times of this\n"
        "                         computer's clock; --save and --info then give the\n"
        "                         filled page\n"
        "  --pictures FOLDER|LIST the pages' own pictures, in the picture objects marked\n"
        "                         \"One Picture per Page\": the pictures of FOLDER in name\n"
        "                         order, or those LIST (a text file) names one a line;\n"
        "                         pages past the last keep the design's picture\n"
        "  --bleed MM             a PDF for a print service: each page on a sheet\n"
        "                         larger by a bleed of MM millimetres (0 to 10; 3 is\n"
        "                         usual), pictures and borders reaching the page's edge\n"
        "                         drawn on into it, with crop marks outside it\n"
        "  --no-crop-marks        with --bleed, leave the crop marks out: the sheet is\n"
        "                         then the page and its bleed only\n"
        "  --geometry             print the page's geometry as one JSON object\n"
        "  --save FILE            write the page as a .DWC document or .DWS style sheet\n"
        "  --info                 print the page's style, dates, cell texts and objects\n"
        "                         as one JSON object; \"cells\" lists each cell with\n"
        "                         text: {\"index\": 1-42, \"day\": N, \"text\": its\n"
        "                         paragraphs joined by line feeds}\n"
        "  --list-templates       print the names of the templates, one a line\n"
        "  --help                 show this text\n"
        "Many jobs in one run:\n"
        "  --batch FILE           run the jobs of FILE (- for standard input), one a line,\n"
        "                         each the options of one call; words part at spaces,\n"
        "                         'single' and \"double\" quotes keep spaces, a backslash\n"
        "                         keeps the character after it (in double quotes only \\\"\n"
        "                         and \\\\), # starts a comment, blank lines are skipped.\n"
        "                         A failed job is reported with its line number and the\n"
        "                         others still run; the exit status is 0 only when\n"
        "                         every job succeeded. No file is left half-written.\n"
        "  --jobs N               draw up to N pictures (or batch jobs) at once, 1 to 64\n"
        "                         (default: the number of processors); a PDF's pages\n"
        "                         are drawn one after another\n");
    // What a document's set gives, apart so that it reads as one rule.
    usage += QCoreApplication::translate(
        "datewright-render",
        "A document that keeps a set of pages (chosen in the program) gives --count\n"
        "what the options do not: its start (unless --month, --year or --day), its\n"
        "fill (unless --fill), its pictures (unless --pictures) and its cover, the\n"
        "first of the N pages, which takes the first picture.\n");
    return usage;
}
