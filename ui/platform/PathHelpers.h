// Paths: the application folder and the pieces of a path the program shows.
// Both '\' and '/' count as separators.
#pragma once

#include <QString>

#include "KestLoadLibExport.h"

// The folder of the running executable, with its trailing '/'.
KESTLOADLIB_API QString AppFolder();
// Tests point the application folder at the build's application folder.
KESTLOADLIB_API void SetAppFolderOverride(const QString& folder);

// The last component of a path (trailing separators removed first); `folder`
// receives the text up to and including the separator.
KESTLOADLIB_API QString FileNameOfPath(const QString& path, QString* folder = nullptr);
// The name without its extension; empty when the name ends with '.'.
KESTLOADLIB_API QString StripExtension(const QString& name);
// The full path of a file of the application folder ("Image/crdsys.png") in
// the current language: a picture with words has its English twin below
// "Image/en/" ("Image/en/crdsys.png"); without a twin the file itself.
KESTLOADLIB_API QString LanguageAppFile(const QString& relative);
// Whether a file or folder exists at the path.
KESTLOADLIB_API bool PathExists(const QString& path);
