#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include "SettingsFile.h"

namespace kest {
namespace {

// In $XDG_CONFIG_HOME/KestLoad/KestLoad.conf (OpenUserSettings).
const char* const kSettingKey = "Language";

}  // namespace

QString LanguageCode(Lang lang) {
    return lang == Lang::English ? QStringLiteral("en") : QStringLiteral("ko");
}

bool ParseLanguageCode(const QString& code, Lang* lang) {
    const QString c = code.trimmed().toLower();
    Lang l;
    if (c == QLatin1String("ko"))
        l = Lang::Korean;
    else if (c == QLatin1String("en"))
        l = Lang::English;
    else
        return false;
    if (lang) *lang = l;
    return true;
}

Lang LanguageOfLocale(const QString& localeName) {
    // language[_territory][.codeset][@modifier]
    QString language = localeName.trimmed();
    for (const QChar end : {QLatin1Char('_'), QLatin1Char('.'), QLatin1Char('@')}) {
        const qsizetype at = language.indexOf(end);
        if (at >= 0) language.truncate(at);
    }
    return language.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0 ? Lang::English : Lang::Korean;
}

QString ProcessMessageLocale() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty()) return value;
    }
    return QString();
}

Lang ChooseLanguage(const QString& option, const QString& setting, const QString& localeName) {
    Lang lang;
    if (ParseLanguageCode(option, &lang)) return lang;
    if (ParseLanguageCode(setting, &lang)) return lang;
    return LanguageOfLocale(localeName);
}

QString SavedLanguageSetting() {
    const std::unique_ptr<QSettings> settings = OpenUserSettings();
    if (!settings) return QString();
    const QString value = settings->value(QLatin1String(kSettingKey)).toString();
    return ParseLanguageCode(value, nullptr) ? value.trimmed().toLower() : QString();
}

void SaveLanguageSetting(Lang lang) {
    // A FIFO or a huge file in its place is left alone: the setting is not kept.
    const std::unique_ptr<QSettings> settings = OpenUserSettings();
    if (!settings) return;
    settings->setValue(QLatin1String(kSettingKey), LanguageCode(lang));
    settings->sync();
}

Lang ApplyStartupLanguage(const QString& option) {
    const Lang lang = ChooseLanguage(option, SavedLanguageSetting(), ProcessMessageLocale());
    SetCurrentLanguage(lang);
    return lang;
}

bool InstallQtTranslation(Lang lang) {
    static QTranslator* translator = nullptr;
    if (QCoreApplication::instance() == nullptr) return false;
    if (translator != nullptr) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
        translator = nullptr;
    }
    if (lang == Lang::English) return true;  // Qt's own texts are English
    auto* t = new QTranslator;
    if (!t->load(QStringLiteral("qtbase_ko"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    translator = t;
    return true;
}

bool TakeLanguageOption(QStringList& args, QString* value, QString* error) {
    QString found;
    for (qsizetype i = 0; i < args.size();) {
        const QString& a = args[i];
        if (a == QLatin1String("--")) break;  // what follows are file names
        if (a == QLatin1String("--lang")) {
            if (i + 1 >= args.size()) {
                if (error) *error = QStringLiteral("--lang needs a language: ko or en");
                return false;
            }
            found = args[i + 1];
            args.remove(i, 2);
        } else if (a.startsWith(QLatin1String("--lang="))) {
            found = a.mid(7);
            args.remove(i);
        } else {
            ++i;
            continue;
        }
        if (!ParseLanguageCode(found, nullptr)) {
            if (error) *error = QStringLiteral("unknown language \"%1\" (use ko or en)").arg(found);
            return false;
        }
    }
    if (value) *value = found.trimmed().toLower();
    return true;
}

bool ContainsHangul(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        // Hangul jamo, compatibility jamo, jamo extensions A and B, syllables.
        if ((u >= 0x1100 && u <= 0x11FF) || (u >= 0x3130 && u <= 0x318F) || (u >= 0xA960 && u <= 0xA97F) ||
            (u >= 0xAC00 && u <= 0xD7AF) || (u >= 0xD7B0 && u <= 0xD7FF))
            return true;
    }
    return false;
}

}  // namespace kest
