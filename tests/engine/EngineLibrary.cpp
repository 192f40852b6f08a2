#include "EngineLibrary.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

namespace kesttest {

EngineLibrary::EngineLibrary() {
    const std::string path = std::string(KEST_APP_DIR) + "libTarn_Kest.so";
    m_handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (m_handle == nullptr) {
        ADD_FAILURE() << "dlopen " << path << ": " << dlerror();
        return;
    }
    create = reinterpret_cast<PFN_Tarn_CreateInstance>(dlsym(m_handle, TARN_CREATE_INSTANCE_NAME));
    remove = reinterpret_cast<PFN_Tarn_DeleteInstance>(dlsym(m_handle, TARN_DELETE_INSTANCE_NAME));
    encrypt = reinterpret_cast<PFN_EncryptMechData>(dlsym(m_handle, TARN_ENCRYPT_NAME));
    decrypt = reinterpret_cast<PFN_DecryptMechData>(dlsym(m_handle, TARN_DECRYPT_NAME));
    if (!create || !remove || !encrypt || !decrypt) ADD_FAILURE() << "an export is missing";
}

EngineLibrary::~EngineLibrary() {
    if (m_handle != nullptr) dlclose(m_handle);
}

std::vector<RecordedMessage>& Messages() {
    static std::vector<RecordedMessage> messages;
    return messages;
}

}  // namespace kesttest

// The message hook the engine looks up at call time.
extern "C" __attribute__((visibility("default"))) int KestMessageBoxW(const char16_t* text,
                                                                      unsigned int flags) {
    kesttest::Messages().push_back({text ? std::u16string(text) : std::u16string(), flags});
    return 1;  // IDOK
}
