#include "PropertiesRules.h"

#include "Numbers.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <array>

namespace {

// The last list entry that comes in both orientations.
constexpr int LastPairedEntry = 8;

} // namespace

TCalendarLayout LayoutFromChoice(int listIndex, int orientationIndex)
{
    const int index = std::clamp(listIndex, 0, LayoutListCount - 1);
    if (index > LastPairedEntry)
        return TCalendarLayout(index + loWeek - (LastPairedEntry + 1));
    return TCalendarLayout(2 * index + (orientationIndex == 1 ? 1 : 0));
}

int LayoutListIndex(TCalendarLayout layout)
{
    return IsPlannerLayout(layout) ? int(layout) - (loWeek - (LastPairedEntry + 1))
                                   : int(layout) / 2;
}

int OrientationIndex(TCalendarLayout layout)
{
    return IsPlannerLayout(layout) ? 0 : int(layout) % 2;
}

bool IsPlannerLayout(TCalendarLayout layout)
{
    return layout > loMC60MonthLS;
}

float MarginFromIndex(int index)
{
    return float(0.25 * (std::clamp(index, 0, MarginEntryCount - 1) + 1));
}

int MarginIndex(float inches)
{
    // Each entry takes the margins from its own value up to the next.
    static constexpr std::array<double, MarginEntryCount - 1> upper{0.5, 0.75, 1.0, 1.25, 1.5};
    int index = 0;
    while (index < int(upper.size()) && !(double(inches) < upper[index]))
        ++index;
    return index;
}

QStringList InchMarginItems()
{
    return {QCoreApplication::translate("TCalendarProperties", "¼ Inch"),
            QCoreApplication::translate("TCalendarProperties", "½ Inch"),
            QCoreApplication::translate("TCalendarProperties", "¾ Inch"),
            QCoreApplication::translate("TCalendarProperties", "1 Inch"),
            QCoreApplication::translate("TCalendarProperties", "1¼ Inch"),
            QCoreApplication::translate("TCalendarProperties", "1½ Inch")};
}

QStringList MillimetreMarginItems()
{
    return {QStringLiteral("6 mm"),  QStringLiteral("13 mm"), QStringLiteral("19 mm"),
            QStringLiteral("25 mm"), QStringLiteral("32 mm"), QStringLiteral("38 mm")};
}

TEnabledControls EnabledControls(TCalendarLayout layout, int layoutKind)
{
    TEnabledControls enabled;
    enabled.Orientation = layoutKind == 0 || layoutKind == 1;
    enabled.WeekStart = layout < loWeek;
    enabled.MonthGrid = layout < lopMC6Month;
    enabled.Headers = layout < lopMC6Month || layout > loMC60MonthLS;
    enabled.Minis = layout >= loFCMinisInTitle && layout <= loMC60MonthLS;
    enabled.StartingTime = layoutKind == 4 || layoutKind == 5;
    return enabled;
}

QString SelectDateCaption(TCalendarLayout layout)
{
    return IsPlannerLayout(layout)
               ? QCoreApplication::translate("TCalendarProperties", "Select Starting Date")
               : QCoreApplication::translate("TCalendarProperties", "Select Month & Year");
}

QString DateLabelText(QDate date, bool planner)
{
    const QLocale locale = QLocale::system();
    if (planner)
        return locale.toString(date, QLocale::LongFormat);
    return locale.toString(date, QStringLiteral("MMMM yyyy"));
}

QString ShortTimeText(QTime time)
{
    return QLocale::system().toString(time, QLocale::ShortFormat);
}

QTime ParseTimeText(const QString &text)
{
    const QString trimmed = text.trimmed();
    const QLocale locale = QLocale::system();
    for (const QLocale::FormatType format : {QLocale::ShortFormat, QLocale::LongFormat}) {
        const QTime time = locale.toTime(trimmed, format);
        if (time.isValid())
            return time;
    }
    static const std::array<QString, 6> usualForms{
        QStringLiteral("H:mm"),       QStringLiteral("H:mm:ss"), QStringLiteral("h:mm AP"),
        QStringLiteral("h:mm:ss AP"), QStringLiteral("h:mmAP"),  QStringLiteral("h AP")};
    for (const QString &form : usualForms) {
        const QTime time = QTime::fromString(trimmed, form);
        if (time.isValid())
            return time;
    }
    return {};
}

QString ZoomText(float scale)
{
    return QString::number(Round(double(scale) * 100.0)) + QLatin1Char('%');
}

float ZoomedIn(float scale)
{
    return scale < 1.0f ? float(double(scale) + 0.1) : scale;
}

float ZoomedOut(float scale)
{
    return scale > 0.2f ? float(double(scale) - 0.1) : scale;
}

bool IsStyleSheetName(const QString &fileName)
{
    return QFileInfo(fileName).suffix().compare(QLatin1String("DWS"), Qt::CaseInsensitive) == 0;
}

int HelpContextOfPage(int page)
{
    constexpr int BordersPage = 9;
    return page == BordersPage ? 3109 : 2100 + std::clamp(page, 0, BordersPage - 1);
}

QStringList MemoLines(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool FrameMovesObjects(const TPageFrame &before, const TPageFrame &after)
{
    const bool marginsMoved = !std::equal(std::begin(before.Margins), std::end(before.Margins),
                                          std::begin(after.Margins));
    const bool borderCameOrWent = before.BorderName.isEmpty() != after.BorderName.isEmpty();
    return marginsMoved || borderCameOrWent || before.Layout != after.Layout ||
           before.PaperSize != after.PaperSize || before.Orientation != after.Orientation;
}
