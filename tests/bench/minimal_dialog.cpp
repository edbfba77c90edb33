// The yardstick for start-up: the least a dialog program does, with the program's own dialog,
// manifest and flags.
#include <windows.h>
#include <commctrl.h>

#include "../../resources/resource.h"

namespace {
INT_PTR CALLBACK MinimalDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        SetDlgItemTextW(dialog, IDC_READING, L"Torvane");
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
    return FALSE;
}
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    InitCommonControls();  // as the program does, for its manifest's common controls 6
    return static_cast<int>(DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, MinimalDialogProc, 0));
}
