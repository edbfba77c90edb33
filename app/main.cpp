// Entry, the main dialog's dispatch, start-up, close and About.
#include <windows.h>
#include <commctrl.h>

#include "../resources/resource.h"
#include "../settings/profile_store.h"
#include "../settings/setting_value.h"
#include "app_window.h"
#include "language.h"
#include "placement.h"
#include "reading.h"

// Built in this order, destroyed in reverse.
AppWindow g_app;
ProfileStore g_profile;

namespace {
constexpr int kWorkCapacity = 1024;
constexpr int kCaptionCapacity = 64;
constexpr int kMonitorCapacity = 16;
const wchar_t kSection[] = L"winpos";

// Where the dialog stood when last not minimised: a minimised window reports -32000.
POINT g_restoredCorner = {0, 0};

void RememberCorner() {
    if (IsIconic(g_app.Dialog())) return;
    RECT rect;
    g_app.GetRect(&rect);
    g_restoredCorner = {rect.left, rect.top};
}

struct Monitors {
    Monitor list[kMonitorCapacity];
    std::size_t count;
};

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    Monitors* found = reinterpret_cast<Monitors*>(data);
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (found->count < kMonitorCapacity && GetMonitorInfoW(monitor, &info)) {
        const RECT &a = info.rcMonitor, &w = info.rcWork;
        found->list[found->count++] = {{a.left, a.top, a.right, a.bottom}, {w.left, w.top, w.right, w.bottom}};
    }
    return TRUE;
}

// The caption bar relative to the window's corner: above the client area, as tall as a caption.
Span CaptionOf(HWND dialog, const RECT& window) {
    RECT client;
    GetClientRect(dialog, &client);
    POINT origin = {0, 0};
    ClientToScreen(dialog, &origin);
    const long long left = origin.x - window.left, bottom = origin.y - window.top;
    const long long caption = GetSystemMetrics(SM_CYCAPTION);
    const long long top = bottom > caption ? bottom - caption : 0;
    return {left, top, left + client.right, bottom};
}

void PlaceAtSavedPosition() {
    wchar_t work[kWorkCapacity] = {};
    g_app.ModuleDirectory(work, MAX_PATH);
    wchar_t path[MAX_PATH] = {};
    // No known folder (a path too long for the platform) must not become a bare file name, which
    // the profile functions would look for in the Windows folder. Too long: empty, defaults.
    if (work[0] != L'\0') JoinPath(work, L"torvane.ini", path, MAX_PATH);
    g_profile.SetPath(path);
    const long left = g_profile.ReadInt(kSection, L"left", 0);
    const long top = g_profile.ReadInt(kSection, L"top", 0);
    RECT rect;
    g_app.GetRect(&rect);
    // A saved position from a removed or smaller display must not leave the caption out of reach.
    Monitors monitors = {};
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    const Corner corner = PlaceInReach(left, top, rect.right - rect.left, rect.bottom - rect.top,
                                       CaptionOf(g_app.Dialog(), rect), monitors.list, monitors.count);
    g_app.MoveTo(corner.x, corner.y);
    RememberCorner();
}

void OnInitDialog() {
    FillCountLists();
    PlaceAtSavedPosition();
    SeedFromSystemTime();
    wchar_t work[kWorkCapacity] = {};
    g_app.LoadText(IDS_INTRO, work, kWorkCapacity);
    SetDlgItemTextW(g_app.Dialog(), IDC_READING, work);
}

void ShowAbout() {
    wchar_t text[kWorkCapacity] = {}, caption[kCaptionCapacity] = {};
    g_app.LoadText(IDS_ABOUT_TEXT, text, kWorkCapacity);
    g_app.LoadText(IDS_ABOUT_CAPTION, caption, kCaptionCapacity);
    MessageBoxW(g_app.Dialog(), text, caption, MB_OK);
}

void SavePosition() {
    RememberCorner();
    g_profile.WriteInt(kSection, L"left", g_restoredCorner.x);
    g_profile.WriteInt(kSection, L"top", g_restoredCorner.y);
}

void CloseMainDialog() {
    EndDialog(g_app.Dialog(), IDCANCEL);
    SavePosition();
    g_app.Quit();
}

void OnCommand(int id) {
    switch (id) {
    case IDOK: Interpret(); break;
    case IDC_RANDOM: CastAtRandom(); break;
    case IDC_ABOUT: ShowAbout(); break;
    case IDCANCEL: CloseMainDialog(); break;
    default: break;
    }
}

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        g_app.Attach(reinterpret_cast<HINSTANCE>(lParam), dialog);
        OnInitDialog();
        return TRUE;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return TRUE;
    case WM_MOVE:
        if (g_app.Dialog() == dialog) RememberCorner();
        return FALSE;
    case WM_ENDSESSION:
        // At logoff or shutdown the dialog never gets IDCANCEL: the process may end after this.
        if (wParam) SavePosition();
        return FALSE;
    default:
        return FALSE;
    }
}
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    // The manifest asks for common controls 6; without this call Windows XP creates no dialog.
    InitCommonControls();
    g_app.Attach(instance, nullptr);
    g_app.SetLanguage(EditionFor(GetUserDefaultUILanguage(), GetUserDefaultLangID()));
    const void* dialog = g_app.Resource(RT_DIALOG, MAKEINTRESOURCEW(IDD_MAIN));
    // No dialog: no quit message will ever come.
    if (dialog == nullptr ||
        DialogBoxIndirectParamW(instance, static_cast<LPCDLGTEMPLATEW>(dialog), nullptr, MainDialogProc,
                                reinterpret_cast<LPARAM>(instance)) == -1)
        return 1;
    MSG message = {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
