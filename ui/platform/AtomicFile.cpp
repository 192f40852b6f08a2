#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <climits>
#include <cstring>

#include "FileBytes.h"
#include "FileNameBytes.h"
#include "Strings.h"

namespace {

bool Fail(QString* error, int err, int fd = -1, const QByteArray& temp = QByteArray()) {
    if (fd >= 0) close(fd);
    if (!temp.isEmpty()) unlink(temp.constData());
    if (error) *error = QString::fromLocal8Bit(std::strerror(err));
    return false;
}

QByteArray FolderOf(const QByteArray& path) {
    const int slash = path.lastIndexOf('/');
    if (slash < 0) return QByteArray(".");
    if (slash == 0) return QByteArray("/");
    return path.left(slash);
}

// The file that a save really replaces: a symbolic link is followed (also a
// chain of them, and one whose target does not exist yet), so the link stays.
bool ResolveLinks(QByteArray& path, int* err) {
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st;
        if (lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        char buf[PATH_MAX];
        const ssize_t n = readlink(path.constData(), buf, sizeof buf - 1);
        if (n <= 0) {
            *err = n < 0 ? errno : EINVAL;
            return false;
        }
        const QByteArray target(buf, static_cast<int>(n));
        path = target.startsWith('/') ? target : FolderOf(path) + '/' + target;
    }
    *err = ELOOP;
    return false;
}

}  // namespace

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
    QByteArray target = kest::FileNameToBytes(path);
    int err = 0;
    if (!ResolveLinks(target, &err)) return Fail(error, err);
    // A file without write permission is not replaced, also for the superuser.
    struct stat st;
    const bool exists = stat(target.constData(), &st) == 0;
    if (exists) {
        if (S_ISDIR(st.st_mode)) return Fail(error, EISDIR);
        // Only a regular file is replaced: the rename would otherwise swap a
        // FIFO, a socket or a device (for the superuser even /dev/null) for a file.
        if (!S_ISREG(st.st_mode)) {
            if (error) *error = kest::LoadKestString(kest::IDS_NOT_REGULAR_FILE);
            return false;
        }
        if ((st.st_mode & 0222) == 0 || access(target.constData(), W_OK) != 0) return Fail(error, EACCES);
    }
    // Temporary files that a killed save left beside the file go first.
    kest::RemoveStaleTempFiles(FolderOf(target).toStdString(), target.toStdString());
    // A short temporary name beside the file, so that the longest legal file
    // name can still be saved.
    QByteArray temp = FolderOf(target) + "/.kl.XXXXXX";
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
    const mode_t umaskNow = umask(0);
    umask(umaskNow);
    const mode_t mode = exists ? (st.st_mode & 07777) : (0666 & ~umaskNow);
    if (fchmod(fd, mode) != 0 || fsync(fd) != 0) return Fail(error, errno, fd, temp);
    if (close(fd) != 0) return Fail(error, errno, -1, temp);
    if (rename(temp.constData(), target.constData()) != 0) return Fail(error, errno, -1, temp);
    return true;
}
