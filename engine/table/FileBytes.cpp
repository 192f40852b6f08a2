#include "FileBytes.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

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

bool WriteWholeFile(const std::string& path, const unsigned char* data, size_t length) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    const bool written = length == 0 || std::fwrite(data, 1, length, f) == length;
    const bool closed = std::fclose(f) == 0;
    return written && closed;
}

}  // namespace kest
