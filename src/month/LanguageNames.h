#pragma once

#include <QString>

#include <array>

// Month and day names in the languages the properties dialog offers: months
// January to December, days Sunday to Saturday, spelled as the program has
// always stored them (the German Friday keeps its trailing space).
struct TLanguageNames
{
    QString ButtonName; // the button's object name
    QString Caption;    // the language's own name on the button
    std::array<QString, 12> Months;
    std::array<QString, 7> Days;
};

inline constexpr int LanguageCount = 5;

// English, German, French, Spanish and Italian, in that order.
const std::array<TLanguageNames, LanguageCount> &LanguageTables();

// The table of the language the interface speaks (InterfaceLanguage);
// English without a translation.
const TLanguageNames &InterfaceLanguageNames();
