// The running executable and its one dialog.
#pragma once
#include <windows.h>

class AppWindow {
public:
    AppWindow();
    virtual ~AppWindow() {}

    void Attach(HINSTANCE instance, HWND dialog);
    // The edition (resource language) every text and the dialog are taken in.
    void SetLanguage(LANGID language) { language_ = language; }
    const void* Resource(LPCWSTR type, LPCWSTR name, DWORD* bytes = nullptr) const;
    // Text `id` of the string table, as LoadString gives it, in the program's edition.
    void LoadText(UINT id, wchar_t* dest, int capacity) const;
    HWND Dialog() const { return dialog_; }
    void GetRect(RECT* rect) const;
    void MoveTo(long x, long y);
    void Quit();
    void ModuleDirectory(wchar_t* dest, int size) const;

private:
    wchar_t modulePath_[MAX_PATH];
    HINSTANCE instance_ = nullptr;
    HWND dialog_ = nullptr;
    LANGID language_ = 0;
};

extern AppWindow g_app;
