// End-to-end driver, run under the same platform as the program: starts copies of torvane.exe in
// fresh folders and works the dialog through its window messages, as a user's clicks would.
// Usage: e2e.exe SCENARIO PATH\torvane.exe PATH\figures   (exit code 0 when every check held)
#include "harness.h"

namespace {
void Startup() {
    Run run = Prepare();
    if (!Start(run)) return;
    Check(run.Box() == Expected(L"intro.txt"), "introduction shown");
    const int lists[] = {IDC_UPPER, IDC_MIDDLE, IDC_LOWER};
    const wchar_t* labels[] = {Word(L"无字", L"無字"), L"一字", L"二字", L"三字", L"四字"};
    for (int id : lists) {
        Check(run.Selection(id) == 0, "list at 0");
        Check(SendMessageA(run.Item(id), CB_GETCOUNT, 0, 0) == 5, "five labels");
        for (int i = 0; i < 5; ++i) {
            wchar_t text[16] = {};
            SendMessageW(run.Item(id), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            Check(wcscmp(text, labels[i]) == 0, "label", Narrow(text));
        }
    }
    const struct { int id; const wchar_t* text; } buttons[] = {
        {IDOK, L"解析"}, {IDC_RANDOM, Word(L"随机起课", L"隨機起課")}, {IDC_ABOUT, Word(L"关于", L"關於")}};
    for (auto& b : buttons) {
        wchar_t text[16] = {};
        SendMessageW(run.Item(b.id), WM_GETTEXT, 16, reinterpret_cast<LPARAM>(text));
        Check(wcscmp(text, b.text) == 0, "button", Narrow(text));
    }
    // The file's version block in this edition's script, as Explorer's properties show it.
    static char version[8192];
    void* description = nullptr;
    UINT length = 0;
    const std::wstring block = std::wstring(L"\\StringFileInfo\\") + Word(L"080404b0", L"040404b0") + L"\\FileDescription";
    Check(GetFileVersionInfoW(g_exe.c_str(), 0, sizeof version, version) &&
              VerQueryValueW(version, block.c_str(), &description, &length) &&
              wcscmp(static_cast<wchar_t*>(description), Word(L"Torvane 灵棋经起课", L"Torvane 靈棋經起課")) == 0,
          "version block in the edition's script");
    DWORD* languages = nullptr;
    Check(VerQueryValueW(version, L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&languages), &length) &&
              length == 8 && languages[0] == MAKELONG(0x0804, 1200) && languages[1] == MAKELONG(0x0404, 1200),
          "version block names both languages");
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(run.pi.dwThreadId, &gui);
    Check(gui.hwndFocus == run.Item(IDOK), "focus on the reading button");

    run.Command(IDOK);
    Check(run.Box() == Expected(L"000.txt"), "IDOK shows 000");
    run.Select(1, 2, 3);
    Check(run.Box() == Expected(L"000.txt"), "selection alone changes nothing");
    const int figures[][3] = {{1, 2, 3}, {3, 2, 1}, {4, 4, 4}};
    for (auto& f : figures) {
        run.Select(f[0], f[1], f[2]);
        run.Command(IDOK);
        Check(run.Box() == Expected(FigureFile(100 * f[0] + 10 * f[1] + f[2])), "reading", Num(f[0] * 100 + f[1] * 10 + f[2]));
    }
    // Typing goes into the box; Enter in the box reads instead of breaking the line.
    run.Select(1, 0, 1);
    HWND box = run.Item(IDC_READING);
    SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed"));
    PostMessageA(box, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(box, WM_CHAR, '\r', 0);
    PostMessageA(box, WM_KEYUP, VK_RETURN, 0);
    SendMessageA(run.dialog, WM_NULL, 0, 0);  // the posted keys are handled before this returns
    Sleep(200);
    Check(run.Box() == Expected(L"101.txt"), "Enter in the box reads 101");
    CloseWithEscape(run);
    RECT r = run.Rect();
    ExpectClosedAt(run, r.left, r.top, "escape");
}

void Casting() {
    // The run's clock is eight hours ahead of UTC, as in Taipei: a cast seeded from local time fails.
    SYSTEMTIME utc, local;
    GetSystemTime(&utc);
    GetLocalTime(&local);
    Check((local.wHour - utc.wHour + 24) % 24 == 8, "local time eight hours ahead of UTC",
          Num(local.wHour) + " vs " + Num(utc.wHour));
    Run run = Prepare();
    if (!Start(run)) return;
    run.Command(IDC_RANDOM);
    const int got = 100 * run.Selection(IDC_UPPER) + 10 * run.Selection(IDC_MIDDLE) + run.Selection(IDC_LOWER);
    // Any second between just before the start and the dialog's appearance may have seeded it.
    FILETIME a, b;
    SystemTimeToFileTime(&run.before, &a);
    SystemTimeToFileTime(&run.after, &b);
    ULONGLONG t0 = (ULONGLONG(a.dwHighDateTime) << 32 | a.dwLowDateTime) / 10000000ull;
    ULONGLONG t1 = (ULONGLONG(b.dwHighDateTime) << 32 | b.dwLowDateTime) / 10000000ull;
    bool matched = false;
    for (ULONGLONG t = t0; t <= t1 && !matched; ++t) {
        ULONGLONG ft = t * 10000000ull;
        FILETIME f = {DWORD(ft), DWORD(ft >> 32)};
        SYSTEMTIME s;
        FileTimeToSystemTime(&f, &s);
        unsigned state = 365u * s.wYear + 30u * s.wMonth + 1440u * s.wDay + 60u * s.wHour + 60u * s.wMinute + s.wSecond;
        int counts[3];
        for (int& c : counts) {
            state = state * 214013u + 2531011u;
            c = int((state >> 16) & 0x7FFF) % 5;
        }
        matched = 100 * counts[0] + 10 * counts[1] + counts[2] == got;
    }
    Check(matched, "cast follows the start second's seed", Num(got));
    Check(run.Box() == Expected(FigureFile(got)), "cast shows its figure");
    PostMessageA(run.dialog, WM_CLOSE, 0, 0);
    Check(run.WaitExit() == 0, "exit code 0 after WM_CLOSE");
}


void AboutAndClosing() {
    Run run = Prepare();
    if (!Start(run)) return;
    run.Select(2, 1, 0);
    const std::wstring before = run.Box();
    PostMessageA(run.dialog, WM_COMMAND, IDC_ABOUT, 0);
    HWND io[2] = {run.dialog, nullptr};
    for (int i = 0; i < 300 && !io[1]; ++i) {
        Sleep(100);
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(io));
    }
    Check(io[1] != nullptr, "About box shown");
    if (io[1]) {
        wchar_t caption[64] = {}, text[256] = {};
        SendMessageW(io[1], WM_GETTEXT, 64, reinterpret_cast<LPARAM>(caption));
        SendMessageW(GetDlgItem(io[1], 0xFFFF), WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
        Check(wcscmp(caption, Word(L"关于Torvane", L"關於Torvane")) == 0, "About caption", Narrow(caption));
        std::wstring t = text;
        Check(t.rfind(L"作者：", 0) == 0 && t.find(std::wstring(L"\r\n") + Word(L"维斯克小工具", L"維斯克小工具") + L"：https://") != std::wstring::npos,
              "About text", Narrow(t));
        PostMessageA(io[1], WM_COMMAND, IDOK, 0);
    }
    SendMessageA(run.dialog, WM_NULL, 0, 0);
    Check(run.Box() == before && run.Selection(IDC_UPPER) == 2 && run.Selection(IDC_MIDDLE) == 1, "About changes nothing");
    Check(GetFileAttributesW(run.Ini().c_str()) == INVALID_FILE_ATTRIBUTES, "About writes no settings");
    SetWindowPos(run.dialog, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    PostMessageA(run.dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    ExpectClosedAt(run, 40, 30, "Alt+F4");
    // A new file is plain ASCII lines under any code page, as earlier builds read and wrote it.
    const std::string written = ReadFileBytes(run.Ini());
    Check(written == "[winpos]\r\nleft=40\r\ntop=30\r\n", "new settings file in ASCII", written);
}

void Settings() {
    // In a folder no ANSI code page can spell (Chinese and Hangul): upper-case names are read, and
    // other lines survive the write.
    Run run = Prepare("[other]\r\nkeep=1\r\n[WINPOS]\r\nLEFT=120\r\nTOP=70\r\nextra=yes\r\n", L"灵棋经한");
    if (Start(run)) {
        RECT r = run.Rect();
        Check(r.left == 120 && r.top == 70, "opens at the stored position", Num(r.left) + "," + Num(r.top));
        SetWindowPos(run.dialog, nullptr, 150, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        CloseWithEscape(run);
        ExpectClosedAt(run, 150, 90, "escape");
        const std::string ini = ReadFileBytes(run.Ini());
        Check(ini.find("keep=1") != std::string::npos && ini.find("extra=yes") != std::string::npos, "other lines kept", ini);
    }
    // A settings file that cannot be written (a folder stands in its place): no message, no loss.
    Run blocked = Prepare();
    CreateDirectoryW(blocked.Ini().c_str(), nullptr);
    if (Start(blocked)) {
        PostMessageA(blocked.dialog, WM_CLOSE, 0, 0);
        Check(blocked.WaitExit() == 0, "exit code 0 when the settings cannot be written");
        Check(GetFileAttributesW(blocked.Ini().c_str()) & FILE_ATTRIBUTE_DIRECTORY, "folder left alone");
    }
}

// Rewrites the copy at PATH with every resource of the program but its dialogs. Deleting one resource
// in place (UpdateResource with no data) leaves it in the file under Wine, so the copy is rebuilt.
struct Rebuild { HMODULE from; HANDLE update; bool ok; };

BOOL CALLBACK CopyLanguage(HMODULE m, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR p) {
    Rebuild* r = reinterpret_cast<Rebuild*>(p);
    HRSRC found = FindResourceExW(m, type, name, language);
    void* data = LockResource(LoadResource(m, found));
    r->ok = r->ok && UpdateResourceW(r->update, type, name, language, data, SizeofResource(m, found));
    return TRUE;
}
BOOL CALLBACK CopyName(HMODULE m, LPCWSTR type, LPWSTR name, LONG_PTR p) {
    return EnumResourceLanguagesW(m, type, name, CopyLanguage, p);
}
BOOL CALLBACK CopyType(HMODULE m, LPWSTR type, LONG_PTR p) {
    if (type == MAKEINTRESOURCEW(5)) return TRUE;  // RT_DIALOG
    EnumResourceNamesW(m, type, CopyName, p);
    return TRUE;
}

bool CopyWithoutDialogs(const std::wstring& path) {
    Rebuild r = {LoadLibraryExW(g_exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE), BeginUpdateResourceW(path.c_str(), TRUE), true};
    if (!r.from || !r.update) return false;
    EnumResourceTypesW(r.from, CopyType, reinterpret_cast<LONG_PTR>(&r));
    r.ok = EndUpdateResourceW(r.update, FALSE) && r.ok;
    FreeLibrary(r.from);
    HMODULE check = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const bool gone = check && !FindResourceW(check, MAKEINTRESOURCEW(IDD_MAIN), MAKEINTRESOURCEW(5))
                      && FindResourceW(check, MAKEINTRESOURCEW(IDI_TORVANE), MAKEINTRESOURCEW(14));
    if (check) FreeLibrary(check);
    return r.ok && gone;
}

void MendedFaults() {
    // No dialog resource: the program ends with 1 instead of waiting for ever.
    Run broken = Prepare();
    std::wstring exe = broken.dir + L"\\torvane.exe";
    Check(CopyWithoutDialogs(exe), "copy without its dialog");
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    if (CreateProcessW(exe.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, broken.dir.c_str(), &si, &broken.pi)) {
        Check(broken.WaitExit() == 1, "exit code 1 without a dialog");
    }
    // Closed while minimised: the restored position is stored.
    Run minimised = Prepare();
    if (Start(minimised)) {
        SetWindowPos(minimised.dialog, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ShowWindow(minimised.dialog, SW_MINIMIZE);
        for (int i = 0; i < 50 && !IsIconic(minimised.dialog); ++i) Sleep(100);
        PostMessageA(minimised.dialog, WM_CLOSE, 0, 0);
        ExpectClosedAt(minimised, 200, 150, "minimised");
    }
    // Wholly off every monitor: the default; the caption in reach: as stored; barely on the screen:
    // moved wholly into its work area (kFar: flush with the work area's right or bottom edge).
    const long kFar = LONG_MIN;
    const struct { const char* ini; long left, top; } cases[] = {
        {"[winpos]\r\nleft=-5000\r\ntop=-5000\r\n", 0, 0},
        {"[winpos]\r\nleft=99999999999999999999999\r\ntop=10\r\n", 0, 0},
        {"[winpos]\r\nleft=-5\r\ntop=10\r\n", -5, 10},
        {"[winpos]\r\nleft=-150\r\ntop=10\r\n", -150, 10},
        {"[winpos]\r\nleft=-280\r\ntop=100\r\n", 0, 100},
        {"[winpos]\r\nleft=100\r\ntop=-285\r\n", 100, 0},
        {"[winpos]\r\nleft=1020\r\ntop=764\r\n", kFar, kFar},
    };
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    for (auto& c : cases) {
        Run run = Prepare(c.ini);
        if (!Start(run)) continue;
        RECT r = run.Rect();
        const long left = c.left == kFar ? work.right - (r.right - r.left) : c.left;
        const long top = c.top == kFar ? work.bottom - (r.bottom - r.top) : c.top;
        Check(r.left == left && r.top == top, "placement", std::string(c.ini) + " at " + Num(r.left) + "," + Num(r.top));
        PostMessageA(run.dialog, WM_CLOSE, 0, 0);
        ExpectClosedAt(run, left, top, "placed");
    }
}

// Logoff or shutdown: the dialog gets no IDCANCEL, yet the position is kept, the minimised rule too.
void EndOfSession() {
    Run run = Prepare();
    if (!Start(run)) return;
    SetWindowPos(run.dialog, nullptr, 60, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageW(run.dialog, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);  // another program refused
    Check(GetFileAttributesW(run.Ini().c_str()) == INVALID_FILE_ATTRIBUTES, "nothing written while the session goes on");
    ShowWindow(run.dialog, SW_MINIMIZE);
    for (int i = 0; i < 50 && !IsIconic(run.dialog); ++i) Sleep(100);
    Check(SendMessageW(run.dialog, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF) == TRUE, "the session may end");
    SendMessageW(run.dialog, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    const Position p = Saved(run);
    Check(p.present && p.left == 60 && p.top == 45, "position saved at the session's end",
          Num(p.left) + "," + Num(p.top));
    PostMessageA(run.dialog, WM_CLOSE, 0, 0);
    Check(run.WaitExit() == 0, "exit code 0");
}

// Every figure of the book, chosen through the lists as a user would, in one start.
void AllFigures() {
    Run run = Prepare();
    if (!Start(run)) return;
    for (int n = 0; n < 125; ++n) {
        run.Select(n / 25, n / 5 % 5, n % 5);
        run.Command(IDOK);
        const int number = n / 25 * 100 + n / 5 % 5 * 10 + n % 5;
        Check(run.Box() == Expected(FigureFile(number)), "reading", Num(number));
    }
    PostMessageA(run.dialog, WM_CLOSE, 0, 0);
    Check(run.WaitExit() == 0, "exit code 0");
}

// For the run command: the program as a user sees it after a reading, left open.
void Show() {
    Run run;
    run.dir = g_exe.substr(0, g_exe.rfind(L'\\'));
    if (!Start(run)) return;
    run.Select(1, 2, 3);
    run.Command(IDOK);
    Sleep(1000);
    CloseHandle(run.pi.hProcess);
    CloseHandle(run.pi.hThread);
}

BOOL CALLBACK FindAnyDialog(HWND w, LPARAM p) {
    wchar_t cls[32];
    GetClassNameW(w, cls, 32);
    if (wcscmp(cls, L"#32770") == 0 && GetDlgItem(w, IDC_READING)) reinterpret_cast<FindData*>(p)->found = w;
    return TRUE;
}

void CloseShown() {
    FindData d = {0, nullptr};
    EnumWindows(FindAnyDialog, reinterpret_cast<LPARAM>(&d));
    if (d.found) PostMessageA(d.found, WM_CLOSE, 0, 0);
    SetLogPixels(96);
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);  // a stopped run still shows what it got to
    if (argc != 4) return 2;
    g_exe = argv[2];
    g_figures = argv[3];
    const std::wstring scenario = argv[1];
    // The run names the system language it means to test; a missing locale would quietly give 1252.
    wchar_t acp[16] = {};
    wchar_t edition[16] = {};
    g_traditional = GetEnvironmentVariableW(L"TORVANE_EDITION", edition, 16) && wcscmp(edition, L"zh-Hant") == 0;
    if (GetEnvironmentVariableW(L"TORVANE_ACP", acp, 16))
        Check(GetACP() == static_cast<UINT>(_wtoi(acp)), "ANSI code page", Num(GetACP()) + ", not " + Narrow(acp));
    if (scenario == L"startup") Startup();
    else if (scenario == L"casting") Casting();
    else if (scenario == L"about_close") AboutAndClosing();
    else if (scenario == L"settings") Settings();
    else if (scenario == L"mended") MendedFaults();
    else if (scenario == L"figures") AllFigures();
    else if (scenario == L"end_session") EndOfSession();
    else if (scenario == L"bad_input") BadInput();
    else if (scenario == L"soak") Soak();
    else if (scenario == L"show_dpi") ShowAtDpi();
    else if (scenario == L"bench") Bench();
    else if (scenario == L"show") Show();
    else if (scenario == L"close") CloseShown();
    else return 2;
    RemoveRuns();
    std::printf("%s: %d failure(s)\n", Narrow(scenario).c_str(), g_failures);
    return g_failures == 0 ? 0 : 1;
}
