#include "SettingsFile.h"

#include <sys/stat.h>

#include <QFile>
#include <QStandardPaths>
#include <atomic>
#include <cstdio>

namespace kest {

QString UserSettingsPath(const QString& name) {
    // QSettings' own place for a user-scope file in the native (INI) format.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + name +
           QLatin1Char('/') + name + QStringLiteral(".conf");
}

bool UserSettingsUsable(const QString& name) {
    const QString path = UserSettingsPath(name);
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    // stat follows a link to the file it names; a missing file is no problem.
    if (stat(native.constData(), &st) != 0) return true;
    const char* why = nullptr;
    if (!S_ISREG(st.st_mode))
        why = "is not a regular file";
    else if (st.st_size > kMaxSettingsFileBytes)
        why = "is larger than 1 MB";
    if (why == nullptr) return true;
    static std::atomic<bool> warned{false};
    if (!warned.exchange(true)) {
        std::fprintf(stderr, "kestload: the settings file %s %s; it is ignored and the defaults are used\n",
                     native.constData(), why);
    }
    return false;
}

std::unique_ptr<QSettings> OpenUserSettings() {
    const QString name = QStringLiteral("KestLoad");
    if (!UserSettingsUsable(name)) return nullptr;
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, name, name);
}

}  // namespace kest
