// The window-free logic: figure numbers, the edition, string blocks, the generator and seed,
// setting values, paths, where the window opens.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <cwchar>
#include <string>

#include "../app/language.h"
#include "../app/module_path.h"
#include "../app/placement.h"
#include "../divination/figure.h"
#include "../settings/setting_value.h"

TEST(Figure, NumberDigitsAreTheCountsInOrder) {
    EXPECT_EQ(FigureId(0, 0, 0), 0);
    EXPECT_EQ(FigureId(1, 2, 3), 123);
    EXPECT_EQ(FigureId(3, 2, 1), 321);
    EXPECT_EQ(FigureId(4, 4, 4), 444);
}

TEST(Language, EditionFollowsTheUiLanguageThenTheLocale) {
    const struct { unsigned short ui, locale, edition; } cases[] = {
        {0x0404, 0x0404, kTraditionalChinese},  // Taiwan
        {0x0C04, 0x0409, kTraditionalChinese},  // Hong Kong UI, English locale
        {0x1404, 0x0804, kTraditionalChinese},  // Macau UI: the Chinese UI decides
        {0x7C04, 0x0409, kTraditionalChinese},  // Chinese (Traditional) without a region
        {0x0804, 0x0404, kSimplifiedChinese},   // mainland UI, Taiwan locale
        {0x1004, 0x0C04, kSimplifiedChinese},   // Singapore
        {0x0409, 0x0804, kSimplifiedChinese},   // a mainland user on an English Windows
        {0x0409, 0x0404, kTraditionalChinese},  // a Taiwanese user on an English Windows
        {0x0411, 0x0C04, kTraditionalChinese},
        {0x0409, 0x0409, kSimplifiedChinese},
        {0x0411, 0x0411, kSimplifiedChinese},
    };
    for (const auto& c : cases) EXPECT_EQ(EditionFor(c.ui, c.locale), c.edition) << std::hex << c.ui << " " << c.locale;
}

TEST(Language, StringsAreTakenFromTheirBlockWithinBounds) {
    // Strings 0 "", 1 "ab", 2 "", 3 "xyz"; 4 to 15 missing, as a block ends after its last string.
    const unsigned short block[] = {0, 2, 'a', 'b', 0, 3, 'x', 'y', 'z'};
    const std::size_t units = sizeof block / sizeof block[0];
    wchar_t out[8];
    const struct { unsigned index; std::size_t units, capacity; const wchar_t* want; } cases[] = {
        {1, units, 8, L"ab"}, {3, units, 8, L"xyz"}, {0, units, 8, L""}, {2, units, 8, L""},
        {15, units, 8, L""}, {3, units, 3, L"xy"}, {3, units, 1, L""},
        {3, units - 1, 8, L"xy"}, {3, 5, 8, L""}, {1, 0, 8, L""},
    };
    for (const auto& c : cases) {
        std::wmemset(out, L'#', 8);
        StringFromBlock(c.units ? block : nullptr, c.units, c.index, out, c.capacity);
        EXPECT_EQ(std::wcscmp(out, c.want), 0) << c.index << " " << c.units << " " << c.capacity;
    }
    out[0] = L'#';
    StringFromBlock(block, units, 1, out, 0);  // no room at all: nothing written
    EXPECT_EQ(out[0], L'#');
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

TEST(Placement, CaptionInReachStaysElseTheWindowMovesIntoTheNearestWorkArea) {
    // A 1024 x 768 screen with a 30-pixel taskbar at the bottom, a second one to its right whose work
    // area starts below a 40-pixel bar at the top; a 300 x 300 window, its caption 20 pixels tall
    // below a 3-pixel frame.
    const Monitor two[] = {{{0, 0, 1024, 768}, {0, 0, 1024, 738}},
                           {{1024, 0, 2048, 768}, {1024, 40, 2048, 768}}};
    const Span caption = {3, 3, 297, 23};
    const struct { long x, y; std::size_t monitors; long wantX, wantY; } cases[] = {
        {0, 0, 1, 0, 0},                   // a first start
        {-5, 10, 1, -5, 10},               // five pixels beyond the left edge
        {-100, 10, 1, -100, 10},           // two thirds of the caption still on the screen
        {-200, 10, 1, 0, 10},              // a third no longer
        {-280, 100, 1, 0, 100},            // a 10-pixel strip
        {1020, 764, 1, 724, 438},          // 4 x 4 pixels in view
        {100, -285, 1, 100, 0},            // the caption above the screen
        {100, -4, 1, 100, 0},              // the caption's top row above it
        {100, 715, 1, 100, 715},           // the caption just above the taskbar
        {100, 716, 1, 100, 438},           // its bottom row behind the taskbar
        {-5000, -5000, 1, 0, 0},           // on no monitor: where a first start opens
        {LONG_MAX, 10, 1, 0, 0},           // values no sum may overflow
        {LONG_MIN, LONG_MIN, 1, 0, 0},
        {LONG_MAX - 100, LONG_MAX - 100, 1, 0, 0},
        {0, 0, 0, 0, 0},                   // no monitor reported
        {1500, 20, 2, 1500, 40},           // under the second screen's top bar
        {900, 20, 2, 900, 20},             // across both: a third of the caption on the first
        {1000, 20, 2, 1024, 40},           // less: into the one it overlaps most
        {1900, 750, 2, 1748, 468},         // the second screen's bottom right corner
    };
    for (const auto& c : cases) {
        const Corner got = PlaceInReach(c.x, c.y, 300, 300, caption, two, c.monitors);
        EXPECT_TRUE(got.x == c.wantX && got.y == c.wantY) << c.x << "," << c.y << " -> " << got.x << "," << got.y;
    }
    // A window larger than the work area keeps its caption on it.
    const Corner big = PlaceInReach(-50, -50, 2000, 1000, {3, 3, 1997, 23}, two, 1);
    EXPECT_TRUE(big.x == 0 && big.y == 0) << big.x << "," << big.y;
}
