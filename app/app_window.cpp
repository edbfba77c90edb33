#include "app_window.h"

#include "language.h"
#include "module_path.h"

AppWindow::AppWindow() {
    const DWORD n = GetModuleFileNameW(nullptr, modulePath_, MAX_PATH);
    // A path filling the buffer is cut, not terminated on older systems: treat it as unknown.
    modulePath_[n < MAX_PATH ? n : 0] = L'\0';
}

void AppWindow::Attach(HINSTANCE instance, HWND dialog) {
    instance_ = instance;
    dialog_ = dialog;
}

const void* AppWindow::Resource(LPCWSTR type, LPCWSTR name, DWORD* bytes) const {
    HRSRC found = FindResourceExW(instance_, type, name, language_);
    if (bytes) *bytes = found ? SizeofResource(instance_, found) : 0;
    return found ? LockResource(LoadResource(instance_, found)) : nullptr;
}

void AppWindow::LoadText(UINT id, wchar_t* dest, int capacity) const {
    DWORD bytes = 0;
    const void* block = Resource(RT_STRING, MAKEINTRESOURCEW(id / 16 + 1), &bytes);
    StringFromBlock(static_cast<const unsigned short*>(block), bytes / 2, id % 16, dest,
                    static_cast<std::size_t>(capacity));
}

void AppWindow::GetRect(RECT* rect) const { GetWindowRect(dialog_, rect); }

void AppWindow::MoveTo(long x, long y) {
    RECT rect;
    GetWindowRect(dialog_, &rect);
    MoveWindow(dialog_, x, y, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void AppWindow::Quit() { PostQuitMessage(0); }

void AppWindow::ModuleDirectory(wchar_t* dest, int size) const {
    DirectoryOf(modulePath_, dest, static_cast<std::size_t>(size));
}
