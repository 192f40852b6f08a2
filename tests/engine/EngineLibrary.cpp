#include "EngineLibrary.h"

#include <gtest/gtest.h>

namespace kesttest {

EngineLibrary::EngineLibrary() {
    std::string error;
    if (!Open(KEST_APP_DIR, error)) ADD_FAILURE() << error;
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
