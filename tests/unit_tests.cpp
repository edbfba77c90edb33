// The window-free logic: figure numbers, labels, the generator and seed, setting values, paths.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <cwchar>
#include <string>

#include "../app/module_path.h"
#include "../divination/figure.h"
#include "../settings/setting_value.h"

TEST(Figure, NumberDigitsAreTheCountsInOrder) {
    EXPECT_EQ(FigureId(0, 0, 0), 0);
    EXPECT_EQ(FigureId(1, 2, 3), 123);
    EXPECT_EQ(FigureId(3, 2, 1), 321);
    EXPECT_EQ(FigureId(4, 4, 4), 444);
}

TEST(Figure, LabelsAreTheFiveCounts) {
    // 无字 一字 二字 三字 四字, as UTF-16 code units.
    const wchar_t expected[][3] = {{0x65E0, 0x5B57, 0}, {0x4E00, 0x5B57, 0}, {0x4E8C, 0x5B57, 0},
                                   {0x4E09, 0x5B57, 0}, {0x56DB, 0x5B57, 0}};
    for (int i = 0; i < kCountChoices; ++i) EXPECT_EQ(std::wcscmp(CountLabels[i], expected[i]), 0) << i;
}

TEST(Random, FirstStepFromUnseededState) {
    RandomGenerator generator;
    EXPECT_EQ(generator.Next(), 41);
    EXPECT_EQ(generator.State(), 2745024u);
}

TEST(Random, SeedFromClockAndFirstCast) {
    const std::uint32_t seed = SeedOf(2024, 3, 15, 12, 34, 56);
    EXPECT_EQ(seed, 763266u);
    RandomGenerator generator;
    generator.Seed(seed);
    const int draws[] = {generator.Next(), generator.Next(), generator.Next()};
    EXPECT_EQ(draws[0], 2176);
    EXPECT_EQ(draws[1], 6085);
    EXPECT_EQ(draws[2], 10686);
    EXPECT_EQ(FigureId(draws[0] % 5, draws[1] % 5, draws[2] % 5), 101);
    // Hour and minute weigh alike, so these two starts cast alike.
    EXPECT_EQ(SeedOf(2024, 3, 15, 10, 5, 30), SeedOf(2024, 3, 15, 11, 4, 30));
}

TEST(SettingValue, ReadsAsTheProgramAlwaysHasWithOverflowClamped) {
    struct Case { const wchar_t* text; long expected; } cases[] = {
        {L"m", 7},  // a missing key reads back as "m": the default
        {L"12ab", 12}, {L"ab", 0}, {L"m12", 7}, {L"-5", -5}, {L"  +42", 42}, {L"", 0},
        {L"99999999999999999999999999999", LONG_MAX}, {L"-99999999999999999999", LONG_MIN},
        {L"2147483647", 2147483647L}, {L"-2147483648", -2147483648L}, {L"M5", 0},
        {L"\xFF10" L"5", 0},  // a full-width digit is no digit
    };
    for (const Case& c : cases) EXPECT_EQ(ParseSettingValue(c.text, 7), c.expected) << c.expected;
}

TEST(SettingValue, WritesAndReadsBack) {
    for (long value : {0L, -5L, 1280L, LONG_MAX, LONG_MIN}) {
        wchar_t text[kValueWriteCapacity];
        FormatSettingValue(value, text, kValueWriteCapacity);
        EXPECT_EQ(ParseSettingValue(text, 99), value) << value;
    }
    wchar_t small[4];
    FormatSettingValue(-12345, small, 4);
    EXPECT_EQ(std::wcscmp(small, L"-12"), 0);
}

TEST(ModulePath, DirectoryKeepsTrailingBackslashAndWholeCharacters) {
    wchar_t dir[260];
    DirectoryOf(L"C:\\Games\\torvane.exe", dir, 260);
    EXPECT_EQ(std::wstring(dir), L"C:\\Games\\");
    DirectoryOf(L"torvane.exe", dir, 260);
    EXPECT_EQ(std::wstring(dir), L"torvane.exe");
    // A folder no ANSI code page spells whole: Chinese, Hangul and a character beyond the BMP.
    DirectoryOf(L"C:\\灵棋经\xD55C\xD840\xDC00\\灵棋经.exe", dir, 260);
    EXPECT_EQ(std::wstring(dir), L"C:\\灵棋经\xD55C\xD840\xDC00\\");
    // The copy never ends on half a surrogate pair; a lone surrogate is a character of its own.
    wchar_t tiny[4];
    DirectoryOf(L"ab\xD840\xDC00", tiny, 4);
    EXPECT_EQ(std::wstring(tiny), L"ab");
    DirectoryOf(L"a\xD840\\b", tiny, 4);
    EXPECT_EQ(std::wstring(tiny), L"a\xD840\\");
}

TEST(ModulePath, SettingsPathThatDoesNotFitIsRefused) {
    wchar_t path[260];
    const std::wstring dir = L"C:\\" + std::wstring(244, L'd') + L"\\";
    EXPECT_TRUE(JoinPath(dir.c_str(), L"torvane.ini", path, 260));
    EXPECT_EQ(std::wcslen(path), dir.size() + 11);
    const std::wstring longer = L"C:\\" + std::wstring(245, L'd') + L"\\";
    EXPECT_FALSE(JoinPath(longer.c_str(), L"torvane.ini", path, 260));
    EXPECT_EQ(std::wstring(path), L"");
}

TEST(ModulePath, NoRoomAtAllIsRefusedWithoutWriting) {
    // Even an empty path needs a unit for its terminator.
    wchar_t guard[1] = {L'#'};
    EXPECT_FALSE(JoinPath(L"", L"", guard, 0));
    EXPECT_EQ(guard[0], L'#');
}
