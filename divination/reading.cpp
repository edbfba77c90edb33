#include "reading.h"

#include <windows.h>

#include "../app/app_window.h"
#include "../resources/resource.h"
#include "figure.h"

namespace {
RandomGenerator g_random;
const int kCountLists[] = {IDC_UPPER, IDC_MIDDLE, IDC_LOWER};
constexpr int kReadingCapacity = 3001;
}  // namespace

void FillCountLists() {
    for (int id : kCountLists) {
        HWND list = GetDlgItem(g_app.Dialog(), id);
        for (const char* label : CountLabels)
            SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label));
        SendMessageA(list, CB_SETCURSEL, 0, 0);
    }
}

void Interpret() {
    HWND dialog = g_app.Dialog();
    int counts[3];
    for (int i = 0; i < 3; ++i)
        counts[i] = static_cast<int>(SendMessageA(GetDlgItem(dialog, kCountLists[i]), CB_GETCURSEL, 0, 0));
    char text[kReadingCapacity];
    text[0] = '\0';
    LoadStringA(g_app.Instance(), static_cast<UINT>(FigureId(counts[0], counts[1], counts[2])), text,
                kReadingCapacity);
    SetWindowTextA(GetDlgItem(dialog, IDC_READING), text);
}

void SeedFromSystemTime() {
    SYSTEMTIME now;
    GetSystemTime(&now);
    g_random.Seed(SeedOf(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond));
}

void CastAtRandom() {
    for (int id : kCountLists)
        SendMessageA(GetDlgItem(g_app.Dialog(), id), CB_SETCURSEL, static_cast<WPARAM>(g_random.NextCount()), 0);
    Interpret();
}
