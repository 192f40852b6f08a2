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
// Creates or truncates the file; false when it cannot be written completely.
bool WriteWholeFile(const std::string& path, const unsigned char* data, size_t length);

}  // namespace kest
