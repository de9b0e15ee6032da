#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class TCalendarPage;

// The calendar designs shipped as templates, each built through the page's
// own setters and objects, so that the documents are made again by every
// build and no binary document is kept in the sources.

// All the designs are of this year, from its January.
inline constexpr int TemplateYear = 2027;

struct TTemplateDesign
{
    QString Name; // as TemplateCatalog() names it
    // Builds the page; the program folder (borders, icons, holiday sets)
    // is ProgramFolder(). An error sentence, or empty.
    QString (*Build)(TCalendarPage &page, const QString &argument);
    QString Argument; // the holiday set of a holiday calendar, the paper of a photo calendar
};

std::vector<TTemplateDesign> TemplateDesigns();

// Builds every design and writes it as NAME.dwc into folder (created when
// missing); an error sentence naming the design that failed, else empty.
QString WriteTemplateFiles(const QString &folder);

// The designs.
QString BuildWallPhotoCalendar(TCalendarPage &page, const QString &paper);
QString BuildDeskCalendar(TCalendarPage &page, const QString &);
QString BuildYearAtAGlance(TCalendarPage &page, const QString &);
QString BuildFamilyWeekPlanner(TCalendarPage &page, const QString &);
QString BuildDayPlanner(TCalendarPage &page, const QString &);
QString BuildBirthdayCalendar(TCalendarPage &page, const QString &);
QString BuildHolidayCalendar(TCalendarPage &page, const QString &holidaySet);
