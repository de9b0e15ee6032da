#include "HolidaySets.h"

#include "RecurringFormula.h"
#include "RecurringResolve.h"
#include "Windows1252.h"

#include <QDate>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The program folder of the build, where the sets are copied.
const QString ProgramDir = QStringLiteral(DW_PROGRAM_DIR);

QStringList SetLines(const QString &name)
{
    for (const THolidaySet &set : HolidaySets(ProgramDir)) {
        if (set.Name == name) {
            const TRecurringRead read = HolidaySetLines(set);
            EXPECT_TRUE(read.Error.isEmpty()) << read.Error.toStdString();
            return read.Lines;
        }
    }
    ADD_FAILURE() << "no set " << name.toStdString();
    return {};
}

// Every day of year the entry named so in a set falls on.
QList<QDate> DaysOf(const QString &set, const QString &name, int year)
{
    QList<QDate> days;
    bool found = false;
    for (const QString &line : SetLines(set)) {
        if (EntryName(line) != name)
            continue;
        found = true;
        for (int month = 1; month <= 12; ++month) {
            for (int day : ResolveDays(line, month, year))
                days.append(QDate(year, month, day));
        }
    }
    EXPECT_TRUE(found) << set.toStdString() << ": " << name.toStdString();
    return days;
}

struct THolidayCase
{
    const char *Set;
    const char *Name;
    int Year;
    QList<QDate> Days;
};

void Check(const THolidayCase &c)
{
    EXPECT_EQ(DaysOf(QString::fromLatin1(c.Set), QString::fromUtf8(c.Name), c.Year), c.Days)
        << c.Set << ": " << c.Name << " " << c.Year;
}

QDate D(int year, int month, int day)
{
    return QDate(year, month, day);
}

} // namespace

TEST(HolidaySets, TheBuiltInListComesFirstThenTheShippedSets)
{
    QStringList names;
    for (const THolidaySet &set : HolidaySets(ProgramDir))
        names.append(set.Name);
    EXPECT_EQ(names, QStringList({"United States", "Canada", "France", "Germany", "Italy", "Spain",
                                  "United Kingdom"}));
    QTemporaryDir empty;
    ASSERT_EQ(HolidaySets(empty.path()).size(), 1);
    EXPECT_EQ(HolidaySetLines(HolidaySets(empty.path())[0]).Lines.size(), 26);
}

TEST(HolidaySets, EveryLineIsAFormulaThatFallsOnADay)
{
    for (const THolidaySet &set : HolidaySets(ProgramDir)) {
        const QStringList lines = HolidaySetLines(set).Lines;
        EXPECT_GE(lines.size(), 10) << set.Name.toStdString();
        for (const QString &line : lines) {
            EXPECT_GE(line.size(), 127) << line.toStdString();
            EXPECT_FALSE(EntryName(line).isEmpty());
            EXPECT_TRUE(FitsWindows1252(line));
            int days = 0;
            for (int year = 2020; year <= 2030; ++year) {
                for (int month = 1; month <= 12; ++month)
                    days += int(ResolveDays(line, month, year).size());
            }
            EXPECT_GT(days, 0) << set.Name.toStdString() << ": " << line.toStdString();
        }
    }
}

TEST(HolidaySets, UnitedKingdom)
{
    const char *uk = "United Kingdom";
    const THolidayCase cases[] = {
        {uk, "Good Friday", 2024, {D(2024, 3, 29)}},
        {uk, "Easter Monday (England, Wales, Northern Ireland)", 2025, {D(2025, 4, 21)}},
        {uk, "Early May bank holiday", 2024, {D(2024, 5, 6)}},
        {uk, "Early May bank holiday", 2025, {D(2025, 5, 5)}},
        {uk, "Spring bank holiday", 2023, {D(2023, 5, 29)}},
        {uk, "Summer bank holiday (England, Wales, Northern Ireland)", 2026, {D(2026, 8, 31)}},
        {uk, "Summer bank holiday (Scotland)", 2024, {D(2024, 8, 5)}},
        {uk,
         "New Year's Day (substitute day, England, Wales, Northern Ireland)",
         2022,
         {D(2022, 1, 3)}},
        {uk,
         "New Year's Day (substitute day, England, Wales, Northern Ireland)",
         2023,
         {D(2023, 1, 2)}},
        {uk, "New Year's Day (substitute day, England, Wales, Northern Ireland)", 2024, {}},
        {uk, "New Year's Day (substitute day, Scotland)", 2022, {D(2022, 1, 3)}},
        {uk, "2nd January (substitute day, Scotland)", 2022, {D(2022, 1, 4)}},
        {uk, "2nd January (substitute day, Scotland)", 2027, {D(2027, 1, 4)}},
        {uk, "St Patrick's Day (substitute day, Northern Ireland)", 2024, {D(2024, 3, 18)}},
        {uk, "Battle of the Boyne (substitute day, Northern Ireland)", 2025, {D(2025, 7, 14)}},
        {uk, "St Andrew's Day (substitute day, Scotland)", 2024, {D(2024, 12, 2)}},
        {uk, "St Andrew's Day (substitute day, Scotland)", 2025, {D(2025, 12, 1)}},
        {uk, "Christmas Day (substitute day)", 2021, {D(2021, 12, 27)}},
        {uk, "Boxing Day (substitute day)", 2021, {D(2021, 12, 28)}},
        {uk, "Christmas Day (substitute day)", 2022, {D(2022, 12, 27)}},
        {uk, "Boxing Day (substitute day)", 2022, {}},
        {uk, "Boxing Day (substitute day)", 2026, {D(2026, 12, 28)}},
        {uk, "Christmas Day (substitute day)", 2024, {}},
    };
    for (const THolidayCase &c : cases)
        Check(c);
}

