// File exports: encrypt a plain mechanism table, or decrypt and verify one.
#include <cstdio>
#include <string>
#include <vector>

#include "EngineMessage.h"
#include "Exports.h"
#include "FileBytes.h"
#include "MemCrypt.h"
#include "Tarn_Kest.h"
#include "TblMech.h"
#include "Utf16.h"

namespace kest {
namespace {

int ConvertFile(const char16_t* src, const char16_t* dst, bool encrypt) {
    const std::u16string srcPath = FromCallerText(src);
    const std::u16string dstPath = FromCallerText(dst);
    std::vector<unsigned char> data;
    switch (ReadWholeFile(Utf16ToUtf8(srcPath), data, kMaxMechFileBytes)) {
        case ReadFileResult::Ok: break;
        case ReadFileResult::TooLarge:
            ShowEngineMessage(u"The mechanism data file is larger than the limit of " +
                                  std::u16string(kMaxMechFileText) + u".(source) :\n" + srcPath,
                              KEST_MB_OK);
            return -1;
        case ReadFileResult::CannotOpen:
            ShowEngineMessage(u"Failed in opening the mechanism data file.(source) :\n" + srcPath,
                              KEST_MB_OK);
            return -1;
    }
    static_assert(kMaxMechFileBytes < 0x7FFFFFF0u, "file lengths are passed to the cipher as int");
    CMemCrypt crypt;
    int rc = crypt.Prepare(data.data(), static_cast<int>(data.size()), CTblMech::kPassword);
    if (rc >= 0) rc = encrypt ? crypt.Encrypt() : crypt.Decrypt();
    std::fflush(stdout);
    if (rc < 0) {
        // The code of the step that failed (the digest check gives -8).
        const std::string text = std::string(encrypt ? "Failed in encrypting" : "Failed in decrypting") +
                                 " the mechanism data file.\ncode=" + std::to_string(rc);
        ShowEngineMessage(Utf8ToUtf16(text), KEST_MB_OK);
        return -2;
    }
    // Written atomically: a full disk or a kill leaves the old table whole.
    std::string why;
    if (!WriteWholeFile(Utf16ToUtf8(dstPath), crypt.GetOutput(), static_cast<size_t>(crypt.GetOutputLength()),
                        &why)) {
        ShowEngineMessage(u"Failed in opening the mechanism data file.(destination) :\n" + dstPath + u"\n" +
                              Utf8ToUtf16(why),
                          KEST_MB_OK);
        return -3;
    }
    return 0;
}

}  // namespace
}  // namespace kest

TARN_EXPORT int EncryptMechData(const char16_t* src, const char16_t* dst) {
    try {
        return kest::ConvertFile(src, dst, true);
    } catch (...) {
        return -2;
    }
}

TARN_EXPORT int DecryptMechData(const char16_t* src, const char16_t* dst) {
    try {
        return kest::ConvertFile(src, dst, false);
    } catch (...) {
        return -2;
    }
}
