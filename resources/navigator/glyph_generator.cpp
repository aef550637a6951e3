// Draws the ten built-in glyphs of the table navigator and writes each as a 16-colour (4 bits per
// pixel) Windows bitmap, 13 pixels high: glyph_generator <output folder>
//
// The picture of each glyph is the character grid below; the bottom-left pixel is the background,
// which the program treats as transparent.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace {

struct Rgb {
    unsigned char r, g, b;
};

// The standard 16-colour palette, in its usual order.
constexpr std::array<Rgb, 16> palette{{{0, 0, 0},
                                       {128, 0, 0},
                                       {0, 128, 0},
                                       {128, 128, 0},
                                       {0, 0, 128},
                                       {128, 0, 128},
                                       {0, 128, 128},
                                       {192, 192, 192},
                                       {128, 128, 128},
                                       {255, 0, 0},
                                       {0, 255, 0},
                                       {255, 255, 0},
                                       {0, 0, 255},
                                       {255, 0, 255},
                                       {0, 255, 255},
                                       {255, 255, 255}}};

// Characters of the grids and their palette entries: '.' background (magenta), '#' black,
// 'r' dark red, 'R' red, 'g' dark green, 'G' green, 'b' navy, 'B' blue, 'o' olive, 'Y' yellow,
// 'w' white, 's' grey.
int colourOf(char c)
{
    switch (c) {
    case '#': return 0;
    case 'r': return 1;
    case 'g': return 2;
    case 'o': return 3;
    case 'b': return 4;
    case 's': return 8;
    case 'R': return 9;
    case 'G': return 10;
    case 'Y': return 11;
    case 'B': return 12;
    case 'w': return 15;
    default: return 13;
    }
}

struct Glyph {
    const char* name;
    std::vector<const char*> rows;
};

const std::vector<Glyph> glyphs{
    {"sdbn_first",
     {"..........", "..........", "##......#.", "##.....##.", "##....###.", "##...####.", "##..#####.", "##...####.",
      "##....###.", "##.....##.", "##......#.", "..........", ".........."}},
    {"sdbn_prior",
     {".........", ".........", "......#..", ".....##..", "....###..", "...####..", "..#####..", "...####..",
      "....###..", ".....##..", "......#..", ".........", "........."}},
    {"sdbn_next",
     {".........", ".........", "..#......", "..##.....", "..###....", "..####...", "..#####..", "..####...",
      "..###....", "..##.....", "..#......", ".........", "........."}},
    {"sdbn_last",
     {"..........", "..........", ".#......##", ".##.....##", ".###....##", ".####...##", ".#####..##", ".####...##",
      ".###....##", ".##.....##", ".#......##", "..........", ".........."}},
    {"sdbn_insert",
     {"...........", "....###....", "....#G#....", "....#G#....", "....#G#....", "#####G#####", "#GGGGGGGGG#",
      "#####G#####", "....#G#....", "....#G#....", "....#G#....", "....###....", "..........."}},
    {"sdbn_delete",
     {"...........", "...........", "...........", "...........", "...........", "###########", "#RRRRRRRRR#",
      "###########", "...........", "...........", "...........", "...........", "..........."}},
    {"sdbn_edit",
     {"...........", "........##.", ".......#RR#", "......#Y#R#", ".....#Y#.#.", "....#Y#.#..", "...#Y#.#...",
      "..#Y#.#....", ".#ww#.#....", ".#s###.....", ".###.......", "###########", "..........."}},
    {"sdbn_post",
     {"............", "............", "..........#.", ".........#G#", "........#G#.", "#......#G#..", "#G#...#G#...",
      ".#G#.#G#....", "..#G#G#.....", "...#G#......", "....#.......", "............", "............"}},
    {"sdbn_cancel",
     {"...........", "...........", ".##.....##.", ".#R#...#R#.", "..#R#.#R#..", "...#R#R#...", "....#R#....",
      "...#R#R#...", "..#R#.#R#..", ".#R#...#R#.", ".##.....##.", "...........", "..........."}},
    {"sdbn_refresh",
     {"...............", ".....#####.....", "...##BBBBB##.#.", "..#BB.....BB##.", ".#B.......BBB#.", ".#B......#####.",
      ".#B...........", ".#B.......#B#..", "..#BB.....BB#..", "...##BBBBB##...", ".....#####.....", "...............",
      "..............."}},
};

void put16(QByteArray& out, unsigned value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void put32(QByteArray& out, unsigned value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

QByteArray bitmapOf(const Glyph& glyph)
{
    const int height = static_cast<int>(glyph.rows.size());
    int width = 0;
    for (const char* row : glyph.rows)
        width = std::max(width, static_cast<int>(qstrlen(row)));
    const int stride = ((width * 4 + 31) / 32) * 4;
    const unsigned pixelOffset = 14 + 40 + 16 * 4;
    const unsigned imageSize = static_cast<unsigned>(stride * height);

    QByteArray out;
    out.append("BM");
    put32(out, pixelOffset + imageSize);
    put32(out, 0);
    put32(out, pixelOffset);
    put32(out, 40);
    put32(out, static_cast<unsigned>(width));
    put32(out, static_cast<unsigned>(height));
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);
    put32(out, imageSize);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 16);
    put32(out, 16);
    for (const Rgb& colour : palette) {
        out.append(char(colour.b));
        out.append(char(colour.g));
        out.append(char(colour.r));
        out.append(char(0));
    }
    // Rows bottom-up, two pixels a byte, high nibble first; short rows are padded with background.
    for (int y = height - 1; y >= 0; --y) {
        const char* row = glyph.rows[static_cast<size_t>(y)];
        const int length = static_cast<int>(qstrlen(row));
        QByteArray line(stride, 0);
        for (int x = 0; x < width; ++x) {
            const int colour = colourOf(x < length ? row[x] : '.');
            line[x / 2] = char(line[x / 2] | (x % 2 == 0 ? colour << 4 : colour));
        }
        out.append(line);
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: glyph_generator <output folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const Glyph& glyph : glyphs) {
        QFile file(folder.filePath(QString::fromLatin1(glyph.name) + QStringLiteral(".bmp")));
        if (!file.open(QIODevice::WriteOnly) || file.write(bitmapOf(glyph)) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
