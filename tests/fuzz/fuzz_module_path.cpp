// The program's folder from arbitrary UTF-16 paths, at every capacity up to the path's own size.
// Input and output are heap blocks of exactly their size, so ASan sees any unit past either.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <vector>

#include "fuzz_check.h"
#include "../../app/module_path.h"

static bool IsPair(const wchar_t* c) {
    return c[0] >= 0xD800 && c[0] <= 0xDBFF && c[1] >= 0xDC00 && c[1] <= 0xDFFF;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 2048) return 0;
    // Pairs of bytes are UTF-16 code units, as the platform gives the path.
    std::size_t length = 0;
    while (length < size / 2 && (data[2 * length] | data[2 * length + 1]) != 0) ++length;
    wchar_t* path = new wchar_t[length + 1];
    for (std::size_t i = 0; i < length; ++i) path[i] = static_cast<wchar_t>(data[2 * i] | data[2 * i + 1] << 8);
    path[length] = L'\0';

    // Where each character starts, and for a copy ending there, one past its last backslash.
    std::vector<std::size_t> starts;
    std::vector<std::size_t> cutBefore{0};
    for (std::size_t i = 0; i < length;) {
        const std::size_t width = IsPair(path + i) ? 2 : 1;
        starts.push_back(i);
        cutBefore.push_back(path[i] == L'\\' ? i + 1 : cutBefore.back());
        i += width;
    }
    starts.push_back(length);

    for (std::size_t capacity = 0; capacity <= length + 2; ++capacity) {
        // ASan lets a zero-size block take one unit unnoticed: capacity 0 gets a canary instead.
        wchar_t* dest = new wchar_t[capacity ? capacity : 1];
        dest[0] = L'#';
        DirectoryOf(path, dest, capacity);
        if (capacity == 0) {
            CHECK(dest[0] == L'#');
        } else {
            // The longest run of whole characters that fits, cut after its last backslash.
            std::size_t k = 0;
            while (k + 1 < starts.size() && starts[k + 1] <= capacity - 1) ++k;
            const std::size_t expected = cutBefore[k] != 0 ? cutBefore[k] : starts[k];
            CHECK(std::wmemchr(dest, L'\0', capacity) == dest + expected);
            CHECK(std::wmemcmp(dest, path, expected) == 0);
        }
        delete[] dest;
    }
    delete[] path;
    return 0;
}
