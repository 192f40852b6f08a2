// Shows an engine message to the user through the process's message hook
// (KestMessageBoxW, provided by the user-interface library) or, when the process
// has none, writes it to standard error.
#pragma once

#include <string>

namespace kest {

void ShowEngineMessage(const std::u16string& text, unsigned int flags);

}  // namespace kest
