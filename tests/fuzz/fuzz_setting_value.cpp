// Setting values and the settings path against arbitrary file contents. Every output buffer is a
// heap block of exactly its capacity, so a byte written past it stops the run under ASan.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "../../settings/setting_value.h"

namespace {

constexpr long kFallback = -7;
constexpr char kCanary = '#';

// ASan lets a zero-size block take one byte unnoticed, so capacity 0 gets a canary byte instead.
char* Output(std::size_t capacity) {
    char* dest = new char[capacity ? capacity : 1];
    dest[0] = kCanary;
    return dest;
}

// strtol clamps the same way, so apart from the missing-key marker the two must agree everywhere.
void CheckParse(const char* text) {
    const long got = ParseSettingValue(text, kFallback);
    if (text[0] == 'm') {
        CHECK(got == kFallback);
        return;
    }
    CHECK(got == std::strtol(text, nullptr, 10));
}

void CheckFormat(long value) {
    char expected[kValueWriteCapacity];
    const int length = std::snprintf(expected, sizeof expected, "%ld", value);
    CHECK(length > 0 && static_cast<std::size_t>(length) < sizeof expected);
    for (std::size_t capacity = 0; capacity <= kValueWriteCapacity; ++capacity) {
        char* dest = Output(capacity);
        FormatSettingValue(value, dest, capacity);
        if (capacity == 0) {
            CHECK(*dest == kCanary);
        } else {
            // A cut value keeps its leading characters.
            const std::size_t kept = std::min(capacity - 1, static_cast<std::size_t>(length));
            CHECK(std::memchr(dest, '\0', capacity) == dest + kept);
            CHECK(std::memcmp(dest, expected, kept) == 0);
            if (kept == static_cast<std::size_t>(length))
                CHECK(ParseSettingValue(dest, kFallback) == value);
        }
        delete[] dest;
    }
}

void CheckJoin(const char* dir, const char* name) {
    const std::string whole = std::string(dir) + name;
    for (std::size_t capacity = 0; capacity <= whole.size() + 2; ++capacity) {
        char* dest = Output(capacity);
        const bool joined = JoinPath(dir, name, dest, capacity);
        CHECK(joined == (whole.size() < capacity));
        if (joined) CHECK(whole == dest);
        else CHECK(dest[0] == (capacity == 0 ? kCanary : '\0'));
        delete[] dest;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 1024) return 0;
    std::vector<char> text(size + 1, '\0');  // exact size: a read past the NUL is caught
    std::memcpy(text.data(), data, size);
    CheckParse(text.data());
    // What the program's reader can hand over: at most kValueReadCapacity - 2 characters.
    const std::size_t readLength = std::min(size, kValueReadCapacity - 2);
    std::vector<char> read(readLength + 1, '\0');
    std::memcpy(read.data(), data, readLength);
    CheckParse(read.data());

    CheckFormat(ParseSettingValue(text.data(), kFallback));
    if (size >= sizeof(long)) {
        long raw;
        std::memcpy(&raw, data + size - sizeof raw, sizeof raw);
        CheckFormat(raw);
    }

    // Directory, then file name after the first NUL; a bare directory gets the program's own name.
    const std::size_t dirLength = std::strlen(text.data());
    CheckJoin(text.data(), dirLength < size ? text.data() + dirLength + 1 : "torvane.ini");
    return 0;
}
