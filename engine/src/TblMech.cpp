#include "TblMech.h"

#include <cstdio>
#include <string>
#include <vector>

#include "EngineMessage.h"
#include "FileBytes.h"
#include "MechXml.h"
#include "MemCrypt.h"
#include "Tarn_Kest.h"
#include "Utf16.h"

namespace kest {

const char* const CTblMech::kPassword = "lanterns5";

int CTblMech::Load(const std::u16string& path, bool encrypted) {
    const std::string fileName = Utf16ToUtf8(path);
    std::vector<unsigned char> file;
    switch (ReadWholeFile(fileName, file, kMaxMechFileBytes)) {
        case ReadFileResult::Ok: break;
        case ReadFileResult::TooLarge:
            ShowEngineMessage(u"The mechanism data file is larger than the limit of " +
                                  std::u16string(kMaxMechFileText) + u" :\r\n" + path,
                              KEST_MB_OK | KEST_MB_ICONSTOP);
            return TARN_ERR_OPEN;
        case ReadFileResult::CannotOpen:
            ShowEngineMessage(u"Can't find mechfile :\r\n" + path, KEST_MB_OK | KEST_MB_ICONSTOP);
            return TARN_ERR_OPEN;
    }
    if (!encrypted) {
        return LoadXml(reinterpret_cast<const char*>(file.data()), file.size());
    }
    static_assert(kMaxMechFileBytes < 0x7FFFFFF0u, "file lengths are passed to the cipher as int");
    CMemCrypt crypt;
    if (crypt.Prepare(file.data(), static_cast<int>(file.size()), kPassword) < 0) {
        return TARN_ERR_DECRYPT;
    }
    if (crypt.Decrypt() < 0) return TARN_ERR_DECRYPT;
    std::fflush(stdout);
    return LoadXml(reinterpret_cast<const char*>(crypt.GetOutput()),
                   static_cast<size_t>(crypt.GetOutputLength()));
}

int CTblMech::LoadXml(const char* text, size_t length) {
    MechTableText read;
    const int rc = ReadMechTableXml(text, length, read);
    if (rc == TARN_ERR_XML) return rc;
    if (rc == TARN_ERR_TOO_DEEP) {
        std::fprintf(stderr, "Mechanism data: elements nest deeper than %d levels; the file is refused.\n",
                     kMaxMechElementDepth);
        return rc;
    }
    Clear();
    if (rc == TARN_ERR_NO_HEADER) return rc;
    if (read.hasVersion) m_version = read.version;
    if (read.hasDate) m_lastModified = read.lastModified;
    for (size_t offset : read.unnamed) {
        std::fprintf(stderr, "Mechanism data: a Mech element without Name is skipped (offset %zu).\n",
                     offset);
    }
    m_records = std::move(read.records);
    return 0;
}

void CTblMech::Clear() { m_records.clear(); }

std::u16string CTblMech::GetNameAt(int index) const {
    if (index < 0 || index >= GetCount()) return std::u16string();
    return m_records[static_cast<size_t>(index)]->name;
}

MechRec* CTblMech::GetAt(int index) const {
    if (index < 0 || index >= GetCount()) return nullptr;
    return m_records[static_cast<size_t>(index)].get();
}

MechRec* CTblMech::FindMech(const std::u16string& name) const {
    for (const auto& rec : m_records) {
        if (rec->name == name) return rec.get();
    }
    return nullptr;
}

}  // namespace kest
