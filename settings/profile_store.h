// The settings file beside the executable.
#pragma once

class ProfileStore {
public:
    virtual ~ProfileStore() {}
    // An empty path turns reading and writing off; the defaults then apply.
    void SetPath(const wchar_t* path);
    long ReadInt(const wchar_t* section, const wchar_t* key, long fallback) const;
    void WriteInt(const wchar_t* section, const wchar_t* key, long value) const;

private:
    wchar_t path_[260] = {};
};

extern ProfileStore g_profile;
