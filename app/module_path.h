// The executable's directory, found without splitting a character.
#pragma once
#include <cstddef>

// Copies path into dest (whole characters only, at most capacity - 1 UTF-16 units, terminated),
// then cuts it after the last backslash. A surrogate pair is never split. A path without a
// backslash stays whole.
void DirectoryOf(const wchar_t* path, wchar_t* dest, std::size_t capacity);
