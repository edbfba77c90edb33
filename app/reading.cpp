#include "reading.h"

#include <windows.h>

#include "../divination/figure.h"
#include "../resources/resource.h"
#include "app_window.h"

namespace {
RandomGenerator g_random;
const int kCountLists[] = {IDC_UPPER, IDC_MIDDLE, IDC_LOWER};
constexpr int kReadingCapacity = 3001;
constexpr int kLabelCapacity = 16;
}  // namespace

void FillCountLists() {
    for (int id : kCountLists) {
        HWND list = GetDlgItem(g_app.Dialog(), id);
        for (int count = 0; count < kCountChoices; ++count) {
            wchar_t label[kLabelCapacity];
            g_app.LoadText(IDS_COUNT_0 + count, label, kLabelCapacity);
            SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label));
        }
        SendMessageW(list, CB_SETCURSEL, 0, 0);
    }
}

void Interpret() {
    HWND dialog = g_app.Dialog();
    int counts[3];
    for (int i = 0; i < 3; ++i)
        counts[i] = static_cast<int>(SendMessageW(GetDlgItem(dialog, kCountLists[i]), CB_GETCURSEL, 0, 0));
    wchar_t text[kReadingCapacity];
    text[0] = L'\0';
    g_app.LoadText(static_cast<UINT>(FigureId(counts[0], counts[1], counts[2])), text, kReadingCapacity);
    SetWindowTextW(GetDlgItem(dialog, IDC_READING), text);
}

void SeedFromSystemTime() {
    SYSTEMTIME now;
    GetSystemTime(&now);
    g_random.Seed(SeedOf(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond));
}

void CastAtRandom() {
    for (int id : kCountLists)
        SendMessageW(GetDlgItem(g_app.Dialog(), id), CB_SETCURSEL, static_cast<WPARAM>(g_random.NextCount()), 0);
    Interpret();
}
