#include "profile_store.h"

#include <windows.h>

#include "setting_value.h"

void ProfileStore::SetPath(const wchar_t* path) { lstrcpynW(path_, path, sizeof path_ / sizeof path_[0]); }

long ProfileStore::ReadInt(const wchar_t* section, const wchar_t* key, long fallback) const {
    if (path_[0] == L'\0') return fallback;
    wchar_t text[kValueReadCapacity] = {};
    GetPrivateProfileStringW(section, key, L"m", text, kValueReadCapacity - 1, path_);
    return ParseSettingValue(text, fallback);
}

// A new file is written in the ANSI code page; the value and names are ASCII, so its bytes are the
// same on every system.
void ProfileStore::WriteInt(const wchar_t* section, const wchar_t* key, long value) const {
    if (path_[0] == L'\0') return;
    wchar_t text[kValueWriteCapacity] = {};
    FormatSettingValue(value, text, kValueWriteCapacity);
    WritePrivateProfileStringW(section, key, text, path_);
}
