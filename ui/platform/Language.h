// The language of the interface: Korean (the program's own) or English.
//
// One language holds for the whole process. It is chosen once at start-up, in
// this order: the --lang option, the user's setting (View > Language), the
// process locale (English for en_*, Korean for every other locale). Windows
// take their texts when they are built, so a change made from the menu is only
// stored and applies to windows of later processes.
#pragma once

#include <QString>
#include <QStringList>

#include "KestLoadLibExport.h"
#include "Lang.h"

namespace kest {

// "ko" or "en".
KESTLOADLIB_API QString LanguageCode(Lang lang);
// Reads "ko" or "en" (any case, surrounding blanks allowed); false for anything else.
KESTLOADLIB_API bool ParseLanguageCode(const QString& code, Lang* lang);

// The language of a locale name as the environment gives it ("en_GB.UTF-8",
// "ko_KR.UTF-8", "C"): English for English locales, Korean for all others.
KESTLOADLIB_API Lang LanguageOfLocale(const QString& localeName);
// The locale that decides the messages' language: the first set of LC_ALL,
// LC_MESSAGES and LANG.
KESTLOADLIB_API QString ProcessMessageLocale();

// The choice order: a valid option, else a valid setting, else the locale.
KESTLOADLIB_API Lang ChooseLanguage(const QString& option, const QString& setting, const QString& localeName);

// The user's setting ("ko", "en" or empty when none is stored), kept with
// QSettings under the user's configuration folder.
KESTLOADLIB_API QString SavedLanguageSetting();
KESTLOADLIB_API void SaveLanguageSetting(Lang lang);

// The language of this process from the --lang value (empty when not given),
// the setting and the locale; makes it current and returns it.
KESTLOADLIB_API Lang ApplyStartupLanguage(const QString& option);

// Qt's own texts (message-box buttons, file dialogs, edit menus) in `lang`:
// Korean loads Qt's Korean translation when it is installed, English removes
// it. Needs the application object. False when the Korean translation is missing.
KESTLOADLIB_API bool InstallQtTranslation(Lang lang);

// Takes the --lang option (with a value, or as --lang=xx) out of `args`.
// Returns false with `error` set for a missing or unknown value; `value` is
// empty when the option is absent.
KESTLOADLIB_API bool TakeLanguageOption(QStringList& args, QString* value, QString* error);

// True when `text` holds Hangul (syllables or jamo).
KESTLOADLIB_API bool ContainsHangul(const QString& text);

}  // namespace kest
