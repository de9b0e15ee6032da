#include "FlatCalendarLook.h"

#include "LanguageNames.h"

#include <array>

namespace {

// The page's language tables list Spanish before Italian.
const TLanguageNames &Table(TFlatCalLanguage language)
{
    static constexpr std::array<int, 5> tableOf{0, 1, 2, 4, 3};
    const int index = language >= fclEnglish && language <= fclSpanish ? language : fclEnglish;
    return LanguageTables()[size_t(tableOf[size_t(index)])];
}

} // namespace

const QStringList &FlatCalBorderStyleNames()
{
    static const QStringList names{QStringLiteral("fcbNone"), QStringLiteral("fcbAll"),
                                   QStringLiteral("fcbTop"), QStringLiteral("fcbBottom"),
                                   QStringLiteral("fcbTopBottom")};
    return names;
}

const QStringList &FlatCalHeadersStyleNames()
{
    static const QStringList names{QStringLiteral("fdsFirstChar"), QStringLiteral("fdsThreeChars"),
                                   QStringLiteral("fdsWhole")};
    return names;
}

const QStringList &FlatShadowPositionNames()
{
    static const QStringList names{QStringLiteral("fcpLowerRight"), QStringLiteral("fcpLowerLeft"),
                                   QStringLiteral("fcpUpperRight"), QStringLiteral("fcpUpperLeft")};
    return names;
}

const QStringList &WeekNumbersNames()
{
    static const QStringList names{QStringLiteral("wnNone"), QStringLiteral("wnIso"),
                                   QStringLiteral("wnUs")};
    return names;
}

const QStringList &FlatCalLanguageNames()
{
    static const QStringList names{QStringLiteral("fclEnglish"), QStringLiteral("fclGerman"),
                                   QStringLiteral("fclFrench"), QStringLiteral("fclItalian"),
                                   QStringLiteral("fclSpanish")};
    return names;
}

QString FlatMonthName(TFlatCalLanguage language, int month)
{
    if (month < 1 || month > 12)
        return {};
    return Table(language).Months[size_t(month - 1)];
}

QString FlatDayName(TFlatCalLanguage language, int weekday)
{
    if (weekday < 1 || weekday > 7)
        return {};
    return Table(language).Days[size_t(weekday - 1)];
}

QString FlatDayHeader(TFlatCalLanguage language, int weekday, TFlatCalHeadersStyle style)
{
    const QString name = FlatDayName(language, weekday);
    switch (style) {
    case fdsFirstChar:
        return name.left(1);
    case fdsThreeChars:
        return name.left(3);
    case fdsWhole:
        break;
    }
    return name;
}
