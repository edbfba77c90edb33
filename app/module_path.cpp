#include "module_path.h"

void DirectoryOf(const char* path, char* dest, std::size_t capacity, LeadByteRule isLeadByte) {
    if (capacity == 0) return;
    std::size_t out = 0;
    std::size_t cut = 0;  // one past the last lone backslash, 0 if none
    for (std::size_t i = 0; path[i] != '\0';) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        const std::size_t width = (isLeadByte(c) && path[i + 1] != '\0') ? 2 : 1;
        if (out + width > capacity - 1) break;
        for (std::size_t k = 0; k < width; ++k) dest[out++] = path[i + k];
        if (width == 1 && c == '\\') cut = out;
        i += width;
    }
    dest[cut != 0 ? cut : out] = '\0';
}
