// libTarn_Kest.so from the application folder with its exports bound by name,
// and a recorder for the engine's messages (this test program exports the
// message hook the engine looks up).
#pragma once

#include <fstream>
#include <string>
#include <vector>

#include "Tarn_Kest.h"

namespace kesttest {

class EngineLibrary {
public:
    EngineLibrary();
    ~EngineLibrary();
    EngineLibrary(const EngineLibrary&) = delete;
    EngineLibrary& operator=(const EngineLibrary&) = delete;

    PFN_Tarn_CreateInstance create = nullptr;
    PFN_Tarn_DeleteInstance remove = nullptr;
    PFN_EncryptMechData encrypt = nullptr;
    PFN_DecryptMechData decrypt = nullptr;

private:
    void* m_handle = nullptr;
};

struct RecordedMessage {
    std::u16string text;
    unsigned int flags;
};
std::vector<RecordedMessage>& Messages();

}  // namespace kesttest
