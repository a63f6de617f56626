// The generated pictures in the game's working directory, checked from outside: ImageMagick
// must read every one and see the same pixels as our readers, with the sides, depths and
// layouts the game relies on.
#include "game/image/bmp.h"
#include "game/image/textures.h"
#include "game/image/tga.h"
#include "game/shell/overlay/glyph_table.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

const std::string RUN_DIR = std::string(DH_BUILD_DIR) + "/run/";

bool power_of_two(int v) {
    return v > 0 && (v & (v - 1)) == 0;
}

// ImageMagick's view: width, height and the pixels as R, G, B[, A], top row first.
struct Seen {
    int width = 0, height = 0;
    std::vector<uint8_t> pixels;
};

std::string run(const std::string& cmd) {
    std::string out;
    std::FILE* p = popen(cmd.c_str(), "r");
    if (!p) return out;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        out.append(buf, n);
    if (pclose(p) != 0) return {};
    return out;
}

Seen imagemagick(const std::string& path, const char* map) {
    Seen s;
    const std::string size = run("/usr/bin/identify -format '%w %h' " + path);
    if (std::sscanf(size.c_str(), "%d %d", &s.width, &s.height) != 2) return s;
    const std::string px = run("/usr/bin/convert " + path + " -auto-orient -depth 8 " + map + ":-");
    s.pixels.assign(px.begin(), px.end());
    return s;
}

// Our readers keep the file's bottom-first row order; ImageMagick shows rows top first.
std::vector<uint8_t> flip_rows(const std::vector<uint8_t>& px, int width, int height,
                               int channels) {
    std::vector<uint8_t> out;
    const size_t row = size_t(width) * channels;
    for (int y = height - 1; y >= 0; --y)
        out.insert(out.end(), px.begin() + y * row, px.begin() + (y + 1) * row);
    return out;
}

int tga_depth(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return 0;
    uint8_t h[18] = {};
    const size_t n = std::fread(h, 1, 18, f);
    std::fclose(f);
    return n == 18 ? h[16] : 0;
}

void expect_same_as_imagemagick(const std::string& name, int want_tga_depth) {
    SCOPED_TRACE(name);
    const std::string path = RUN_DIR + name;
    if (name.find(".bmp") != std::string::npos) {
        auto ours = read_bmp(path);
        ASSERT_NE(ours, nullptr);
        const Seen im = imagemagick(path, "rgb");
        EXPECT_EQ(im.width, ours->width);
        EXPECT_EQ(im.height, ours->height);
        EXPECT_TRUE(im.pixels == flip_rows(ours->pixels, ours->width, ours->height, 3));
        EXPECT_TRUE(power_of_two(ours->width) && power_of_two(ours->height));
        return;
    }
    EXPECT_EQ(tga_depth(path), want_tga_depth);
    auto ours = read_tga(path);
    ASSERT_NE(ours, nullptr);
    const Seen im = imagemagick(path, ours->channels == 4 ? "rgba" : "rgb");
    EXPECT_EQ(im.width, ours->width);
    EXPECT_EQ(im.height, ours->height);
    EXPECT_TRUE(im.pixels == flip_rows(ours->pixels, ours->width, ours->height, ours->channels));
    EXPECT_TRUE(power_of_two(ours->width) && power_of_two(ours->height));
}

TEST(GeneratedPictures, EveryTextureIsReadAlikeByImageMagickAndUs) {
    for (const TextureFile& t : TEXTURE_TABLE)
        expect_same_as_imagemagick(t.file, 24);
}

TEST(GeneratedPictures, MenuPicturesAreTwentyFourBitAndReadAlike) {
    for (const TextureFile& t : MENU_PICTURE_TABLE)
        expect_same_as_imagemagick(t.file, 24);
}

struct Cell {
    int code, tex_x, tex_y, width;
};

std::vector<Cell> glyph_cells() {
    std::vector<Cell> cells;
    for (size_t i = 2; GLYPH_TABLE[i] != GLYPH_TABLE_END; i += GLYPH_RECORD_VALUES)
        cells.push_back(
            {GLYPH_TABLE[i], GLYPH_TABLE[i + 1], GLYPH_TABLE[i + 2], GLYPH_TABLE[i + 3]});
    return cells;
}

