// The association of .kestload files with this program on the desktop: a
// desktop entry, a shared-mime-info package and the icons, all under the user's
// data home ($XDG_DATA_HOME, by default ~/.local/share). Written at every start;
// failures are ignored by the caller.
#pragma once

#include <QString>

#include "KestLoadLibExport.h"

// The user's data home, or empty text when there is none.
KESTLOADLIB_API QString DesktopDataHome();
// The desktop entry that opens project files with `executable`: 0, or -20
// (also for a path holding a control character). Only the program itself
// registers, never a tool or test that shows the main window.
KESTLOADLIB_API int RegisterOpenCommand(const QString& executable);
// The MIME type of *.kestload with the document icon: 0, or -20.
KESTLOADLIB_API int RegisterDefaultIcon();
// True when an installation's desktop entry and MIME type for KestLoad lie in
// one of the system's data folders ($XDG_DATA_DIRS, by default /usr/local/share
// and /usr/share): the program then registers nothing of its own.
KESTLOADLIB_API bool SystemDesktopFilesExist();
// The Exec value of a desktop entry for `executable` with one file argument.
KESTLOADLIB_API QString DesktopExecLine(const QString& executable);
