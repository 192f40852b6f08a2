#include "NumText.h"

#include <locale.h>
#include <cerrno>
#include <climits>
#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace kest {
namespace {

// The "C" locale object, created once and never freed.
locale_t CLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

}  // namespace

bool ScanFloat(const char* text, float& out) {
    if (text == nullptr) return false;
    char* end = nullptr;
    const float value = strtof_l(text, &end, CLocale());
    if (end == text) return false;
    out = value;
    return true;
}

bool ScanDouble(const char* text, double& out) {
    if (text == nullptr) return false;
    char* end = nullptr;
    const double value = strtod_l(text, &end, CLocale());
    if (end == text) return false;
    out = value;
    return true;
}

bool ParseDouble(const char* text, double& out) {
    if (text == nullptr) return false;
    char* end = nullptr;
    const double value = strtod_l(text, &end, CLocale());
    if (end == text) return false;
    while (*end == ' ' || *end == '\t' || *end == '\r' || *end == '\n') ++end;
    if (*end != '\0') return false;
    out = value;
    return true;
}

int ParseIntPrefix(const char* text) {
    if (text == nullptr) return 0;
    char* end = nullptr;
    errno = 0;
    const long long value = strtoll_l(text, &end, 10, CLocale());
    if (end == text) return 0;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

std::string FormatC(const char* format, double value) {
    // uselocale switches only this thread, so the process locale stays as it is.
    const locale_t previous = uselocale(CLocale());
    char buf[512];
    const int n = std::snprintf(buf, sizeof buf, format, value);
    uselocale(previous);
    if (n < 0) return std::string();
    if (static_cast<size_t>(n) < sizeof buf) return std::string(buf, static_cast<size_t>(n));
    std::string big(static_cast<size_t>(n) + 1, '\0');
    uselocale(CLocale());
    std::snprintf(&big[0], big.size(), format, value);
    uselocale(previous);
    big.resize(static_cast<size_t>(n));
    return big;
}

}  // namespace kest
