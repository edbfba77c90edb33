#include "app_window.h"

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
