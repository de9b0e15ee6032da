#pragma once

#include "CalendarTypes.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <variant>

class TCalendarPage;

// What the command line asks of datewright-render, in the order it is applied.
struct TRenderOptions
{
    QString Document;   // a calendar document to start from, or empty
    QString Template;   // --template: a shipped template to start from
    QString StyleSheet; // --style
    std::optional<TCalendarLayout> Layout;
    std::optional<int> PaperSize;
    std::optional<std::array<float, 4>> Margins; // left, top, right, bottom
    std::optional<QString> Border;
    std::optional<int> StartOfWeek;
    std::optional<TWeekNumbers> WeekNumbers;
    std::optional<int> Month;
    std::optional<int> Year;
    std::optional<int> Day;
    float Scale = 1.0f;
    std::optional<int> Dpi; // --dpi: pictures at N dots per inch, in place of --scale
    QString Output;         // -o
    int Count = 1;
    bool CountGiven = false;       // --count: the document's stored set makes the pages
    QString Fill;                  // --fill: where the pages' day cells take their text from
    QString Pictures;              // --pictures: a folder or list of pictures, one a page
    std::optional<double> BleedMm; // --bleed: a PDF for a print service
    bool CropMarks = true;         // --no-crop-marks turns them off
    QString Save;                  // --save: a document or style sheet by its extension
    QString Batch;                 // --batch: a file of jobs, one a line ("-": standard input)
    std::optional<int> Jobs;       // --jobs: threads drawing pages at once
    bool Info = false;
    bool Geometry = false;
    bool Help = false;
    bool ListTemplates = false; // --list-templates
};

// The options of arguments (without the program name), or one line saying
// what is wrong with them.
std::variant<TRenderOptions, QString> ParseRenderOptions(const QStringList &arguments);

// Applies the page options in their order; an empty string, or what failed.
QString ApplyRenderOptions(const TRenderOptions &options, TCalendarPage &page);

// The zoom the pages are drawn at: --scale, or the one for --dpi.
float DrawingScale(const TRenderOptions &options);

// The text --help prints.
QString RenderUsage();
