// The program under abuse: settings files and folders it may meet, one long session of random
// actions, and the dialog at a high DPI.
#include "harness.h"

namespace {
// What a case's settings file must be after the program closed.
enum class After { Written, Unchanged, Absent };

struct AbuseCase {
    const char* name;
    std::string ini;  // the file before (UTF-8 text, or bytes); empty: no file
    long left, top;   // where the dialog must open
    After after;
    bool keepsLines = true;
    bool utf16 = false;
    const wchar_t* folder = L"abuse";
    const wchar_t* exeName = L"torvane.exe";
    DWORD iniAttributes = 0, dirAttributes = 0;
    size_t longFolder = 0;  // make the program's folder this many UTF-16 units long
};

std::string Garbage(size_t size) {
    std::string bytes;
    unsigned state = 12345;
    while (bytes.size() < size) {
        state = state * 1103515245u + 12345u;
        bytes += static_cast<char>(state >> 23);
    }
    return bytes;
}

// The case texts are UTF-8, as this driver's literals are.
std::string Utf16(const std::string& utf8) {
    std::wstring w = Wide(utf8);
    return "\xFF\xFE" + std::string(reinterpret_cast<const char*>(w.data()), w.size() * 2);
}

std::string FromUtf16(const std::string& bytes) {
    if (bytes.size() < 2 || bytes.compare(0, 2, "\xFF\xFE") != 0) return bytes;
    return Narrow(std::wstring(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2));
}

// Every line of the old file but the two the program owns must still be in the new one.
bool KeepsForeignLines(const std::string& before, const std::string& after) {
    size_t start = 0;
    while (start < before.size()) {
        size_t end = before.find('\n', start);
        if (end == std::string::npos) end = before.size();
        std::string line = before.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string key = line.substr(0, line.find('='));
        for (char& c : key) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        if (line.empty() || key == "left" || key == "top") continue;
        if (after.find(line) == std::string::npos) return false;
    }
    return true;
}

}  // namespace

