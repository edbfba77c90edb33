#include "module_path.h"

static bool IsPair(const wchar_t* c) {
    return c[0] >= 0xD800 && c[0] <= 0xDBFF && c[1] >= 0xDC00 && c[1] <= 0xDFFF;
}

void DirectoryOf(const wchar_t* path, wchar_t* dest, std::size_t capacity) {
    if (capacity == 0) return;
    std::size_t out = 0;
    std::size_t cut = 0;  // one past the last backslash, 0 if none
    for (std::size_t i = 0; path[i] != L'\0';) {
        const std::size_t width = IsPair(path + i) ? 2 : 1;
        if (out + width > capacity - 1) break;
        for (std::size_t k = 0; k < width; ++k) dest[out++] = path[i + k];
        if (path[i] == L'\\') cut = out;
        i += width;
    }
    dest[cut != 0 ? cut : out] = L'\0';
}
