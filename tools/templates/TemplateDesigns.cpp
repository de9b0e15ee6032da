#include "TemplateDesigns.h"

#include "CalendarPage.h"
#include "CalendarSet.h"
#include "FillSource.h"
#include "LumImage.h"
#include "ProgramFolder.h"
#include "StoredSet.h"
#include "TemplateStyle.h"
#include "Templates.h"

#include <QBuffer>
#include <QDir>

using namespace Qt::StringLiterals;

namespace {

// The photo calendars' scheme: slate ink, a deep teal accent.
const TPalette PhotoPalette{Rgb(0x2b, 0x33, 0x3d), Rgb(0x2f, 0x6f, 0x73)};

struct THolidayLook
{
    QString Set;
    int Paper;
    int WeekStart;
    const char *Border;
    TPalette Palette;
};

// Each country's calendar in colours taken from its flag, on its usual paper
// and week, framed by the border whose colours go with them.
const std::vector<THolidayLook> &HolidayLooks()
{
    static const std::vector<THolidayLook> looks{
        {u"Canada"_s, 0, 1, "GreekKey", {Rgb(0x3a, 0x1f, 0x1f), Rgb(0xb3, 0x1b, 0x1b)}},
        {u"France"_s, 1, 2, "Classic", {Rgb(0x1d, 0x27, 0x4a), Rgb(0x1f, 0x3f, 0x8f)}},
        {u"Germany"_s, 1, 2, "GreekKey", {Rgb(0x22, 0x22, 0x22), Rgb(0x8a, 0x1c, 0x1c)}},
        {u"Italy"_s, 1, 2, "GreekKey", {Rgb(0x1f, 0x33, 0x26), Rgb(0x1d, 0x6b, 0x3a)}},
        {u"Spain"_s, 1, 2, "GreekKey", {Rgb(0x3d, 0x1a, 0x14), Rgb(0xa8, 0x27, 0x1b)}},
        {u"United Kingdom"_s, 1, 2, "Classic", {Rgb(0x14, 0x1f, 0x3d), Rgb(0x1c, 0x2f, 0x6b)}},
        {u"United States"_s, 0, 1, "Stars", {Rgb(0x14, 0x1f, 0x3d), Rgb(0x1c, 0x2f, 0x6b)}},
    };
    return looks;
}

// The holiday set's lines for the page's month, written into its cells.
QString FillWithHolidays(TCalendarPage &page, const QString &set)
{
    // The built-in list is the United States'.
    const QString code = set == u"United States" ? u"US"_s : set;
    const TFillRead fill = ReadFillSource(u"holidays:"_s + code, ProgramFolder());
    if (!fill.Error.isEmpty())
        return fill.Error;
    const TCalendarSet filled(page, TCalendarSet::PeriodOf(page), 1, fill.Fill);
    const std::unique_ptr<TCalendarPage> month = filled.Page(0);
    for (int cell = 1; cell <= CellCount; ++cell) {
        TWPRtfStorage text;
        month->GetCellText(cell, text);
        page.SetCellText(cell, text);
    }
    return {};
}

} // namespace

std::vector<TTemplateDesign> TemplateDesigns()
{
    std::vector<TTemplateDesign> designs{
        {u"Wall photo calendar A4"_s, BuildWallPhotoCalendar, u"A4"_s},
        {u"Wall photo calendar Letter"_s, BuildWallPhotoCalendar, u"Letter"_s},
        {u"Desk calendar"_s, BuildDeskCalendar, {}},
        {u"Year at a glance"_s, BuildYearAtAGlance, {}},
        {u"Family week planner"_s, BuildFamilyWeekPlanner, {}},
        {u"Day planner"_s, BuildDayPlanner, {}},
        {u"Birthday calendar"_s, BuildBirthdayCalendar, {}},
    };
    for (const THolidayLook &look : HolidayLooks())
        designs.push_back({u"Holiday calendar "_s + look.Set, BuildHolidayCalendar, look.Set});
    return designs;
}

