#pragma once

#include <QString>
#include <QStringList>

// The languages the station speaks. Polish is the source of every text and
// needs no translation; English comes from the translation file scara_en.qm,
// built into the programs and installed under share/scara-station/translations.
enum class StationLanguage { Polish, English };

// What the user may choose: a language, or the system's.
enum class LanguageChoice { System, Polish, English };

// The choice as the settings keep it: "", "pl" or "en". Anything else read
// back is the system's language.
QString LanguageChoiceCode(LanguageChoice choice);
LanguageChoice LanguageChoiceFromCode(const QString& code);

// English when the first of the system's interface languages that the
// station knows is English (a LANGUAGE of "en_GB:pl" is English, a LANG of
// "C.UTF-8" is Polish).
StationLanguage SystemLanguage(const QStringList& uiLanguages);
StationLanguage ResolveLanguage(LanguageChoice choice);

// Puts `language`'s texts in force for the whole application: installs the
// translation (a LanguageChange event reaches every widget) or removes it for
// Polish, putting in Qt's own Polish translation (file dialogs, standard
// buttons) when the system has it. False when the translation could not be
// loaded; Polish stays then.
bool UseLanguage(StationLanguage language);
StationLanguage LanguageInUse();
// The mark between a figure's whole and its fraction in the texts the
// station shows: "12,5" in Polish, "12.5" in English. Numbers typed in and
// numbers in files keep their own format.
QChar DecimalMark();
// `value` with `decimals` digits after the language's decimal mark.
QString FormatFigure(double value, int decimals);
