#include "EngineMessage.h"

#include <dlfcn.h>

#include <cstdio>

#include "Tarn_Kest.h"
#include "Utf16.h"

namespace kest {

void ShowEngineMessage(const std::u16string& text, unsigned int flags) {
    // Looked up at every call: the hook may be loaded after the engine.
    void* sym = dlsym(RTLD_DEFAULT, KEST_MESSAGE_BOX_NAME);
    if (sym != nullptr) {
        reinterpret_cast<PFN_KestMessageBoxW>(sym)(text.c_str(), flags);
        return;
    }
    const std::string utf8 = Utf16ToUtf8(text);
    std::fprintf(stderr, "%s\n", utf8.c_str());
    std::fflush(stderr);
}

}  // namespace kest
