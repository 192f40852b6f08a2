// Whole-file reading and writing for the engine (UTF-8 file names).
#pragma once

#include <string>
#include <vector>

namespace kest {

// False when the path is not a readable regular file.
bool ReadWholeFile(const std::string& path, std::vector<unsigned char>& out);
// Creates or truncates the file; false when it cannot be written completely.
bool WriteWholeFile(const std::string& path, const unsigned char* data, size_t length);

}  // namespace kest
