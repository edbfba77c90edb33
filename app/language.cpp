#include "language.h"

namespace {
bool IsChinese(unsigned short language) { return (language & 0x3FF) == 0x04; }

bool IsTraditional(unsigned short language) {
    // Taiwan, Hong Kong, Macau, and Chinese (Traditional) without a region.
    return language == 0x0404 || language == 0x0C04 || language == 0x1404 || language == 0x7C04;
}
}  // namespace

unsigned short EditionFor(unsigned short uiLanguage, unsigned short userLocale) {
    const unsigned short deciding = IsChinese(uiLanguage) ? uiLanguage : userLocale;
    return IsTraditional(deciding) ? kTraditionalChinese : kSimplifiedChinese;
}

void StringFromBlock(const unsigned short* block, std::size_t units, unsigned index, wchar_t* dest,
                     std::size_t capacity) {
    if (capacity == 0) return;
    std::size_t at = 0;
    for (unsigned i = 0; i < index && at < units; ++i) at += 1u + block[at];
    std::size_t length = at < units ? block[at] : 0;
    if (at < units && length > units - at - 1) length = units - at - 1;
    if (length > capacity - 1) length = capacity - 1;
    for (std::size_t i = 0; i < length; ++i) dest[i] = static_cast<wchar_t>(block[at + 1 + i]);
    dest[length] = L'\0';
}
