#include "AtomicFile.h"

#include <cstring>
#include <string>

#include "FileBytes.h"
#include "FileNameBytes.h"
#include "Strings.h"

// The engine's writer does the work (links followed, only regular files, the
// old permissions kept, stale temporary files removed, flushed, renamed); this
// gives it the file name's own bytes and the reason in the window's terms.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    int err = 0;
    if (kest::WriteWholeFile(kest::FileNameToBytes(path).toStdString(),
                             reinterpret_cast<const unsigned char*>(bytes.constData()),
                             static_cast<size_t>(bytes.size()), nullptr, &err))
        return true;
    if (error) {
        *error = err != 0 ? QString::fromLocal8Bit(std::strerror(err))
                          : kest::LoadKestString(kest::IDS_NOT_REGULAR_FILE);
    }
    return false;
}
