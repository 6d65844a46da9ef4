#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// The language of the interface: French, the language the texts are written
// in, or English, from the translation built into the program. It is chosen
// once, at start-up, by the first of these that names a known language:
// the command line's "--lang fr|en" (or "--lang=en"), the environment's
// UMBRANT_LANG, the choice kept by "Langue / Language" in the settings;
// else French.

inline constexpr const char* kLanguageOption = "--lang";
inline constexpr const char* kLanguageVariable = "UMBRANT_LANG";

// The language of a code such as "fr", "en", "EN" or "en_GB.UTF-8"; none for
// an empty or unknown code.
std::optional<QLocale::Language> LanguageOfCode(const QString& code);
// The code kept in the settings for a language: "fr" or "en".
QString CodeOfLanguage(QLocale::Language language);

// The code given after the language option among the program's arguments
// (the first one is the program); empty when there is none.
QString LanguageArgument(const QStringList& arguments);

QLocale::Language ChooseInterfaceLanguage(const QStringList& arguments, const QString& environment,
                                          const QString& setting);

// Installs the program's translation for the language and Qt's own, in
// place of those installed before. False when a translation is missing, in
// which case the texts stay as they are.
bool InstallInterfaceLanguage(QLocale::Language language);
// The language installed last; French before any.
QLocale::Language InterfaceLanguage();

// Chooses the language of this run from the arguments, the environment and
// the settings (the profile's names must be set), and installs it.
QLocale::Language SetUpInterfaceLanguage(const QStringList& arguments);
