#include "Lang.h"

#include <atomic>

namespace kest {
namespace {

std::atomic<Lang> g_lang{Lang::Korean};

}  // namespace

Lang CurrentLanguage() { return g_lang.load(); }

void SetCurrentLanguage(Lang lang) { g_lang.store(lang); }

}  // namespace kest
