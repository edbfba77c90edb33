// The running executable and its one dialog.
#pragma once
#include <windows.h>

class AppWindow {
public:
    AppWindow();
    virtual ~AppWindow() {}

    void Attach(HINSTANCE instance, HWND dialog);
    HINSTANCE Instance() const { return instance_; }
    HWND Dialog() const { return dialog_; }
    void GetRect(RECT* rect) const;
    void MoveTo(long x, long y);
    void Quit();
    void ModuleDirectory(wchar_t* dest, int size) const;

private:
    wchar_t modulePath_[MAX_PATH];
    HINSTANCE instance_ = nullptr;
    HWND dialog_ = nullptr;
};

extern AppWindow g_app;
