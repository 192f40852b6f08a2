// Whole-file reading and writing for the engine (UTF-8 file names).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kest {

// Largest mechanism-data file the engine reads: far above any real table, small
// enough that a hostile file cannot exhaust memory.
constexpr size_t kMaxMechFileBytes = size_t{16} * 1024 * 1024;
// The limit as users read it in messages.
constexpr const char16_t* kMaxMechFileText = u"16 MB";

enum class ReadFileResult {
    Ok,
    CannotOpen,  // missing, unreadable or not a regular file (folder, FIFO, device)
    TooLarge,    // more than the caller's limit
};

// Reads a regular file of at most `maxBytes` bytes. Never blocks on a FIFO or a
// device: the file is opened without waiting and refused unless it is regular.
// `out` is cleared on every failure.
ReadFileResult ReadWholeFile(const std::string& path, std::vector<unsigned char>& out, size_t maxBytes);
// Replaces the file (or creates it) atomically: the bytes go to a temporary
// file ".kl.XXXXXX" beside it, are flushed to the disk and renamed over it, so
// a full disk or a kill leaves the old file as it was. A symbolic link is
// followed (the link stays); an existing target must be a regular file (a
// FIFO, device or folder is refused) that may be written; the new file keeps
// the old one's permissions. Stale temporary files beside it are removed first
// (RemoveStaleTempFiles). False with the reason in `error` on failure, and in
// `sysError` the system's error number (0 when the target is no regular file).
bool WriteWholeFile(const std::string& path, const unsigned char* data, size_t length,
                    std::string* error = nullptr, int* sysError = nullptr);

// The name pattern of our temporary files: ".kl." and six characters of mkstemp.
bool IsOwnTempFileName(const char* name);
// Removes the temporary files of our name pattern in `folder` that a killed
// writer left: only regular files (never links), only when older than a
// minute, never `keep` (the file about to be written). Returns how many went.
int RemoveStaleTempFiles(const std::string& folder, const std::string& keep);

}  // namespace kest
