// File names as the system holds them: bytes. A name that is not UTF-8 keeps
// its bytes through the program: each byte of a sequence that is not UTF-8
// becomes one character U+DC80 to U+DCFF (which UTF-8 can never hold), and
// turns back into that byte when the file is opened.
#pragma once

#include <QByteArray>
#include <QString>

#include "KestLoadLibExport.h"

namespace kest {

// The name of a command-line argument or directory entry as text.
KESTLOADLIB_API QString FileNameFromBytes(const QByteArray& bytes);
// The bytes to open: UTF-8, with U+DC80 to U+DCFF as the bytes they hold.
KESTLOADLIB_API QByteArray FileNameToBytes(const QString& name);
// The byte a character of FileNameFromBytes stands for, or -1 for a character
// that is text.
KESTLOADLIB_API int RawFileNameByte(char16_t c);

}  // namespace kest
