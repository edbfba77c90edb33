// The figure texts as the build turns them into strings: names, layout and sizes.
#include <gtest/gtest.h>
#include <iconv.h>

#include <dirent.h>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {
std::string Read(const std::string& name) {
    std::ifstream in(std::string(FIGURES_DIR) + "/" + name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Bytes of the text in `code` with CR LF breaks, or -1 when it does not convert.
long Converted(const std::string& utf8, const char* code) {
    std::string crlf;
    for (char c : utf8) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    iconv_t cd = iconv_open(code, "UTF-8");
    std::vector<char> out(crlf.size() * 4 + 8);
    char* in = crlf.data();
    size_t inLeft = crlf.size();
    char* o = out.data();
    size_t oLeft = out.size();
    const size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
    iconv_close(cd);
    return r == static_cast<size_t>(-1) ? -1 : static_cast<long>(out.size() - oLeft);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream s(text);
    for (std::string line; std::getline(s, line);) lines.push_back(line);
    return lines;
}

bool StartsWith(const std::string& s, const std::string& p) { return s.compare(0, p.size(), p) == 0; }
bool EndsWith(const std::string& s, const std::string& p) {
    return s.size() >= p.size() && s.compare(s.size() - p.size(), p.size(), p) == 0;
}

std::string Label(int number) {
    static const char* numerals[] = {"一", "二", "三", "四"};
    static const char* groups[] = {"上", "中", "下"};
    const int counts[] = {number / 100, number / 10 % 10, number % 10};
    std::string label;
    for (int g = 0; g < 3; ++g)
        if (counts[g] > 0) label += std::string(numerals[counts[g] - 1]) + groups[g];
    return label.empty() ? "纯阴镘" : label;
}

// Line 2 ends in a trigram named with its element and compass direction, as the book heads it.
bool EndsInTrigram(const std::string& line) {
    for (const char* trigram : {"乾天西北", "坤地西南", "震雷正东", "巽风东南", "坎水正北", "离火正南",
                                "艮山东北", "兑泽正西", "兑金正西"})
        if (EndsWith(line, std::string("  ") + trigram)) return true;
    return false;
}

std::set<std::string> FilesPresent() {
    std::set<std::string> names;
    DIR* dir = opendir(FIGURES_DIR);
    while (dirent* e = dir ? readdir(dir) : nullptr)
        if (e->d_name[0] != '.') names.insert(e->d_name);
    if (dir) closedir(dir);
    return names;
}
}  // namespace

TEST(FigureTexts, EveryWrittenTextFollowsTheLayout) {
    int checked = 0;
    for (const std::string& file : FilesPresent()) {
        if (file == "intro.txt") continue;
        SCOPED_TRACE(file);
        ASSERT_EQ(file.size(), 7u);
        const int number = std::stoi(file.substr(0, 3));
        ASSERT_TRUE(number / 100 <= 4 && number / 10 % 10 <= 4 && number % 10 <= 4);
        const std::string text = Read(file);
        EXPECT_EQ(text.find('\r'), std::string::npos);
        ASSERT_TRUE(EndsWith(text, "\n"));
        const long units = Converted(text, "UTF-16LE") / 2;
        EXPECT_GE(units, 262);
        EXPECT_LE(units, 521);
        const long gbk = Converted(text, "GBK");
        EXPECT_GT(gbk, 0) << "not representable in GBK";
        EXPECT_LE(gbk, 987);
        const std::vector<std::string> lines = Lines(text);
        ASSERT_GE(lines.size(), 6u);
        for (const std::string& line : lines)
            EXPECT_TRUE(line.empty() || StartsWith(line, "    ")) << line;
        EXPECT_TRUE(StartsWith(lines[0], "    " + Label(number) + "  ")) << lines[0];
        EXPECT_TRUE(EndsWith(lines[0], "之象")) << lines[0];
        if (number == 0)
            EXPECT_TRUE(EndsWith(text, "\n\n"));
        else
            EXPECT_TRUE(EndsInTrigram(lines[1])) << lines[1];
        std::string heads;
        for (const std::string& line : lines) {
            for (const char* head : {"象曰：", "（", "颜曰：", "何曰：", "陈曰：", "刘曰：", "）", "诗曰："})
                if (StartsWith(line, std::string("    ") + head)) heads += head;
        }
        EXPECT_EQ(heads, "象曰：（颜曰：何曰：陈曰：刘曰：）诗曰：");
        ++checked;
    }
    EXPECT_GE(checked, 5);
}

TEST(FigureTexts, NoStrayFilesAndTheIntroductionFits) {
    for (const std::string& file : FilesPresent()) {
        if (file == "intro.txt") continue;
        EXPECT_TRUE(file.size() == 7 && EndsWith(file, ".txt")) << file;
    }
    const std::string intro = Read("intro.txt");
    EXPECT_TRUE(StartsWith(intro, "Torvane\n\n"));
    int paragraphs = 0;
    for (const std::string& line : Lines(intro)) paragraphs += StartsWith(line, "　　");
    EXPECT_EQ(paragraphs, 3);
    // The reader must not take our wording for the book's.
    EXPECT_NE(intro.find("都不是原书原文，也不是原书诗句的译写。"), std::string::npos);
    const long gbk = Converted(intro, "GBK");
    EXPECT_GT(gbk, 0);
    EXPECT_LE(gbk, 1023);
}
