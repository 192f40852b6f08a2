// Reading a whole file that the user or the desktop handed over: only a regular
// file below a size limit is read, so a FIFO, a device or a folder can neither
// hang nor exhaust the program.
#pragma once

#include <QByteArray>
#include <QString>

#include "KestLoadLibExport.h"

// True with the file's bytes in `out`; otherwise false with a reason for the
// user in `error` (the system's reason, "not a regular file" or the limit).
KESTLOADLIB_API bool ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& out,
                                     QString* error = nullptr);
