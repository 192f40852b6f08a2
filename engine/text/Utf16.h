// UTF-8 / UTF-16 conversion and the copy of a text into a caller's buffer.
#pragma once

#include <string>

namespace kest {

std::u16string Utf8ToUtf16(const std::string& utf8);
std::string Utf16ToUtf8(const std::u16string& utf16);
// A null pointer gives empty text.
std::u16string FromCallerText(const char16_t* text);

// Copies `text` with its terminating zero into `buf` of `size` characters. A
// text that does not fit is cut and still terminated; nothing is written when
// `buf` is null or `size` is not positive.
void CopyToCaller(const std::u16string& text, char16_t* buf, int size);

}  // namespace kest
