// The end-to-end harness: copies of torvane.exe started in fresh folders, their dialog found and
// worked through window messages, their settings file read back. Shared by every scenario.
#pragma once
#include <windows.h>
#include <psapi.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "../../resources/resource.h"

inline int g_failures = 0;
inline std::wstring g_exe, g_figures;
inline bool g_traditional = false;  // the run's system language reads the Traditional edition

// The program's own words as each edition must show them.
inline const wchar_t* Word(const wchar_t* simplified, const wchar_t* traditional) {
    return g_traditional ? traditional : simplified;
}
inline const DWORD kStartTimeoutMs = 240000;  // the first start under emulation is slow

inline void Check(bool ok, const char* what, const std::string& detail = "") {
    if (!ok) {
        ++g_failures;
        std::printf("FAIL: %s %s\n", what, detail.c_str());
    }
}

inline std::string Narrow(const std::wstring& w, UINT codePage = CP_UTF8) {
    char buf[8192];
    int n = WideCharToMultiByte(codePage, 0, w.c_str(), -1, buf, sizeof buf, nullptr, nullptr);
    return n > 0 ? std::string(buf, n - 1) : std::string();
}

inline std::wstring Wide(const std::string& s, UINT codePage = CP_UTF8) {
    wchar_t buf[8192];
    int n = MultiByteToWideChar(codePage, 0, s.c_str(), -1, buf, 8192);
    return n > 0 ? std::wstring(buf, n - 1) : std::wstring();
}

// Paths past MAX_PATH need the \\?\ form.
inline std::wstring Long(const std::wstring& path) { return path.rfind(L"\\\\", 0) == 0 ? path : L"\\\\?\\" + path; }

