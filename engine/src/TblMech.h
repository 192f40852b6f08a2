// The mechanism table: all mechanisms of one mechanism-data file, in file order.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "MechRec.h"

namespace kest {

class CTblMech {
public:
    // The fixed password of the mechanism-data files.
    static const char* const kPassword;

    // Fills the table from a file (encrypted unless `encrypted` is false).
    // Returns 0 or a TARN_ERR_* code; on -1, -901, -902, -903 and -904 the
    // previous records remain, on -4 the table is left empty. Only a regular
    // file of at most kMaxMechFileBytes is read; anything else gives -901.
    int Load(const std::u16string& path, bool encrypted);
    // Same from the bytes of an already decrypted file (-903, -904 or -4 on failure).
    int LoadXml(const char* text, size_t length);
    void Clear();

    int GetCount() const { return static_cast<int>(m_records.size()); }
    std::u16string GetNameAt(int index) const;
    MechRec* FindMech(const std::u16string& name) const;
    MechRec* GetAt(int index) const;

    int GetVersion() const { return m_version; }
    const std::u16string& GetLastModifiedDate() const { return m_lastModified; }

private:
    int m_version = 0;
    std::u16string m_lastModified;
    std::vector<std::unique_ptr<MechRec>> m_records;
};

}  // namespace kest
