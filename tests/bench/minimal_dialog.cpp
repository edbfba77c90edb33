// The yardstick for start-up: the least a dialog program does, built with the program's own flags.
#include <windows.h>

#include "../../resources/resource.h"

namespace {
INT_PTR CALLBACK MinimalDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        SetDlgItemTextA(dialog, IDC_READING, "Torvane");
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
    return FALSE;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return static_cast<int>(DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MinimalDialogProc, 0));
}
