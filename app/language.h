// Which edition a user reads, and the string-table format the texts are found in: window-free.
#pragma once
#include <cstddef>

// The two editions' resource languages: Chinese (PRC) and Chinese (Taiwan).
constexpr unsigned short kSimplifiedChinese = 0x0804;
constexpr unsigned short kTraditionalChinese = 0x0404;

// Traditional for a Chinese (Taiwan, Hong Kong or Macau) UI language, or, when the UI language is
// not Chinese, for such a locale; Simplified otherwise. The same on every Windows, unlike the
// resource loader's fallback.
unsigned short EditionFor(unsigned short uiLanguage, unsigned short userLocale);

// Copies string `index` (0..15) of a string-table block of `units` UTF-16 units (each string a
// count, then that many units) into dest: at most capacity - 1 units, terminated. A string the
// block does not hold whole is cut at the block's end; a missing block gives "".
void StringFromBlock(const unsigned short* block, std::size_t units, unsigned index, wchar_t* dest,
                     std::size_t capacity);
