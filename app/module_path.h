// The executable's directory, found without splitting a double-byte character.
#pragma once
#include <cstddef>

using LeadByteRule = bool (*)(unsigned char);

// Copies path into dest (whole characters only, at most capacity - 1 bytes, terminated), then cuts
// it after the last backslash that is a character of its own; GBK trail bytes can be 0x5C too.
// A path without a backslash stays whole.
void DirectoryOf(const char* path, char* dest, std::size_t capacity, LeadByteRule isLeadByte);
