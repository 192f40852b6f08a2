// The user's settings file ($XDG_CONFIG_HOME/KestLoad/KestLoad.conf): read only
// when it is a regular file of a sane size, so that a FIFO there cannot hang
// a start and a huge file cannot slow it down or exhaust memory.
#pragma once

#include <QSettings>
#include <QString>
#include <memory>

#include "KestLoadLibExport.h"

namespace kest {

// The largest settings file that is read: 1 MB.
constexpr qint64 kMaxSettingsFileBytes = 1024 * 1024;

// Where the settings file of `name` (organisation and application) lies.
KESTLOADLIB_API QString UserSettingsPath(const QString& name);

// True when the file is missing (the defaults hold, and a save creates it) or
// a regular file of at most kMaxSettingsFileBytes. Otherwise false, after one
// warning per process on standard error: the settings are then neither read
// nor written, and the defaults hold.
KESTLOADLIB_API bool UserSettingsUsable(const QString& name);

// The program's own settings (KestLoad.conf: the language, the report's
// choices), or null when UserSettingsUsable says no: every reader and writer
// of the settings goes through here.
KESTLOADLIB_API std::unique_ptr<QSettings> OpenUserSettings();

}  // namespace kest