inline std::string ReadFileBytes(const std::wstring& path) {
    std::string data;
    HANDLE f = CreateFileW(Long(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return data;
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(f, buf, sizeof buf, &got, nullptr) && got > 0) data.append(buf, got);
    CloseHandle(f);
    return data;
}

inline void WriteFileBytes(const std::wstring& path, const std::string& data) {
    HANDLE f = CreateFileW(Long(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD put = 0;
    WriteFile(f, data.data(), static_cast<DWORD>(data.size()), &put, nullptr);
    CloseHandle(f);
}

// A figure's source file as the dialog must show it: UTF-16, CR LF breaks.
inline std::wstring Expected(const std::wstring& name) {
    std::string utf8 = ReadFileBytes(g_figures + L"\\" + name), crlf;
    for (char c : utf8) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return Wide(crlf);
}

inline std::wstring FigureFile(int number) {
    wchar_t name[16];
    swprintf(name, 16, L"%03d.txt", number);
    return name;
}

struct Run {
    std::wstring dir;
    PROCESS_INFORMATION pi = {};
    HWND dialog = nullptr;
    SYSTEMTIME before = {}, after = {};

    std::wstring Ini() const { return dir + L"\\torvane.ini"; }
    HWND Item(int id) const { return GetDlgItem(dialog, id); }

    std::wstring Box() const {
        static wchar_t text[8192];
        text[0] = L'\0';
        SendMessageW(Item(IDC_READING), WM_GETTEXT, 8192, reinterpret_cast<LPARAM>(text));
        return text;
    }
    int Selection(int id) const { return static_cast<int>(SendMessageA(Item(id), CB_GETCURSEL, 0, 0)); }
    void Select(int upper, int middle, int lower) const {
        SendMessageA(Item(IDC_UPPER), CB_SETCURSEL, upper, 0);
        SendMessageA(Item(IDC_MIDDLE), CB_SETCURSEL, middle, 0);
        SendMessageA(Item(IDC_LOWER), CB_SETCURSEL, lower, 0);
    }
    void Command(int id) const { SendMessageA(dialog, WM_COMMAND, id, 0); }
    RECT Rect() const {
        RECT r = {};
        GetWindowRect(dialog, &r);
        return r;
    }
    DWORD WaitExit() {
        DWORD code = 999;
        if (WaitForSingleObject(pi.hProcess, kStartTimeoutMs) != WAIT_OBJECT_0) {
            TerminateProcess(pi.hProcess, 998);
            Check(false, "program did not end");
        }
        GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
        return code;
    }
};

inline int g_runs = 0;
inline int g_madeCount = 0;
inline std::wstring g_made[64];  // the folders made, outermost first

// Makes a folder (paths past MAX_PATH too) and remembers it for the end.
inline void MakeFolder(const std::wstring& dir) {
    CreateDirectoryW(Long(dir).c_str(), nullptr);
    if (g_madeCount < 64) g_made[g_madeCount++] = dir;
}

// Empties and removes the folders, innermost first, whatever attributes a case gave them.
inline void RemoveRuns() {
    while (g_madeCount > 0) {
        const std::wstring dir = Long(g_made[--g_madeCount]);
        SetFileAttributesW(dir.c_str(), FILE_ATTRIBUTE_NORMAL);
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((dir + L"\\*").c_str(), &found);
        while (search != INVALID_HANDLE_VALUE) {
            const std::wstring item = dir + L"\\" + found.cFileName;
            SetFileAttributesW(item.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!DeleteFileW(item.c_str())) RemoveDirectoryW(item.c_str());
            if (!FindNextFileW(search, &found)) {
                FindClose(search);
                search = INVALID_HANDLE_VALUE;
            }
        }
        RemoveDirectoryW(dir.c_str());
    }
}

// A fresh folder holding a copy of the program, and an optional settings file.
inline Run Prepare(const std::string& ini = "", const wchar_t* folder = L"run", const wchar_t* exeName = L"torvane.exe") {
    Run run;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    wchar_t dir[MAX_PATH];
    swprintf(dir, MAX_PATH, L"%lstorvane-e2e-%lu-%d-%ls", temp, GetCurrentProcessId(), ++g_runs, folder);
    run.dir = dir;
    MakeFolder(run.dir);
    CopyFileW(g_exe.c_str(), Long(run.dir + L"\\" + exeName).c_str(), FALSE);
    if (!ini.empty()) WriteFileBytes(run.Ini(), ini);
    return run;
}

struct FindData { DWORD pid; HWND found; };

inline BOOL CALLBACK FindDialog(HWND w, LPARAM p) {
    FindData* d = reinterpret_cast<FindData*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    wchar_t cls[32];
    GetClassNameW(w, cls, 32);
    if (pid == d->pid && wcscmp(cls, L"#32770") == 0 && GetDlgItem(w, IDC_READING)) {
        d->found = w;
        return FALSE;
    }
    return TRUE;
}

inline bool Launch(Run& run, const wchar_t* exeName = L"torvane.exe") {
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    std::wstring exe = run.dir + L"\\" + exeName;
    GetSystemTime(&run.before);
    if (!CreateProcessW(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, run.dir.c_str(), &si, &run.pi)) {
        Check(false, "CreateProcess", Narrow(exe));
        return false;
    }
    return true;
}

// pollMs: how often to look; the benchmark looks every millisecond.
inline bool WaitForDialog(Run& run, DWORD pollMs = 100) {
    for (const DWORD begun = GetTickCount(); GetTickCount() - begun < kStartTimeoutMs;) {
        FindData d = {run.pi.dwProcessId, nullptr};
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&d));
        // The text is set while the dialog starts up; it is shown once that is done.
        if (d.found && SendMessageA(GetDlgItem(d.found, IDC_READING), WM_GETTEXTLENGTH, 0, 0) > 0 &&
            IsWindowVisible(d.found)) {
            run.dialog = d.found;
            GetSystemTime(&run.after);
            return true;
        }
        if (WaitForSingleObject(run.pi.hProcess, pollMs) == WAIT_OBJECT_0) break;
    }
    Check(false, "dialog did not appear");
    return false;
}

inline bool Start(Run& run) { return Launch(run) && WaitForDialog(run); }

struct Position { long left, top; bool present; };

inline Position Saved(const Run& run) {
    wchar_t buf[64];
    Position p = {0, 0, false};
    GetPrivateProfileStringW(L"winpos", L"left", L"", buf, 64, run.Ini().c_str());
    p.present = buf[0] != 0;
    p.left = wcstol(buf, nullptr, 10);
    GetPrivateProfileStringW(L"winpos", L"top", L"", buf, 64, run.Ini().c_str());
    p.present = p.present && buf[0] != 0;
    p.top = wcstol(buf, nullptr, 10);
    return p;
}

inline std::string Num(long v) { return std::to_string(v); }

inline void CloseWithEscape(Run& run) {
    PostMessageA(run.Item(IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(run.Item(IDOK), WM_KEYUP, VK_ESCAPE, 0);
}

inline void ExpectClosedAt(Run& run, long left, long top, const char* how) {
    Check(run.WaitExit() == 0, "exit code 0", how);
    Position p = Saved(run);
    Check(p.present && p.left == left && p.top == top, "position saved",
          std::string(how) + " got " + Num(p.left) + "," + Num(p.top) + " want " + Num(left) + "," + Num(top));
}


inline BOOL CALLBACK FindBox(HWND w, LPARAM p) {
    HWND* io = reinterpret_cast<HWND*>(p);
    if (GetWindow(w, GW_OWNER) == io[0] && IsWindowVisible(w)) {
        io[1] = w;
        return FALSE;
    }
    return TRUE;
}


struct WindowCount { DWORD pid; int n; std::wstring classes; };

inline BOOL CALLBACK CountVisible(HWND w, LPARAM p) {
    WindowCount* c = reinterpret_cast<WindowCount*>(p);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == c->pid && IsWindowVisible(w)) {
        ++c->n;
        wchar_t name[64] = {}, title[64] = {};
        GetClassNameW(w, name, 64);
        GetWindowTextW(w, title, 64);
        c->classes += std::wstring(L" ") + name + L"\"" + title + L"\"";
    }
    return TRUE;
}

// The process's visible top-level windows, and their classes and titles for a failure's message.
inline int VisibleWindowsOf(DWORD pid, std::wstring* classes = nullptr) {
    WindowCount c = {pid, 0, L""};
    EnumWindows(CountVisible, reinterpret_cast<LPARAM>(&c));
    if (classes) *classes = c.classes;
    return c.n;
}

struct Usage { DWORD gdi, user; bool guiCounted; int windows; DWORD handles; SIZE_T privateBytes; };

inline BOOL CALLBACK CountChild(HWND, LPARAM p) {
    ++*reinterpret_cast<int*>(p);
    return TRUE;
}

inline Usage UsageOf(const Run& run) {
    Usage u = {};
    SetLastError(0);
    u.gdi = GetGuiResources(run.pi.hProcess, GR_GDIOBJECTS);
    u.user = GetGuiResources(run.pi.hProcess, GR_USEROBJECTS);
    u.guiCounted = GetLastError() != ERROR_CALL_NOT_IMPLEMENTED;  // Wine does not count them
    u.windows = VisibleWindowsOf(run.pi.dwProcessId);
    EnumChildWindows(run.dialog, CountChild, reinterpret_cast<LPARAM>(&u.windows));
    GetProcessHandleCount(run.pi.hProcess, &u.handles);
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(run.pi.hProcess, &memory, sizeof memory);
    u.privateBytes = memory.PagefileUsage;
    return u;
}

inline std::string Describe(const Usage& u) {
    const std::string gui = u.guiCounted ? "gdi " + Num(u.gdi) + " user " + Num(u.user) : "gdi/user not counted here";
    return gui + ", windows " + Num(u.windows) + " handles " +
           Num(u.handles) + " private " + Num(static_cast<long>(u.privateBytes / 1024)) + " KiB";
}

inline bool ShowAndDismissAbout(Run& run) {
    PostMessageA(run.dialog, WM_COMMAND, IDC_ABOUT, 0);
    HWND io[2] = {run.dialog, nullptr};
    for (int i = 0; i < 300 && !io[1]; ++i) {
        Sleep(50);
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(io));
    }
    if (!io[1]) return false;
    PostMessageA(io[1], WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 300 && IsWindow(io[1]); ++i) Sleep(50);
    return !IsWindow(io[1]);
}


// Scenarios kept in their own files.
void BadInput();
void Soak();
void ShowAtDpi();
void SetLogPixels(DWORD dpi);
void Bench();
