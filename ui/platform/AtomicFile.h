// Writing a whole file so that it is either replaced completely or left as it
// was: the bytes go to a temporary file beside it, which is then renamed over it.
#pragma once

#include <QByteArray>
#include <QString>

#include "KestLoadLibExport.h"

// True on success; otherwise false with the system's reason in `error`.
KESTLOADLIB_API bool WriteFileAtomically(const QString& path, const QByteArray& bytes,
                                         QString* error = nullptr);
