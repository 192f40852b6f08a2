// libTarn_Kest.so from the application folder with its exports bound by name,
// and a recorder for the engine's messages (this test program exports the
// message hook the engine looks up).
#pragma once

#include <string>
#include <vector>

#include "EngineLib.h"
#include "Tarn_Kest.h"

namespace kesttest {

// The build's application folder's engine; a failure to load fails the test.
class EngineLibrary : public CEngineLib {
public:
    EngineLibrary();
};

struct RecordedMessage {
    std::u16string text;
    unsigned int flags;
};
std::vector<RecordedMessage>& Messages();

}  // namespace kesttest
