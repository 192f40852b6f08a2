// Helpers shared by the engine tests: temporary folders, files and a small
// mechanism table with round numbers for hand-computed checks.
#pragma once

#include <string>
#include <vector>

namespace kesttest {

// A fresh folder under the system's temporary folder, removed on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    // The folder with a trailing '/'.
    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + name; }

private:
    std::string m_path;
};

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);

// Encrypts `plain` with the mechanism-data password, as the build does.
std::string EncryptTable(const std::string& plain);

// A table with the hand-check mechanism "HAND" (round binary numbers) and a
// second mechanism "Second"; the header has Version 7.
std::string HandTableXml();

// Writes `xml` encrypted as KestMechData.bin (and `oldXml` as
// KestMechData_old.bin when given) into `dir`.
void WriteTables(const TempDir& dir, const std::string& xml, const std::string& oldXml = "");

std::u16string U(const std::string& utf8);

}  // namespace kesttest
