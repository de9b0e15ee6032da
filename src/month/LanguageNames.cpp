#include "LanguageNames.h"

#include "Translations.h"

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

const std::array<TLanguageNames, LanguageCount> &LanguageTables()
{
    static const std::array<TLanguageNames, LanguageCount> tables{{
        {QStringLiteral("English"),
         QStringLiteral("English"),
         {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
          QStringLiteral("April"), QStringLiteral("May"), QStringLiteral("June"),
          QStringLiteral("July"), QStringLiteral("August"), QStringLiteral("September"),
          QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")},
         {QStringLiteral("Sunday"), QStringLiteral("Monday"), QStringLiteral("Tuesday"),
          QStringLiteral("Wednesday"), QStringLiteral("Thursday"), QStringLiteral("Friday"),
          QStringLiteral("Saturday")}},
        {QStringLiteral("German"),
         QStringLiteral("Deutsch"),
         {QStringLiteral("Januar"), QStringLiteral("Februar"), QStringLiteral("März"),
          QStringLiteral("April"), QStringLiteral("Mai"), QStringLiteral("Juni"),
          QStringLiteral("Juli"), QStringLiteral("August"), QStringLiteral("September"),
          QStringLiteral("Oktober"), QStringLiteral("November"), QStringLiteral("Dezember")},
         {QStringLiteral("Sonntag"), QStringLiteral("Montag"), QStringLiteral("Dienstag"),
          QStringLiteral("Mittwoch"), QStringLiteral("Donnerstag"), QStringLiteral("Freitag "),
          QStringLiteral("Samstag")}},
        {QStringLiteral("French"),
         QStringLiteral("Français"),
         {QStringLiteral("Janvier"), QStringLiteral("Février"), QStringLiteral("Mars"),
          QStringLiteral("Avril"), QStringLiteral("Mai"), QStringLiteral("Juin"),
          QStringLiteral("Juillet"), QStringLiteral("Août"), QStringLiteral("Septembre"),
          QStringLiteral("Octobre"), QStringLiteral("Novembre"), QStringLiteral("Décembre")},
         {QStringLiteral("Dimanche"), QStringLiteral("Lundi"), QStringLiteral("Mardi"),
          QStringLiteral("Mercredi"), QStringLiteral("Jeudi"), QStringLiteral("Vendredi"),
          QStringLiteral("Samedi")}},
        {QStringLiteral("Spanish"),
         QStringLiteral("Español"),
         {QStringLiteral("Enero"), QStringLiteral("Febrero"), QStringLiteral("Marzo"),
          QStringLiteral("Abril"), QStringLiteral("Mayo"), QStringLiteral("Junio"),
          QStringLiteral("Julio"), QStringLiteral("Agosto"), QStringLiteral("Septiembre"),
          QStringLiteral("Octubre"), QStringLiteral("Noviembre"), QStringLiteral("Diciembre")},
         {QStringLiteral("Domingo"), QStringLiteral("Lunes"), QStringLiteral("Martes"),
          QStringLiteral("Miércoles"), QStringLiteral("Jueves"), QStringLiteral("Viernes"),
          QStringLiteral("Sábado")}},
        {QStringLiteral("Italian"),
         QStringLiteral("L'italiano"),
         {QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo"),
          QStringLiteral("Aprile"), QStringLiteral("Maggio"), QStringLiteral("Giugno"),
          QStringLiteral("Luglio"), QStringLiteral("Agosto"), QStringLiteral("Settembre"),
          QStringLiteral("Ottobre"), QStringLiteral("Novembre"), QStringLiteral("Dicembre")},
         {QStringLiteral("Domenica"), QStringLiteral("Lunedì"), QStringLiteral("Martedì"),
          QStringLiteral("Mercoledì"), QStringLiteral("Giovedì"), QStringLiteral("Venerdì"),
          QStringLiteral("Sabato")}},
    }};
    return tables;
}

const TLanguageNames &InterfaceLanguageNames()
{
    // The tables in the order of LanguageTables.
    static const QStringList codes{u"en"_s, u"de"_s, u"fr"_s, u"es"_s, u"it"_s};
    const qsizetype table = codes.indexOf(InterfaceLanguage());
    return LanguageTables()[size_t(std::max<qsizetype>(table, 0))];
}
