// The settings file beside the executable.
#pragma once

class ProfileStore {
public:
    virtual ~ProfileStore() {}
    // An empty path turns reading and writing off; the defaults then apply.
    void SetPath(const char* path);
    long ReadInt(const char* section, const char* key, long fallback) const;
    void WriteInt(const char* section, const char* key, long value) const;

private:
    char path_[260] = {};
};

extern ProfileStore g_profile;
