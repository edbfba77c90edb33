// The benchmark: start-up against a minimal dialog program, readings and casts, memory and
// objects, and the executable's size. Prints a Markdown table. Counts come from the environment:
// TORVANE_BENCH_STARTS (25) and TORVANE_BENCH_REPEATS (1000).
#include <algorithm>

#include "harness.h"

namespace {
LARGE_INTEGER g_frequency;

double Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(g_frequency.QuadPart);
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int Setting(const wchar_t* name, int fallback) {
    wchar_t text[16] = {};
    return GetEnvironmentVariableW(name, text, 16) ? _wtoi(text) : fallback;
}

// From CreateProcess until the dialog shows its first text; 0 when it never did.
double StartupMs(const std::wstring& program) {
    Run run = Prepare("", L"bench");
    CopyFileW(program.c_str(), (run.dir + L"\\torvane.exe").c_str(), FALSE);
    const double start = Now();
    const bool shown = Launch(run) && WaitForDialog(run, 1);
    const double elapsed = Now() - start;
    if (shown) PostMessageA(run.dialog, WM_CLOSE, 0, 0);
    Check(shown && run.WaitExit() == 0, "started, showed its text and closed", Narrow(program));
    return shown ? elapsed : 0;
}

// Bytes of the file and of its resource section.
void SizeOf(const std::wstring& program, size_t* total, size_t* resources) {
    const std::string pe = ReadFileBytes(program);
    *total = pe.size();
    *resources = 0;
    if (pe.size() < 0x40) return;
    const DWORD header = *reinterpret_cast<const DWORD*>(&pe[0x3C]);
    const WORD sections = *reinterpret_cast<const WORD*>(&pe[header + 6]);
    const WORD optional = *reinterpret_cast<const WORD*>(&pe[header + 20]);
    for (WORD i = 0; i < sections; ++i) {
        const char* section = &pe[header + 24 + optional + 40 * i];
        if (std::strncmp(section, ".rsrc", 8) == 0) *resources += *reinterpret_cast<const DWORD*>(section + 16);
    }
}

std::string Fixed(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}
}  // namespace

void Bench() {
    QueryPerformanceFrequency(&g_frequency);
    const int starts = Setting(L"TORVANE_BENCH_STARTS", 25), repeats = Setting(L"TORVANE_BENCH_REPEATS", 1000);
    const std::wstring minimal = g_exe.substr(0, g_exe.rfind(L'\\')) + L"\\minimal_dialog.exe";
    std::vector<double> program, yardstick;
    for (int i = 0; i < starts; ++i) {  // alternated, so that a busy spell hits both alike
        program.push_back(StartupMs(g_exe));
        yardstick.push_back(StartupMs(minimal));
    }
    Run run = Prepare();
    if (!Start(run)) return;
    std::vector<double> readings, casts;
    unsigned state = 7;
    for (int i = 0; i < repeats; ++i) {
        state = state * 1103515245u + 12345u;
        const int n = static_cast<int>(state >> 16) % 125;
        run.Select(n / 25, n / 5 % 5, n % 5);
        double t = Now();
        run.Command(IDOK);
        readings.push_back(Now() - t);
        if (i % 100 == 0) Check(run.Box() == Expected(FigureFile(n / 25 * 100 + n / 5 % 5 * 10 + n % 5)), "reading");
        t = Now();
        run.Command(IDC_RANDOM);
        casts.push_back(Now() - t);
    }
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(run.pi.hProcess, &memory, sizeof memory);
    SetLastError(0);
    const DWORD gdi = GetGuiResources(run.pi.hProcess, GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(run.pi.hProcess, GR_USEROBJECTS);
    const bool counted = GetLastError() != ERROR_CALL_NOT_IMPLEMENTED;
    PostMessageA(run.dialog, WM_CLOSE, 0, 0);
    Check(run.WaitExit() == 0, "exit code 0");
    size_t total = 0, resources = 0;
    SizeOf(g_exe, &total, &resources);

    const double ratio = Median(yardstick) > 0 ? Median(program) / Median(yardstick) : 0;
    std::printf("| measure | result | goal |\n|---|---|---|\n");
    std::printf("| start-up, median of %d alternating pairs (torvane / minimal dialog with the same template and manifest) | %s ms / %s ms = %s | at most 1.05 |\n", starts,
                Fixed(Median(program), 0).c_str(), Fixed(Median(yardstick), 0).c_str(), Fixed(ratio, 2).c_str());
    std::printf("| reading (IDOK until the box holds the text), median of %d | %s ms | under 1 ms |\n", repeats,
                Fixed(Median(readings), 3).c_str());
    std::printf("| cast (IDC_RANDOM until the box holds the text), median of %d | %s ms | under 1 ms |\n", repeats,
                Fixed(Median(casts), 3).c_str());
    std::printf("| peak working set | %lu KiB | |\n", static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024));
    if (counted)
        std::printf("| GDI / USER objects in use | %lu / %lu | |\n", gdi, user);
    else
        std::printf("| GDI / USER objects in use | not counted by this platform | |\n");
    std::printf("| torvane.exe: resources / the rest | %lu / %lu bytes (%s KiB) | rest under 48 KiB |\n",
                static_cast<unsigned long>(resources), static_cast<unsigned long>(total - resources),
                Fixed((total - resources) / 1024.0, 1).c_str());
}
