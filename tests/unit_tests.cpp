// The window-free logic: figure numbers, labels, the generator and seed, setting values, paths.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
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

TEST(Figure, LabelsAreGbkBytes) {
    const char* expected[] = {"\xCE\xDE\xD7\xD6", "\xD2\xBB\xD7\xD6", "\xB6\xFE\xD7\xD6",
                              "\xC8\xFD\xD7\xD6", "\xCB\xC4\xD7\xD6"};  // 无字 一字 二字 三字 四字
    for (int i = 0; i < kCountChoices; ++i) EXPECT_STREQ(CountLabels[i], expected[i]) << i;
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
    struct Case { const char* text; long expected; } cases[] = {
        {"m", 7},  // a missing key reads back as "m": the default
        {"12ab", 12}, {"ab", 0}, {"m12", 7}, {"-5", -5}, {"  +42", 42}, {"", 0},
        {"99999999999999999999999999999", LONG_MAX}, {"-99999999999999999999", LONG_MIN},
        {"2147483647", 2147483647L}, {"-2147483648", -2147483648L}, {"M5", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseSettingValue(c.text, 7), c.expected) << c.text;
}

TEST(SettingValue, WritesAndReadsBack) {
    for (long value : {0L, -5L, 1280L, LONG_MAX, LONG_MIN}) {
        char text[kValueWriteCapacity];
        FormatSettingValue(value, text, sizeof text);
        EXPECT_EQ(ParseSettingValue(text, 99), value) << text;
    }
    char small[4];
    FormatSettingValue(-12345, small, sizeof small);
    EXPECT_STREQ(small, "-12");
}

static bool GbkLead(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

TEST(ModulePath, DirectoryKeepsTrailingBackslashAndWholeCharacters) {
    char dir[260];
    DirectoryOf("C:\\Games\\torvane.exe", dir, sizeof dir, GbkLead);
    EXPECT_STREQ(dir, "C:\\Games\\");
    DirectoryOf("torvane.exe", dir, sizeof dir, GbkLead);
    EXPECT_STREQ(dir, "torvane.exe");
    // 0x81 0x5C is one GBK character whose second byte looks like a backslash.
    DirectoryOf("C:\\a\x81\x5C" "b\\x\x81\x5C.exe", dir, sizeof dir, GbkLead);
    EXPECT_STREQ(dir, "C:\\a\x81\x5C" "b\\");
    DirectoryOf("C:\\d\\\x81\x5C.exe", dir, sizeof dir, GbkLead);
    EXPECT_STREQ(dir, "C:\\d\\");
    // The copy never ends on half a character.
    char tiny[4];
    DirectoryOf("ab\x81\x5C", tiny, sizeof tiny, GbkLead);
    EXPECT_STREQ(tiny, "ab");
}

TEST(ModulePath, SettingsPathThatDoesNotFitIsRefused) {
    char path[260];
    const std::string dir = "C:\\" + std::string(244, 'd') + "\\";
    EXPECT_TRUE(JoinPath(dir.c_str(), "torvane.ini", path, sizeof path));
    EXPECT_EQ(std::strlen(path), dir.size() + 11);
    const std::string longer = "C:\\" + std::string(245, 'd') + "\\";
    EXPECT_FALSE(JoinPath(longer.c_str(), "torvane.ini", path, sizeof path));
    EXPECT_STREQ(path, "");
}

TEST(ModulePath, NoRoomAtAllIsRefusedWithoutWriting) {
    // Even an empty path needs a byte for its terminator.
    char guard[1] = {'#'};
    EXPECT_FALSE(JoinPath("", "", guard, 0));
    EXPECT_EQ(guard[0], '#');
}