TEST(HolidaySets, Canada)
{
    const char *ca = "Canada";
    const THolidayCase cases[] = {
        {ca, "Victoria Day", 2023, {D(2023, 5, 22)}},
        {ca, "Victoria Day", 2024, {D(2024, 5, 20)}},
        {ca, "Victoria Day", 2025, {D(2025, 5, 19)}},
        {ca, "Victoria Day", 2026, {D(2026, 5, 18)}},
        {ca, "Family Day (most provinces)", 2024, {D(2024, 2, 19)}},
        {ca, "Civic Holiday (most provinces)", 2024, {D(2024, 8, 5)}},
        {ca, "Labour Day", 2025, {D(2025, 9, 1)}},
        {ca, "Thanksgiving", 2024, {D(2024, 10, 14)}},
        {ca, "Thanksgiving", 2025, {D(2025, 10, 13)}},
        {ca, "Canada Day (observed)", 2018, {D(2018, 7, 2)}},
        {ca, "Canada Day (observed)", 2023, {D(2023, 7, 3)}},
        {ca, "Canada Day (observed)", 2024, {}},
        {ca,
         "National Day for Truth and Reconciliation (observed, federal)",
         2023,
         {D(2023, 10, 2)}},
        {ca, "Remembrance Day (observed, federal)", 2023, {D(2023, 11, 13)}},
        {ca, "Good Friday", 2026, {D(2026, 4, 3)}},
        {ca, "New Year's Day (observed)", 2023, {D(2023, 1, 2)}},
    };
    for (const THolidayCase &c : cases)
        Check(c);
}

TEST(HolidaySets, Germany)
{
    const char *de = "Germany";
    const THolidayCase cases[] = {
        {de, "Karfreitag", 2023, {D(2023, 4, 7)}},
        {de, "Ostermontag", 2024, {D(2024, 4, 1)}},
        {de, "Christi Himmelfahrt", 2023, {D(2023, 5, 18)}},
        {de, "Christi Himmelfahrt", 2024, {D(2024, 5, 9)}},
        {de, "Christi Himmelfahrt", 2025, {D(2025, 5, 29)}},
        {de, "Pfingstmontag", 2023, {D(2023, 5, 29)}},
        {de, "Pfingstmontag", 2024, {D(2024, 5, 20)}},
        {de, "Pfingstmontag", 2025, {D(2025, 6, 9)}},
        {de, "Fronleichnam (BW, BY, HE, NW, RP, SL, teilweise SN und TH)", 2024, {D(2024, 5, 30)}},
        {de, "Fronleichnam (BW, BY, HE, NW, RP, SL, teilweise SN und TH)", 2025, {D(2025, 6, 19)}},
        {de, "Buß- und Bettag (SN)", 2023, {D(2023, 11, 22)}},
        {de, "Buß- und Bettag (SN)", 2024, {D(2024, 11, 20)}},
        {de, "Buß- und Bettag (SN)", 2025, {D(2025, 11, 19)}},
        {de, "Tag der Deutschen Einheit", 2024, {D(2024, 10, 3)}},
    };
    for (const THolidayCase &c : cases)
        Check(c);
}

TEST(HolidaySets, FranceSpainAndItaly)
{
    const THolidayCase cases[] = {
        {"France", "Lundi de Pâques", 2024, {D(2024, 4, 1)}},
        {"France", "Ascension", 2025, {D(2025, 5, 29)}},
        {"France", "Lundi de Pentecôte", 2024, {D(2024, 5, 20)}},
        {"France", "Lundi de Pentecôte", 2026, {D(2026, 5, 25)}},
        {"France", "Fête nationale", 2024, {D(2024, 7, 14)}},
        {"Spain", "Jueves Santo (casi todas las comunidades)", 2023, {D(2023, 4, 6)}},
        {"Spain", "Jueves Santo (casi todas las comunidades)", 2024, {D(2024, 3, 28)}},
        {"Spain", "Viernes Santo", 2025, {D(2025, 4, 18)}},
        {"Spain", "Fiesta Nacional de España", 2024, {D(2024, 10, 12)}},
        {"Italy", "Lunedì dell'Angelo", 2024, {D(2024, 4, 1)}},
        {"Italy", "Lunedì dell'Angelo", 2025, {D(2025, 4, 21)}},
        {"Italy", "Lunedì dell'Angelo", 2026, {D(2026, 4, 6)}},
        {"Italy", "Festa della Repubblica", 2025, {D(2025, 6, 2)}},
    };
    for (const THolidayCase &c : cases)
        Check(c);
}
