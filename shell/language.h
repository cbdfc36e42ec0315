#pragma once

#include "value.h"

#include <QString>
#include <QStringList>

namespace shell {

// Russian is what the games were written in: their texts need no translation.
inline const QString sourceLanguage = QStringLiteral("ru");

// "ru" and every language with a translation among the program's resources.
QStringList spokenLanguages();

// The first of the desktop's languages ("en-GB", "ru_RU", "C") that the game
// speaks; Russian for the C and POSIX locales, English when none matches.
QString pickLanguage(const QStringList& desktopLanguages, const QStringList& spoken);

// Installs the translations of that language (none for Russian). Call before
// any window is made; a later call replaces the earlier translations.
void useLanguage(const QString& language);
QString currentLanguage();

// The language QLocale::system() names (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
void useDesktopLanguage();

// A picture with words in it has a version per language beside it:
// ":/game/rules_en.jpg" for ":/game/rules.jpg". The one for the language
// spoken, where there is one.
QString pictureInLanguage(const QString& path);

// A number inside a sentence: Russian keeps the blank the runtime writes
// before a number that is not negative, as the games always showed it;
// a translation writes it as Russian does, less that blank (0 for empty).
QString sentenceNumber(const Value& v);

// The count by which a translation picks the plural form of an amount
// ("1 rouble", "5 рублів"): the amount itself where an int holds it; a larger
// whole number by its last two digits, which decide the form, kept above
// 99 so it is never singular where "1" would be; a fraction as many.
int pluralCount(const Value& v);

} // namespace shell
