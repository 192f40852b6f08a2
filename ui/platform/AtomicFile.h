// Writing a whole file so that it is either replaced completely or left as it
// was: the bytes go to a temporary file beside it, which is then renamed over it.
#pragma once

#include <QByteArray>
#include <QString>

#include "KestLoadLibExport.h"

// True on success; otherwise false with the system's reason in `error`. Only a
// regular file (or a new one) is written: a FIFO, socket or device is refused.
KESTLOADLIB_API bool WriteFileAtomically(const QString& path, const QByteArray& bytes,
                                         QString* error = nullptr);
