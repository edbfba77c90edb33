#include "setting_value.h"

#include <climits>
#include <initializer_list>

long ParseSettingValue(const wchar_t* text, long fallback) {
    if (text[0] == L'm') return fallback;
    const wchar_t* p = text;
    while (*p == L' ' || *p == L'\t' || *p == L'\n' || *p == L'\v' || *p == L'\f' || *p == L'\r') ++p;
    bool negative = false;
    if (*p == L'+' || *p == L'-') negative = (*p++ == L'-');
    // Accumulate towards the sign so LONG_MIN itself is reachable.
    long value = 0;
    for (; *p >= L'0' && *p <= L'9'; ++p) {
        const int digit = static_cast<int>(*p - L'0');
        if (negative) {
            if (value < (LONG_MIN + digit) / 10) return LONG_MIN;
            value = value * 10 - digit;
        } else {
            if (value > (LONG_MAX - digit) / 10) return LONG_MAX;
            value = value * 10 + digit;
        }
    }
    return value;
}

void FormatSettingValue(long value, wchar_t* dest, std::size_t capacity) {
    wchar_t digits[kValueWriteCapacity];
    std::size_t n = 0;
    unsigned long magnitude = value < 0 ? 0ul - static_cast<unsigned long>(value)
                                        : static_cast<unsigned long>(value);
    do {
        digits[n++] = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) digits[n++] = L'-';
    std::size_t out = 0;
    while (n > 0 && out + 1 < capacity) dest[out++] = digits[--n];
    if (capacity > 0) dest[out] = L'\0';
}

bool JoinPath(const wchar_t* dir, const wchar_t* name, wchar_t* dest, std::size_t capacity) {
    if (capacity == 0) return false;
    std::size_t out = 0;
    for (const wchar_t* part : {dir, name}) {
        for (; *part; ++part) {
            if (out + 1 >= capacity) {
                dest[0] = L'\0';
                return false;
            }
            dest[out++] = *part;
        }
    }
    dest[out] = L'\0';
    return true;
}
