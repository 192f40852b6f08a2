// The language texts and templates are taken in: Korean (the program's own)
// or English. One language holds for the whole process (Language.h chooses it).
#pragma once

#include "KestLoadLibExport.h"

namespace kest {

enum class Lang { Korean, English };

// The language texts and templates are taken in now.
KESTLOADLIB_API Lang CurrentLanguage();
KESTLOADLIB_API void SetCurrentLanguage(Lang lang);

}  // namespace kest