QString WriteTemplateFiles(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return u"cannot make the folder %1"_s.arg(folder);
    for (const TTemplateDesign &design : TemplateDesigns()) {
        TCalendarPage page;
        if (const QString error = design.Build(page, design.Argument); !error.isEmpty())
            return design.Name + u": "_s + error;
        // Written as the program writes it once opened, objects renamed as
        // reading names them, so that a template opened and saved unchanged
        // keeps its bytes.
        QBuffer built;
        built.open(QIODevice::ReadWrite);
        TCalendarPage read;
        if (page.SaveToDevice(built) || !built.seek(0) || read.LoadFromDevice(built))
            return design.Name + u": cannot be read back"_s;
        const QString file = QDir(folder).filePath(design.Name + u".dwc"_s);
        if (const auto error = read.SaveToFile(file))
            return design.Name + u": "_s + *error;
    }
    return {};
}

QString BuildWallPhotoCalendar(TCalendarPage &page, const QString &paper)
{
    const bool a4 = paper == u"A4";
    StartPage(page, a4 ? 1 : 0, loFullCalendar, a4 ? 2 : 1, PhotoPalette, SansFace);
    // The photo takes the upper 57 % of the paper; the month sits below it.
    const double width = a4 ? 8.27 : 8.5, height = a4 ? 11.69 : 11.0;
    const double photoBottom = height * 0.57;
    SetMargins(page, 0.5f, float(photoBottom), 0.5f, 0.45f);
    AddPhotoFrame(page, QRectF(0.5, 0.45, width - 1.0, photoBottom - 0.45));
    page.SetTitleFont(Font(SansFace, 26, TFontStyle::fsBold, PhotoPalette.Ink));
    page.SetCellFont(Font(SansFace, 11, TFontStyle::fsBold, PhotoPalette.Ink));
    // A set of a cover and the twelve months: the cover takes the first
    // picture, large, above the year; the months take the next ones.
    TCalendarPage cover;
    cover.AssignStyle(page);
    cover.SetPaperSize(page.PaperSize());
    cover.SetCalendarHidden(true);
    const double coverPhotoBottom = height * 0.74;
    AddPhotoFrame(cover, QRectF(0.5, 0.45, width - 1.0, coverPhotoBottom - 0.45));
    AddYearTitle(cover, QRectF(0.5, coverPhotoBottom + 0.45, width - 1.0, 1.5), PhotoPalette,
                 SansFace, 80);
    SetCover(page, cover);
    return {};
}

QString BuildDeskCalendar(TCalendarPage &page, const QString &)
{
    const TPalette palette{Rgb(0x3b, 0x2a, 0x22), Rgb(0xb4, 0x5a, 0x38)};
    StartPage(page, 0, LOFullCalendarLS, 1, palette, SerifFace);
    // The photo stands at the left of the landscape page, the month beside it.
    SetMargins(page, 4.35f, 0.45f, 0.45f, 0.45f);
    AddPhotoFrame(page, QRectF(0.45, 0.45, 3.7, 7.6));
    page.SetTitleFont(Font(SerifFace, 28, TFontStyle::fsBold, palette.Ink));
    page.SetHeadersStyle(dsThreeChars);
    page.SetCellFont(Font(SansFace, 11, TFontStyle::fsBold, palette.Ink));
    return {};
}

QString BuildYearAtAGlance(TCalendarPage &page, const QString &)
{
    const TPalette palette{Rgb(0x22, 0x2e, 0x3c), Rgb(0x3e, 0x6a, 0x96)};
    StartPage(page, 0, loMC12Month, 1, palette, SansFace);
    SetMargins(page, 0.5f, 1.55f, 0.5f, 0.45f);
    AddYearTitle(page, QRectF(0.5, 0.35, 7.5, 1.05), palette, SansFace, 54);
    page.SetMiniTitleFont(Font(SansFace, 16, TFontStyle::fsBold, palette.Ink));
    page.SetMiniHeadersFont(Font(SansFace, 11, TFontStyle::fsBold, clWhite));
    page.SetMiniCellFont(Font(SansFace, 11, {}, palette.Ink));
    page.SetMiniShowYear(false);
    return {};
}