// Files and folders a user's machine may hold: each case starts its own copy, and the program must
// open where the case says, show no message, close with 0 and leave the file as the case says.
void BadInput() {
    const std::string stored = "[other]\r\nkeep=1\r\n[winpos]\r\nleft=160\r\ntop=65\r\n";
    std::string big = "[other]\r\n";
    for (int i = 0; big.size() < (1u << 20); ++i) big += "key" + Num(i) + "=value " + Num(i) + "\r\n";
    big += "[winpos]\r\nleft=60\r\ntop=40\r\n";
    std::vector<AbuseCase> cases = {
        {"empty file", "\r\n", 0, 0, After::Written},
        // Bytes that are no text: the profile functions read them as ANSI lines, and rewrite the file
        // from what they parsed, so its bytes are not kept.
        {"binary garbage", Garbage(4096), 0, 0, After::Written, false},
        {"1 MiB", big, 60, 40, After::Written},
        {"10,000-character line", "[other]\r\nlong=" + std::string(10000, 'x') + "\r\n[winpos]\r\nleft=70\r\ntop=50\r\n", 70, 50, After::Written},
        {"40 digits", "[winpos]\r\nleft=1234567890123456789012345678901234567890\r\ntop=10\r\n", 0, 0, After::Written},
        // The largest and smallest values a setting can hold: no sum with them may overflow.
        {"limits of a value", "[winpos]\r\nleft=2147483647\r\ntop=-2147483648\r\n", 0, 0, After::Written},
        {"leading blanks", "[winpos]\r\nleft=   80\r\ntop=\t 60\r\n", 80, 60, After::Written},
        // A top of -5 leaves the caption's top rows above the screen: moved down onto it.
        {"signs", "[winpos]\r\nleft=+90\r\ntop=-5\r\n", 90, 0, After::Written},
        {"letters after digits", "[winpos]\r\nleft=100px\r\ntop=20abc\r\n", 100, 20, After::Written},
        // The first section of a name is the one read.
        {"section repeated", "[winpos]\r\nleft=110\r\n[other]\r\na=1\r\n[winpos]\r\ntop=30\r\n", 110, 0, After::Written},
        {"key repeated", "[winpos]\r\nleft=120\r\nleft=130\r\ntop=40\r\n", 120, 40, After::Written},
        {"other cases", "[WinPos]\r\nLeft=140\r\nTOP=45\r\n", 140, 45, After::Written},
        // With a byte-order mark the profile functions read UTF-16 and write it back as UTF-16.
        {"UTF-16 with BOM", "[other]\r\n名=灵棋\r\n[winpos]\r\nleft=150\r\ntop=55\r\n", 150, 55, After::Written, true, true},
        {"read-only file", stored, 160, 65, After::Unchanged, true, false, L"abuse", L"torvane.exe", FILE_ATTRIBUTE_READONLY},
        {"read-only folder", "", 0, 0, After::Absent, true, false, L"abuse", L"torvane.exe", 0, FILE_ATTRIBUTE_READONLY},
        // A folder no ANSI code page spells: 乗 (0x5C as GBK's second byte), Hangul, beyond the BMP.
        {"folder of Chinese, Hangul and U+20000", stored, 160, 65, After::Written, true, false, L"灵棋\u4e57한\U00020000"},
        {"renamed executable", stored, 160, 65, After::Written, true, false, L"abuse", L"灵棋经.exe"},
        // The longest folder whose program path still fits: the settings work.
        {"folder of 247 units", stored, 160, 65, After::Written, true, false, L"abuse", L"torvane.exe", 0, 0, 247},
        // A short name still starts from a longer folder, but the settings path no longer fits:
        // nothing read, nothing written, no file elsewhere. (A program path past MAX_PATH cannot
        // be started at all.)
        {"folder of 250 units", stored, 0, 0, After::Unchanged, true, false, L"abuse", L"t.exe", 0, 0, 250},
        {"folder of 253 units", stored, 0, 0, After::Unchanged, true, false, L"abuse", L"t.exe", 0, 0, 253},
    };
    wchar_t windows[MAX_PATH];
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::wstring stray = std::wstring(windows) + L"\\torvane.ini";
    DeleteFileW(stray.c_str());

    wchar_t only[64] = {};  // TORVANE_ONLY=text: just the cases whose name holds it
    GetEnvironmentVariableW(L"TORVANE_ONLY", only, 64);
    if (only[0]) {
        std::vector<AbuseCase> chosen;
        for (const AbuseCase& c : cases)
            if (Wide(c.name).find(only) != std::wstring::npos) chosen.push_back(c);
        cases = chosen;
    }
    const size_t batch = 3;  // a few at once: starts are slow, but the machine is small
    for (size_t first = 0; first < cases.size(); first += batch) {
        std::vector<Run> runs;
        for (size_t i = first; i < cases.size() && i < first + batch; ++i) {
            const AbuseCase& c = cases[i];
            Run run = Prepare("", c.folder, c.exeName);
            if (c.longFolder) {
                // Nested folders up to the wanted length in UTF-16 units, the program moved in.
                std::wstring dir = run.dir;
                while (dir.size() < c.longFolder) {
                    const size_t room = c.longFolder - dir.size() - 1;
                    size_t piece = room < 100 ? room : 100;
                    if (room - piece == 1) --piece;  // never leave room for a backslash alone
                    dir += L"\\" + std::wstring(piece, L'd');
                    MakeFolder(dir);
                }
                MoveFileW(Long(run.dir + L"\\" + c.exeName).c_str(), Long(dir + L"\\" + c.exeName).c_str());
                run.dir = dir;
                Check(dir.size() == c.longFolder, "folder length", c.name);
            }
            if (!c.ini.empty()) WriteFileBytes(run.Ini(), c.utf16 ? Utf16(c.ini) : c.ini);
            if (c.iniAttributes) SetFileAttributesW(Long(run.Ini()).c_str(), c.iniAttributes);
            if (c.dirAttributes) SetFileAttributesW(Long(run.dir).c_str(), c.dirAttributes);
            if ((c.iniAttributes | c.dirAttributes) & FILE_ATTRIBUTE_READONLY) {
                // Wine maps the attribute to Unix permissions, which do not stop root: there the
                // write goes through, and the file must come out as a written one.
                const std::wstring probe = run.dir + (c.iniAttributes ? L"\\torvane.ini" : L"\\probe");
                HANDLE h = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, c.iniAttributes ? OPEN_EXISTING : CREATE_NEW,
                                       FILE_FLAG_DELETE_ON_CLOSE * !c.iniAttributes, nullptr);
                if (h != INVALID_HANDLE_VALUE) {
                    CloseHandle(h);
                    std::printf("%s: this platform lets writes through (running as root?)\n", c.name);
                    cases[i].after = After::Written;
                }
            }
            Launch(run, c.exeName);
            runs.push_back(run);
        }
        for (size_t k = 0; k < runs.size(); ++k) {
            const AbuseCase& c = cases[first + k];
            Run& run = runs[k];
            if (!WaitForDialog(run)) {
                Check(false, "started", c.name);
                TerminateProcess(run.pi.hProcess, 997);
                continue;
            }
            RECT r = run.Rect();
            Check(r.left == c.left && r.top == c.top, "opens at", std::string(c.name) + ": " + Num(r.left) + "," + Num(r.top));
            std::wstring windows;
            Check(VisibleWindowsOf(run.pi.dwProcessId, &windows) == 1, "no message", std::string(c.name) + ":" + Narrow(windows));
            SetWindowPos(run.dialog, nullptr, 33, 44, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            PostMessageA(run.dialog, WM_CLOSE, 0, 0);
        }
        for (size_t k = 0; k < runs.size(); ++k) {
            const AbuseCase& c = cases[first + k];
            Run& run = runs[k];
            if (!run.dialog) continue;
            Check(run.WaitExit() == 0, "exit code 0", c.name);
            const std::string before = c.utf16 ? Utf16(c.ini) : c.ini;
            const std::string after = ReadFileBytes(run.Ini());
            const bool exists = GetFileAttributesW(Long(run.Ini()).c_str()) != INVALID_FILE_ATTRIBUTES;
            switch (c.after) {
            case After::Written: {
                Position p = Saved(run);
                Check(p.present && p.left == 33 && p.top == 44, "position written", c.name);
                Check(!c.utf16 || after.compare(0, 2, "\xFF\xFE") == 0, "still UTF-16", c.name);
                if (c.keepsLines)
                    Check(KeepsForeignLines(c.ini, FromUtf16(after)), "foreign lines kept", std::string(c.name) + ":\n" + FromUtf16(after).substr(0, 300));
                break;
            }
            case After::Unchanged: Check(after == before, "file unchanged", std::string(c.name) + ":\n" + after.substr(0, 300)); break;
            case After::Absent: Check(!exists, "no file written", c.name); break;
            }
        }
    }
    Check(GetFileAttributesW(stray.c_str()) == INVALID_FILE_ATTRIBUTES, "no settings in the Windows folder");
}

