// Window-free parts of the settings file: a value's text, and the file's path.
#pragma once
#include <cstddef>

constexpr std::size_t kValueReadCapacity = 32;
constexpr std::size_t kValueWriteCapacity = 33;

// A stored value as atol reads it, but clamped to long's range instead of overflowing.
// Text starting with a lower-case 'm' (what a missing key reads as) gives the default.
long ParseSettingValue(const wchar_t* text, long fallback);

// Base 10, '-' for negatives, always terminated within capacity.
void FormatSettingValue(long value, wchar_t* dest, std::size_t capacity);

// dir + name into dest; false (and dest empty) when it would not fit, so a cut path never names
// another file.
bool JoinPath(const wchar_t* dir, const wchar_t* name, wchar_t* dest, std::size_t capacity);
