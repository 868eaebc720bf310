#pragma once
// The language of the window's own texts. Polish is written in the source;
// other languages come from Qt's translation files built into the program
// (translations/*.ts, compiled to :/i18n/*.qm).
#include <QLocale>

#include "Language.h"

namespace dzwonex {

// Installs the translators for the language in the application, in place
// of the ones before: the game's own and, where the system has them,
// Qt's for its standard dialogs. Every window hears of the change.
void InstallLanguage(Language language);
// The language installed last; Polish before any.
Language InstalledLanguage();

// The language for a locale: Polish for a Polish one, English otherwise.
Language LanguageOfLocale(const QLocale& locale);

}  // namespace dzwonex
