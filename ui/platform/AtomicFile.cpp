#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

namespace {

bool Fail(QString* error, int err, int fd = -1, const QByteArray& temp = QByteArray()) {
    if (fd >= 0) close(fd);
    if (!temp.isEmpty()) unlink(temp.constData());
    if (error) *error = QString::fromLocal8Bit(std::strerror(err));
    return false;
}

}  // namespace

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    const QByteArray target = QFile::encodeName(path);
    QByteArray temp = target + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) return Fail(error, errno);
    // Every byte is checked: a short write (full disk, size limit) is a failure.
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Fail(error, n < 0 ? errno : ENOSPC, fd, temp);
        done += n;
    }
    // The new file keeps the old one's permissions (a new one gets the usual ones).
    struct stat st;
    const mode_t umaskNow = umask(0);
    umask(umaskNow);
    const mode_t mode = stat(target.constData(), &st) == 0 ? (st.st_mode & 07777) : (0666 & ~umaskNow);
    if (fchmod(fd, mode) != 0 || fsync(fd) != 0) return Fail(error, errno, fd, temp);
    if (close(fd) != 0) return Fail(error, errno, -1, temp);
    if (rename(temp.constData(), target.constData()) != 0) return Fail(error, errno, -1, temp);
    return true;
}
