#include "RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

#include "FileNameBytes.h"
#include "Strings.h"

namespace {

bool Fail(QString* error, const QString& reason, int fd = -1) {
    if (fd >= 0) close(fd);
    if (error) *error = reason;
    return false;
}

QString SystemReason(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

}  // namespace

bool ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& out, QString* error) {
    // Opened without blocking, so that a FIFO with no writer cannot stop the program.
    const int fd = open(kest::FileNameToBytes(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Fail(error, SystemReason(errno));
    struct stat st;
    if (fstat(fd, &st) != 0) return Fail(error, SystemReason(errno), fd);
    if (!S_ISREG(st.st_mode)) return Fail(error, kest::LoadKestString(kest::IDS_NOT_REGULAR_FILE), fd);
    const QString tooLarge = kest::LoadKestString(kest::IDS_FILE_TOO_LARGE).arg(maxBytes / (1024 * 1024));
    if (st.st_size > maxBytes) return Fail(error, tooLarge, fd);
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(st.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Fail(error, SystemReason(errno), fd);
        if (n == 0) break;
        // The file may grow while it is read.
        if (bytes.size() + n > maxBytes) return Fail(error, tooLarge, fd);
        bytes.append(chunk, static_cast<qsizetype>(n));
    }
    close(fd);
    out = bytes;
    return true;
}