TEST(GeneratedPictures, FontGlyphsSitInTheirCells) {
    expect_same_as_imagemagick(FONT_FILE, 32);
    auto font = read_tga(RUN_DIR + FONT_FILE);
    ASSERT_NE(font, nullptr);
    ASSERT_EQ(font->channels, 4);
    const int w = font->width, h = font->height;
    // Rows counted from the picture's top, as the glyph table counts them (the file is stored
    // bottom row first).
    auto texel = [&](int x, int y_from_top, int c) {
        return font->pixels[(size_t(h - 1 - y_from_top) * w + x) * 4 + c];
    };
    std::vector<int> owner(size_t(w) * h, -1);
    const std::vector<Cell> cells = glyph_cells();
    ASSERT_EQ(cells.size(), size_t(GLYPH_TABLE_GLYPHS));
    for (size_t i = 0; i < cells.size(); ++i) {
        const Cell& c = cells[i];
        ASSERT_LE(c.tex_x + c.width, w);
        ASSERT_LE(c.tex_y, h);
        for (int y = c.tex_y - GLYPH_CELL_HEIGHT; y < c.tex_y; ++y)
            for (int x = c.tex_x; x < c.tex_x + c.width; ++x)
                owner[size_t(y) * w + x] = int(i);
    }
    std::vector<int> ink(cells.size(), 0), bottom(cells.size(), 0);
    int stray = 0, not_white = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t a = texel(x, y, 3);
            // The game adds the colour channels, so they must carry the coverage too.
            if (texel(x, y, 0) != a || texel(x, y, 1) != a || texel(x, y, 2) != a) ++not_white;
            if (a == 0) continue;
            const int o = owner[size_t(y) * w + x];
            if (o < 0) {
                ++stray;
                continue;
            }
            ++ink[size_t(o)];
            bottom[size_t(o)] = std::max(bottom[size_t(o)], y);
        }
    EXPECT_EQ(stray, 0) << "ink outside every cell";
    EXPECT_EQ(not_white, 0) << "texels whose colour is not their coverage";
    for (size_t i = 0; i < cells.size(); ++i) {
        SCOPED_TRACE(std::string(1, char(cells[i].code)));
        if (cells[i].code == ' ') {
            EXPECT_EQ(ink[i], 0);
            continue;
        }
        EXPECT_GT(ink[i], 20);
    }
    // One baseline for all: letters without descenders end on the same row of their cells,
    // and the descenders reach the cells' last rows.
    auto rows_above_cell_bottom = [&](char ch) {
        for (size_t i = 0; i < cells.size(); ++i)
            if (cells[i].code == ch) return cells[i].tex_y - 1 - bottom[i];
        return -1;
    };
    const int base = rows_above_cell_bottom('H');
    EXPECT_GT(base, 0);
    for (char ch : {'a', 'x', 'E', 'z', '0', '4', 'm'})
        EXPECT_NEAR(rows_above_cell_bottom(ch), base, 1) << ch;
    for (char ch : {'g', 'j', 'p', 'q', 'y'})
        EXPECT_LE(rows_above_cell_bottom(ch), 1) << ch;
}

// The buttons add onto the menu picture, so everything but their plate must be black. The
// plate belongs where the game makes the button clickable: the game puts the picture's top
// half a button width (0.15) above the centre and makes it 0.35 high, and the clickable band
// is the centre plus or minus 0.07: 23 % to 63 % of the picture from its top.
TEST(GeneratedPictures, ButtonsAreBlackAroundTheirPlate) {
    for (const char* name : {"Start_field.bmp", "Story_field.bmp", "Back_field.bmp"}) {
        SCOPED_TRACE(name);
        auto img = read_bmp(RUN_DIR + name);
        ASSERT_NE(img, nullptr);
        const int w = img->width, h = img->height;
        double inside = 0, outside = 0;
        int inside_n = 0, outside_n = 0;
        for (int y_top = 0; y_top < h; ++y_top)
            for (int x = 0; x < w; ++x) {
                const uint8_t* p = &img->pixels[(size_t(h - 1 - y_top) * w + x) * 3];
                const double lum = (p[0] + p[1] + p[2]) / 3.0;
                const double fy = (y_top + 0.5) / h, fx = (x + 0.5) / w;
                if (fy > 0.3 && fy < 0.56 && fx > 0.2 && fx < 0.8)
                    inside += lum, ++inside_n;
                else if (fy < 0.15 || fy > 0.72)
                    outside += lum, ++outside_n;
            }
        EXPECT_LT(outside / outside_n, 2.0);
        EXPECT_GT(inside / inside_n, 40.0);
    }
}

} // namespace
