#include "setting_value.h"

#include <climits>
#include <initializer_list>

long ParseSettingValue(const char* text, long fallback) {
    if (text[0] == 'm') return fallback;
    const char* p = text;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\v' || *p == '\f' || *p == '\r') ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    // Accumulate towards the sign so LONG_MIN itself is reachable.
    long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        const int digit = *p - '0';
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

void FormatSettingValue(long value, char* dest, std::size_t capacity) {
    char digits[kValueWriteCapacity];
    std::size_t n = 0;
    unsigned long magnitude = value < 0 ? 0ul - static_cast<unsigned long>(value)
                                        : static_cast<unsigned long>(value);
    do {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) digits[n++] = '-';
    std::size_t out = 0;
    while (n > 0 && out + 1 < capacity) dest[out++] = digits[--n];
    if (capacity > 0) dest[out] = '\0';
}

bool JoinPath(const char* dir, const char* name, char* dest, std::size_t capacity) {
    if (capacity == 0) return false;
    std::size_t out = 0;
    for (const char* part : {dir, name}) {
        for (; *part; ++part) {
            if (out + 1 >= capacity) {
                dest[0] = '\0';
                return false;
            }
            dest[out++] = *part;
        }
    }
    dest[out] = '\0';
    return true;
}
