// Build tool: turns the icon's text picture into a 32 x 32, 16-colour .ico.
#include <cstdio>
#include <cstring>

static const unsigned char kPalette[16][3] = {  // VGA colours, RGB
    {0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};

static void Put16(FILE* f, unsigned v) { fputc(v & 255, f); fputc(v >> 8 & 255, f); }
static void Put32(FILE* f, unsigned v) { Put16(f, v & 0xFFFF); Put16(f, v >> 16); }

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    FILE* in = fopen(argv[1], "r");
    if (!in) return 1;
    char rows[32][40];
    int n = 0;
    char line[256];
    while (n < 32 && fgets(line, sizeof line, in)) {
        if (line[0] == '#') continue;
        if (strlen(line) < 32) return 1;
        memcpy(rows[n++], line, 32);
    }
    fclose(in);
    if (n != 32) return 1;
    FILE* out = fopen(argv[2], "wb");
    if (!out) return 1;
    const unsigned imageSize = 40 + 16 * 4 + 32 * 16 + 32 * 4;
    Put16(out, 0); Put16(out, 1); Put16(out, 1);                       // icon directory, one image
    fputc(32, out); fputc(32, out); fputc(16, out); fputc(0, out);     // 32 x 32, 16 colours
    Put16(out, 1); Put16(out, 4); Put32(out, imageSize); Put32(out, 22);
    Put32(out, 40); Put32(out, 32); Put32(out, 64); Put16(out, 1); Put16(out, 4);  // DIB header
    Put32(out, 0); Put32(out, 32 * 16 + 32 * 4); Put32(out, 0); Put32(out, 0); Put32(out, 16); Put32(out, 0);
    for (auto& c : kPalette) { fputc(c[2], out); fputc(c[1], out); fputc(c[0], out); fputc(0, out); }
    auto index = [](char c) { return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : 0; };
    for (int y = 31; y >= 0; --y)  // bottom-up colour rows
        for (int x = 0; x < 32; x += 2) fputc(index(rows[y][x]) << 4 | index(rows[y][x + 1]), out);
    for (int y = 31; y >= 0; --y)  // transparency mask
        for (int b = 0; b < 4; ++b) {
            int bits = 0;
            for (int k = 0; k < 8; ++k) bits = bits << 1 | (rows[y][b * 8 + k] == '.');
            fputc(bits, out);
        }
    return fclose(out) == 0 ? 0 : 1;
}
