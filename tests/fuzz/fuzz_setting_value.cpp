// Setting values and the settings path against arbitrary file contents. Every output buffer is a
// heap block of exactly its capacity, so a byte written past it stops the run under ASan.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "../../settings/setting_value.h"

namespace {

constexpr long kFallback = -7;
constexpr wchar_t kCanary = L'#';

// ASan lets a zero-size block take one byte unnoticed, so capacity 0 gets a canary byte instead.
wchar_t* Output(std::size_t capacity) {
    wchar_t* dest = new wchar_t[capacity ? capacity : 1];
    dest[0] = kCanary;
    return dest;
}

// wcstol clamps the same way, so apart from the missing-key marker the two must agree wherever the
// text is ASCII; beyond it wcstol may take other blanks and digits, which the program does not.
void CheckParse(const wchar_t* text) {
    const long got = ParseSettingValue(text, kFallback);
    if (text[0] == L'm') {
        CHECK(got == kFallback);
        return;
    }
    for (const wchar_t* p = text; *p; ++p)
        if (*p > 0x7F) return;
    CHECK(got == std::wcstol(text, nullptr, 10));
}

void CheckFormat(long value) {
    wchar_t expected[kValueWriteCapacity];
    const int length = std::swprintf(expected, kValueWriteCapacity, L"%ld", value);
    CHECK(length > 0 && static_cast<std::size_t>(length) < kValueWriteCapacity);
    for (std::size_t capacity = 0; capacity <= kValueWriteCapacity; ++capacity) {
        wchar_t* dest = Output(capacity);
        FormatSettingValue(value, dest, capacity);
        if (capacity == 0) {
            CHECK(*dest == kCanary);
        } else {
            // A cut value keeps its leading characters.
            const std::size_t kept = std::min(capacity - 1, static_cast<std::size_t>(length));
            CHECK(std::wmemchr(dest, L'\0', capacity) == dest + kept);
            CHECK(std::wmemcmp(dest, expected, kept) == 0);
            if (kept == static_cast<std::size_t>(length))
                CHECK(ParseSettingValue(dest, kFallback) == value);
        }
        delete[] dest;
    }
}

void CheckJoin(const wchar_t* dir, const wchar_t* name) {
    const std::wstring whole = std::wstring(dir) + name;
    for (std::size_t capacity = 0; capacity <= whole.size() + 2; ++capacity) {
        wchar_t* dest = Output(capacity);
        const bool joined = JoinPath(dir, name, dest, capacity);
        CHECK(joined == (whole.size() < capacity));
        if (joined) CHECK(whole == dest);
        else CHECK(dest[0] == (capacity == 0 ? kCanary : L'\0'));
        delete[] dest;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 1024) return 0;
    // Each byte one UTF-16 unit (0x80 and up mapped past ASCII), so the seeds stay readable text.
    std::vector<wchar_t> text(size + 1, L'\0');  // exact size: a read past the NUL is caught
    for (std::size_t i = 0; i < size; ++i) text[i] = data[i] < 0x80 ? data[i] : static_cast<wchar_t>(0x3000 + data[i]);
    CheckParse(text.data());
    // What the program's reader can hand over: at most kValueReadCapacity - 2 characters.
    const std::size_t readLength = std::min(size, kValueReadCapacity - 2);
    std::vector<wchar_t> read(readLength + 1, L'\0');
    std::copy(text.begin(), text.begin() + readLength, read.begin());
    CheckParse(read.data());

    CheckFormat(ParseSettingValue(text.data(), kFallback));
    if (size >= sizeof(long)) {
        long raw;
        std::memcpy(&raw, data + size - sizeof raw, sizeof raw);
        CheckFormat(raw);
    }

    // Directory, then file name after the first NUL; a bare directory gets the program's own name.
    const std::size_t dirLength = std::wcslen(text.data());
    CheckJoin(text.data(), dirLength < size ? text.data() + dirLength + 1 : L"torvane.ini");
    return 0;
}