// One long session of random user actions: every reading stays right, nothing piles up, and the
// close still saves. The seed is fixed so that a failure can be replayed.
void Soak() {
    Run run = Prepare();
    if (!Start(run)) return;
    const int lists[] = {IDC_UPPER, IDC_MIDDLE, IDC_LOWER};
    unsigned state = 20261209;
    auto next = [&state](unsigned n) {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) % n);
    };
    auto shown = [&run]() {
        return 100 * run.Selection(IDC_UPPER) + 10 * run.Selection(IDC_MIDDLE) + run.Selection(IDC_LOWER);
    };
    Usage first = {}, middle = {};
    long x = 0, y = 0;
    int wrong = 0, abouts = 0;
    const int kActions = 500, kWarmUp = 6;  // the first of each kind loads what it needs once
    for (int action = 0; action < kActions; ++action) {
        const int kind = action < kWarmUp ? action : next(6);
        switch (kind) {
        case 0: SendMessageA(run.Item(lists[next(3)]), CB_SETCURSEL, next(5), 0); break;
        case 1:
        case 2:
            run.Command(kind == 1 ? IDOK : IDC_RANDOM);
            if (run.Box() != Expected(FigureFile(shown()))) ++wrong;
            break;
        case 3:
            for (int i = next(8) + 1; i > 0; --i) SendMessageA(run.Item(IDC_READING), WM_CHAR, 'a' + next(26), 0);
            break;
        case 4:
            if (abouts < 12 || action < kWarmUp) {
                ++abouts;
                Check(ShowAndDismissAbout(run), "About shown and dismissed");
            }
            break;
        default:
            x = next(600);
            y = next(400);
            SetWindowPos(run.dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            break;
        }
        if (action == kWarmUp - 1) first = UsageOf(run);
        if (action == kActions / 2) middle = UsageOf(run);
    }
    const Usage last = UsageOf(run);
    std::printf("soak: %d actions, %d About boxes\n  first  %s\n  middle %s\n  last   %s\n", kActions, abouts,
                Describe(first).c_str(), Describe(middle).c_str(), Describe(last).c_str());
    Check(wrong == 0, "readings equal their sources", Num(wrong) + " wrong");
    Check(last.gdi <= first.gdi && last.user <= first.user && last.windows <= first.windows &&
              last.handles <= first.handles,
          "no growth of GDI, USER or kernel objects");
    // Wine's heaps settle within the first half (about 0.3 MiB); a leak per action would not.
    Check(last.privateBytes <= first.privateBytes + 1024 * 1024, "memory growth under 1 MiB");
    PostMessageA(run.dialog, WM_CLOSE, 0, 0);
    ExpectClosedAt(run, x, y, "after the soak");
}