QString BuildFamilyWeekPlanner(TCalendarPage &page, const QString &)
{
    const TPalette palette{Rgb(0x2d, 0x3a, 0x2e), Rgb(0x5a, 0x8a, 0x4f)};
    StartPage(page, 0, loWeek, 2, palette, SansFace);
    // The week from Monday to Sunday.
    page.SetMainCalDay(4);
    SetMargins(page, 0.5f, 0.5f, 0.5f, 0.5f);
    page.SetTitleFont(Font(SansFace, 22, TFontStyle::fsBold, palette.Ink));
    page.SetCellFont(Font(SansFace, 10, {}, palette.Ink));
    return {};
}

QString BuildDayPlanner(TCalendarPage &page, const QString &)
{
    const TPalette palette{Rgb(0x26, 0x2a, 0x3a), Rgb(0x5b, 0x4b, 0x8a)};
    StartPage(page, 0, loDay15, 2, palette, SansFace);
    // The first working day of the year.
    page.SetMainCalDay(4);
    SetMargins(page, 0.6f, 0.5f, 0.6f, 0.5f);
    page.SetPlannerStartTime(QTime(7, 0));
    page.SetTitleFont(Font(SansFace, 22, TFontStyle::fsBold, palette.Ink));
    page.SetCellFont(Font(SansFace, 10, {}, palette.Ink));
    return {};
}

QString BuildBirthdayCalendar(TCalendarPage &page, const QString &)
{
    const TPalette palette{Rgb(0x4a, 0x1f, 0x3a), Rgb(0xc2, 0x4d, 0x7c)};
    StartPage(page, 0, loFullCalendar, 1, palette, SerifFace);
    SetMargins(page, 0.5f, 1.35f, 0.5f, 0.5f);
    page.SetTitleFont(Font(SerifFace, 32, TFontStyle::fsBold | TFontStyle::fsItalic, palette.Ink));
    page.SetCellFont(Font(SansFace, 11, TFontStyle::fsBold, palette.Ink));
    // Balloons, a cake and a present across the head of the page.
    const int icons[] = {4, 0, 3, 1, 4};
    for (int i = 0; i < 5; ++i) {
        const TLumPicture icon = LibraryIcon(u"events.icl"_s, icons[i]);
        if (icon.IsEmpty())
            return u"the icon library events.icl cannot be read"_s;
        AddPicture(page, QRectF(1.45 + i * 1.25, 0.45, 0.5, 0.5), icon);
    }
    return {};
}

QString BuildHolidayCalendar(TCalendarPage &page, const QString &holidaySet)
{
    const auto look =
        std::find_if(HolidayLooks().begin(), HolidayLooks().end(),
                     [&holidaySet](const THolidayLook &l) { return l.Set == holidaySet; });
    if (look == HolidayLooks().end())
        return u"no look for the holiday set %1"_s.arg(holidaySet);
    StartPage(page, look->Paper, loFullCalendar, look->WeekStart, look->Palette, SerifFace);
    SetMargins(page, 0.3f, 0.3f, 0.3f, 0.3f);
    page.SetWMFBorderFile(QString::fromLatin1(look->Border));
    if (page.WMFBorderFile() != QString::fromLatin1(look->Border))
        return u"no border picture %1"_s.arg(QString::fromLatin1(look->Border));
    page.SetTitleFont(Font(SerifFace, 30, TFontStyle::fsBold, look->Palette.Ink));
    page.SetCellFont(Font(SansFace, 11, TFontStyle::fsBold, look->Palette.Ink));
    return FillWithHolidays(page, holidaySet);
}
