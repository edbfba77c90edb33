// The program's folder from arbitrary GBK paths, at every capacity up to the path's own size.
// Input and output are heap blocks of exactly their size, so ASan sees any byte past either.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fuzz_check.h"
#include "../../app/module_path.h"

static bool GbkLead(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 1024) return 0;
    const std::size_t length = strnlen(reinterpret_cast<const char*>(data), size);
    char* path = new char[length + 1];
    std::memcpy(path, data, length);
    path[length] = '\0';

    // Where each character starts, and for a copy ending there, one past its last lone backslash.
    std::vector<std::size_t> starts;
    std::vector<std::size_t> cutBefore{0};
    for (std::size_t i = 0; i < length;) {
        const bool lead = GbkLead(static_cast<unsigned char>(path[i]));
        const std::size_t width = lead && i + 1 < length ? 2 : 1;
        starts.push_back(i);
        cutBefore.push_back(width == 1 && path[i] == '\\' ? i + 1 : cutBefore.back());
        i += width;
    }
    starts.push_back(length);

    for (std::size_t capacity = 0; capacity <= length + 2; ++capacity) {
        // ASan lets a zero-size block take one byte unnoticed: capacity 0 gets a canary instead.
        char* dest = new char[capacity ? capacity : 1];
        dest[0] = '#';
        DirectoryOf(path, dest, capacity, GbkLead);
        if (capacity == 0) {
            CHECK(dest[0] == '#');
        } else {
            // The longest run of whole characters that fits, cut after its last lone backslash.
            std::size_t k = 0;
            while (k + 1 < starts.size() && starts[k + 1] <= capacity - 1) ++k;
            const std::size_t expected = cutBefore[k] != 0 ? cutBefore[k] : starts[k];
            CHECK(std::memchr(dest, '\0', capacity) == dest + expected);
            CHECK(std::memcmp(dest, path, expected) == 0);
        }
        delete[] dest;
    }
    delete[] path;
    return 0;
}
