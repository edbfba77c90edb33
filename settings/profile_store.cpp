#include "profile_store.h"

#include <windows.h>

#include "setting_value.h"

void ProfileStore::SetPath(const char* path) { lstrcpynA(path_, path, sizeof path_); }

long ProfileStore::ReadInt(const char* section, const char* key, long fallback) const {
    if (path_[0] == '\0') return fallback;
    char text[kValueReadCapacity] = {};
    GetPrivateProfileStringA(section, key, "m", text, kValueReadCapacity - 1, path_);
    return ParseSettingValue(text, fallback);
}

void ProfileStore::WriteInt(const char* section, const char* key, long value) const {
    if (path_[0] == '\0') return;
    char text[kValueWriteCapacity] = {};
    FormatSettingValue(value, text, sizeof text);
    WritePrivateProfileStringA(section, key, text, path_);
}