// The system DPI that programs started from now on get.
void SetLogPixels(DWORD dpi) {
    const struct { HKEY root; const wchar_t* key; } places[] = {
        {HKEY_CURRENT_USER, L"Control Panel\\Desktop"},
        {HKEY_CURRENT_CONFIG, L"Software\\Fonts"},
    };
    for (auto& p : places) {
        HKEY key;
        if (RegCreateKeyExW(p.root, p.key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) continue;
        RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
        RegCloseKey(key);
    }
}

// The dialog at a DPI (TORVANE_DPI, 96 if unset), left open after a reading for the screen's
// picture: every control inside the client area and every button wide enough for its text. Prints
// the client size and the buttons' rectangles for the script that inspects the picture.
void ShowAtDpi() {
    wchar_t value[16] = {};
    const DWORD dpi = GetEnvironmentVariableW(L"TORVANE_DPI", value, 16) ? _wtoi(value) : 96;
    SetLogPixels(dpi);
    Run run;
    run.dir = g_exe.substr(0, g_exe.rfind(L'\\'));  // in place: it outlives this driver
    if (!Start(run)) return;
    run.Select(1, 2, 3);
    run.Command(IDOK);
    const std::string at = Num(dpi) + " dpi";
    RECT client;
    GetClientRect(run.dialog, &client);
    std::printf("client %ld %ld\n", client.right, client.bottom);
    for (int id : {IDOK, IDC_READING, IDC_UPPER, IDC_MIDDLE, IDC_LOWER, IDC_RANDOM, IDC_ABOUT}) {
        RECT r;
        GetWindowRect(run.Item(id), &r);
        MapWindowPoints(nullptr, run.dialog, reinterpret_cast<POINT*>(&r), 2);
        Check(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom,
              "control inside the client area", at + " id " + Num(id));
    }
    // The dialog's own font at this DPI, made here: a font handle of another process is not ours.
    HFONT font = CreateFontW(-MulDiv(9, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0, L"宋体");
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    for (int id : {IDOK, IDC_RANDOM, IDC_ABOUT}) {
        wchar_t text[32] = {};
        GetWindowTextW(run.Item(id), text, 32);
        RECT r;
        GetWindowRect(run.Item(id), &r);
        MapWindowPoints(nullptr, run.dialog, reinterpret_cast<POINT*>(&r), 2);
        SIZE extent = {};
        GetTextExtentPoint32W(dc, text, lstrlenW(text), &extent);
        Check(extent.cx < r.right - r.left && extent.cy < r.bottom - r.top, "text fits its button",
              at + " " + Narrow(text) + ": " + Num(extent.cx) + "x" + Num(extent.cy));
        std::printf("button %ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    // The picture is taken once this returns: have every control painted and on the screen first.
    RedrawWindow(run.dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SendMessageW(run.dialog, WM_NULL, 0, 0);
    WaitForInputIdle(run.pi.hProcess, 5000);
    Sleep(300);
    CloseHandle(run.pi.hProcess);
    CloseHandle(run.pi.hThread);
}
