#include "FileBytes.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace kest {

namespace {

// Closes the descriptor when the read ends, however it ends.
struct FdCloser {
    int fd;
    ~FdCloser() { ::close(fd); }
};

}  // namespace

ReadFileResult ReadWholeFile(const std::string& path, std::vector<unsigned char>& out, size_t maxBytes) {
    out.clear();
    // O_NONBLOCK: opening a FIFO without a writer would otherwise wait forever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return ReadFileResult::CannotOpen;
    FdCloser closer{fd};
    // Checked on the opened descriptor, so the path cannot be swapped in between.
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return ReadFileResult::CannotOpen;
    if (st.st_size < 0 || static_cast<unsigned long long>(st.st_size) > maxBytes) {
        return ReadFileResult::TooLarge;
    }
    // The size may change while reading (or be reported as 0, as some kernel
    // files do): read at most one byte beyond the limit and judge what came.
    out.reserve(static_cast<size_t>(st.st_size));
    unsigned char chunk[65536];
    for (;;) {
        const size_t room = maxBytes + 1 - out.size();
        const ssize_t n = ::read(fd, chunk, room < sizeof chunk ? room : sizeof chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            out.clear();
            return ReadFileResult::CannotOpen;
        }
        if (n == 0) break;
        out.insert(out.end(), chunk, chunk + n);
        if (out.size() > maxBytes) {
            out.clear();
            return ReadFileResult::TooLarge;
        }
    }
    return ReadFileResult::Ok;
}

namespace {

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The reason of a failed write: the system's error number (0 for a refusal of
// our own) and its text.
struct WriteFailure {
    std::string* error;
    int* sysError;
};

bool Fail(const WriteFailure& out, const std::string& reason, int err, int fd = -1,
          const std::string& temp = std::string()) {
    if (fd >= 0) ::close(fd);
    if (!temp.empty()) ::unlink(temp.c_str());
    if (out.error) *out.error = reason;
    if (out.sysError) *out.sysError = err;
    return false;
}

bool FailErrno(const WriteFailure& out, int err, int fd = -1, const std::string& temp = std::string()) {
    return Fail(out, std::strerror(err), err, fd, temp);
}

// The file that a write really replaces: symbolic links followed (a chain of
// them too, and one whose target does not exist yet), so the link stays.
bool ResolveLinks(std::string& path, int* err) {
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        char buf[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), buf, sizeof buf - 1);
        if (n <= 0) {
            *err = n < 0 ? errno : EINVAL;
            return false;
        }
        const std::string target(buf, static_cast<size_t>(n));
        path = target[0] == '/' ? target : FolderOf(path) + '/' + target;
    }
    *err = ELOOP;
    return false;
}

}  // namespace

bool IsOwnTempFileName(const char* name) {
    if (std::strncmp(name, ".kl.", 4) != 0 || std::strlen(name) != 10) return false;
    for (const char* c = name + 4; *c != '\0'; ++c) {
        if (!std::isalnum(static_cast<unsigned char>(*c))) return false;
    }
    return true;
}

int RemoveStaleTempFiles(const std::string& folder, const std::string& keep) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return 0;
    const std::string keepName = BaseName(keep);
    const time_t now = std::time(nullptr);
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsOwnTempFileName(entry->d_name) || keepName == entry->d_name) continue;
        struct stat st;
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(st.st_mode) || now - st.st_mtime <= 60) continue;
        if (::unlinkat(::dirfd(dir), entry->d_name, 0) == 0) ++removed;
    }
    ::closedir(dir);
    return removed;
}

bool WriteWholeFile(const std::string& path, const unsigned char* data, size_t length, std::string* error,
                    int* sysError) {
    const WriteFailure out{error, sysError};
    std::string target = path;
    int err = 0;
    if (!ResolveLinks(target, &err)) return FailErrno(out, err);
    struct stat st;
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists) {
        if (S_ISDIR(st.st_mode)) return FailErrno(out, EISDIR);
        // The rename would otherwise swap a FIFO, a socket or a device for a file.
        if (!S_ISREG(st.st_mode)) return Fail(out, "not a regular file", 0);
        if ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) return FailErrno(out, EACCES);
    }
    const std::string folder = FolderOf(target);
    RemoveStaleTempFiles(folder, target);
    std::string temp = folder + "/.kl.XXXXXX";
    const int fd = ::mkstemp(&temp[0]);
    if (fd < 0) return FailErrno(out, errno);
    size_t done = 0;
    while (done < length) {
        const ssize_t n = ::write(fd, data + done, length - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return FailErrno(out, n < 0 ? errno : ENOSPC, fd, temp);
        done += static_cast<size_t>(n);
    }
    const mode_t umaskNow = ::umask(0);
    ::umask(umaskNow);
    const mode_t mode = exists ? (st.st_mode & 07777) : (0666 & ~umaskNow);
    if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) return FailErrno(out, errno, fd, temp);
    if (::close(fd) != 0) return FailErrno(out, errno, -1, temp);
    if (::rename(temp.c_str(), target.c_str()) != 0) return FailErrno(out, errno, -1, temp);
    return true;
}

}  // namespace kest
