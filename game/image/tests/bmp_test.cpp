// The BMP reader against bitmaps of every variant that the tests build themselves.
#include "game/image/bmp.h"

#include "bmp_builder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

namespace {

constexpr int W = 5, H = 3; // odd width: every depth needs row padding

std::unique_ptr<RgbImage> decode(const std::vector<uint8_t>& b) {
    return decode_bmp(b.data(), b.size());
}

// Expected reader output from picture colours (rows top first): rows bottom first, R, G, B.
std::vector<uint8_t> bottom_up_rgb(const std::vector<uint32_t>& rgb, int w, int h) {
    std::vector<uint8_t> out;
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            uint32_t c = rgb[size_t(y) * w + x];
            out.push_back(c >> 16), out.push_back((c >> 8) & 0xFF), out.push_back(c & 0xFF);
        }
    return out;
}

uint32_t scale5(uint32_t v) {
    return (v * 255 + 15) / 31;
}
uint32_t scale6(uint32_t v) {
    return (v * 255 + 31) / 63;
}

struct Variant {
    const char* name;
    int bits;
    uint32_t compression;
    uint32_t header_size;
    bool file_header;
    bool top_down;
};

// Fills the layout's palette, masks and values for the variant; returns the picture's colours.
std::vector<uint32_t> fill(const Variant& v, BmpLayout& s) {
    s.width = W, s.height = H, s.bits = v.bits, s.compression = v.compression;
    s.header_size = v.header_size, s.file_header = v.file_header, s.top_down = v.top_down;
    std::vector<uint32_t> colours;
    const std::vector<uint32_t> picture = test_picture(W, H);
    if (v.bits <= 8) {
        // 8-bit palettes use fewer entries than 256 so that the used-colours count is honoured.
        const size_t n = v.bits == 8 ? 20 : size_t{1} << v.bits;
        for (size_t i = 0; i < n; ++i)
            s.palette.push_back(picture[i % picture.size()] ^ uint32_t(i * 0x010203));
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const uint32_t idx = uint32_t(x + 3 * y) % n;
                s.values.push_back(idx);
                colours.push_back(s.palette[idx]);
            }
        return colours;
    }
    for (uint32_t c : picture) {
        const uint32_t r = c >> 16, g = (c >> 8) & 0xFF, b = c & 0xFF;
        if (v.bits == 24 || (v.bits == 32 && v.compression == 0)) {
            s.values.push_back(c);
            colours.push_back(c);
        } else if (v.bits == 16 && v.compression == 0) { // 5-5-5
            s.values.push_back((r >> 3) << 10 | (g >> 3) << 5 | (b >> 3));
            colours.push_back(scale5(r >> 3) << 16 | scale5(g >> 3) << 8 | scale5(b >> 3));
        } else if (v.bits == 16) { // 5-6-5 bit fields
            s.masks[0] = 0xF800, s.masks[1] = 0x07E0, s.masks[2] = 0x001F;
            s.values.push_back((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
            colours.push_back(scale5(r >> 3) << 16 | scale6(g >> 2) << 8 | scale5(b >> 3));
        } else { // 32-bit fields with red in the low byte
            s.masks[0] = 0x000000FF, s.masks[1] = 0x0000FF00, s.masks[2] = 0x00FF0000;
            s.values.push_back(b << 16 | g << 8 | r | 0xAA000000u);
            colours.push_back(c);
        }
    }
    return colours;
}

const Variant VARIANTS[] = {
    {"1 bit", 1, 0, 40, true, false},
    {"4 bits", 4, 0, 40, true, false},
    {"8 bits", 8, 0, 40, true, false},
    {"16 bits 5-5-5", 16, 0, 40, true, false},
    {"16 bits 5-6-5 fields", 16, 3, 40, true, false},
    {"24 bits", 24, 0, 40, true, false},
    {"32 bits", 32, 0, 40, true, false},
    {"32 bits swapped fields", 32, 3, 40, true, false},
    {"32 bits fields in v5 header", 32, 3, 124, true, false},
    {"RLE8", 8, 1, 40, true, false},
    {"RLE4", 4, 2, 40, true, false},
    {"24 bits top-down", 24, 0, 40, true, true},
    {"8 bits top-down", 8, 0, 40, true, true},
    {"24 bits without file header", 24, 0, 40, false, false},
    {"8 bits without file header", 8, 0, 40, false, false},
    {"1 bit core header", 1, 0, 12, true, false},
    {"8 bits core header", 8, 0, 12, true, false},
    {"24 bits core header without file header", 24, 0, 12, false, false},
    {"24 bits v4 header", 24, 0, 108, true, false},
};

TEST(ReadBmp, DecodesEveryVariantToBottomUpRgb) {
    for (const Variant& v : VARIANTS) {
        SCOPED_TRACE(v.name);
        BmpLayout s;
        const std::vector<uint32_t> colours = fill(v, s);
        auto img = decode(build_bmp(s));
        ASSERT_NE(img, nullptr);
        EXPECT_EQ(img->width, W);
        EXPECT_EQ(img->height, H);
        EXPECT_EQ(img->pixels, bottom_up_rgb(colours, W, H));
    }
}

// Hand-made RLE8 streams: escapes, padding and damage.
struct RleCase {
    const char* name;
    std::vector<uint8_t> stream;
    bool ok;
    std::vector<uint32_t> expected_indices; // stored rows (bottom first), 4 x 2, 9 = skipped
};

TEST(ReadBmp, Rle8Escapes) {
    // Palette index i is colour i * 0x111111; skipped pixels stay black.
    const RleCase cases[] = {
        {"runs and line ends",
         {4, 1, 0, 0, 2, 2, 2, 3, 0, 0, 0, 1},
         true,
         {1, 1, 1, 1, 2, 2, 3, 3}},
        {"absolute run of odd length is padded",
         {0, 3, 5, 6, 7, 0, 1, 8, 0, 0, 4, 2, 0, 1},
         true,
         {5, 6, 7, 8, 2, 2, 2, 2}},
        {"delta skips pixels", {1, 4, 0, 2, 2, 1, 1, 5, 0, 1}, true, {4, 9, 9, 9, 9, 9, 9, 5}},
        {"picture end leaves the rest black", {2, 3, 0, 1}, true, {3, 3, 9, 9, 9, 9, 9, 9}},
        {"run past the row end is cut", {9, 6, 0, 0, 4, 7, 0, 1}, true, {6, 6, 6, 6, 7, 7, 7, 7}},
        {"stream ends before the picture", {4, 1, 0, 0}, false, {}},
        {"absolute run cut short", {0, 5, 1, 2}, false, {}},
        {"delta cut short", {0, 2, 1}, false, {}},
    };
    for (const RleCase& c : cases) {
        SCOPED_TRACE(c.name);
        BmpLayout s;
        s.width = 4, s.height = 2, s.bits = 8, s.compression = 1;
        for (uint32_t i = 0; i < 16; ++i)
            s.palette.push_back(i * 0x111111);
        s.pixel_data = c.stream;
        auto img = decode(build_bmp(s));
        if (!c.ok) {
            EXPECT_EQ(img, nullptr);
            continue;
        }
        ASSERT_NE(img, nullptr);
        std::vector<uint8_t> expected;
        for (uint32_t i : c.expected_indices)
            for (int k = 0; k < 3; ++k)
                expected.push_back(i == 9 ? 0 : uint8_t(i * 0x11));
        EXPECT_EQ(img->pixels, expected);
    }
}

TEST(ReadBmp, Rle4AbsoluteRunsTakeNibbles) {
    BmpLayout s;
    s.width = 5, s.height = 1, s.bits = 4, s.compression = 2;
    for (uint32_t i = 0; i < 16; ++i)
        s.palette.push_back(i * 0x111111);
    // 3 nibbles 1,2,3 (2 bytes, already even), then a run of 2 alternating 4 and 5.
    s.pixel_data = {0, 3, 0x12, 0x30, 2, 0x45, 0, 0, 0, 1};
    auto img = decode(build_bmp(s));
    ASSERT_NE(img, nullptr);
    const std::vector<uint8_t> expected = {0x11, 0x11, 0x11, 0x22, 0x22, 0x22, 0x33, 0x33,
                                           0x33, 0x44, 0x44, 0x44, 0x55, 0x55, 0x55};
    EXPECT_EQ(img->pixels, expected);
}

TEST(ReadBmp, RefusesDamagedOrUnknownFiles) {
    auto base = [] {
        BmpLayout s;
        Variant v{"", 24, 0, 40, true, false};
        fill(v, s);
        return s;
    };
    const std::vector<uint8_t> good = build_bmp(base());
    struct Bad {
        const char* name;
        std::function<std::vector<uint8_t>()> make;
    };
    auto with = [&](std::function<void(BmpLayout&)> change) {
        return [=] {
            BmpLayout s = base();
            change(s);
            return build_bmp(s);
        };
    };
    const Bad cases[] = {
        {"empty", [] { return std::vector<uint8_t>{}; }},
        {"only the file header",
         [&] { return std::vector<uint8_t>(good.begin(), good.begin() + 14); }},
        {"pixels cut short", [&] { return std::vector<uint8_t>(good.begin(), good.end() - 20); }},
        {"unknown header size",
         [&] {
             auto b = good;
             b[14] = 20;
             return b;
         }},
        {"header longer than the file",
         [&] {
             auto b = good;
             b[14] = 0xFF;
             b[15] = 0xFF;
             return b;
         }},
        {"zero width", with([](BmpLayout& s) {
             s.width = 0;
             s.values.clear();
         })},
        {"absurd width",
         [&] {
             auto b = good;
             b[18] = 0;
             b[19] = 0;
             b[20] = 0;
             b[21] = 0x40;
             return b;
         }},
        {"absurd height",
         [&] {
             auto b = good;
             b[22] = 0xFF;
             b[23] = 0xFF;
             b[24] = 0xFF;
             b[25] = 0x7F;
             return b;
         }},
        {"most negative height",
         [&] {
             auto b = good;
             b[22] = 0;
             b[23] = 0;
             b[24] = 0;
             b[25] = 0x80;
             return b;
         }},
        {"depth 2",
         [&] {
             auto b = good;
             b[28] = 2;
             return b;
         }},
        {"RLE8 on a 24-bit picture",
         [&] {
             auto b = good;
             b[30] = 1;
             return b;
         }},
        {"embedded JPEG",
         [&] {
             auto b = good;
             b[30] = 4;
             return b;
         }},
        {"bit fields without masks",
         [&] {
             auto b = good;
             b[28] = 32;
             b[30] = 3;
             b.resize(54);
             return b;
         }},
        {"pixel offset past the end",
         [&] {
             auto b = good;
             b[10] = 0xFF;
             b[11] = 0xFF;
             return b;
         }},
    };
    for (const Bad& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(decode(c.make()), nullptr);
    }
}

TEST(ReadBmp, PaletteShorterThanTheIndicesReadsBlack) {
    BmpLayout s;
    s.width = 2, s.height = 1, s.bits = 8;
    s.palette = {0x102030};
    s.values = {0, 200};
    auto img = decode(build_bmp(s));
    ASSERT_NE(img, nullptr);
    EXPECT_EQ(img->pixels, (std::vector<uint8_t>{0x10, 0x20, 0x30, 0, 0, 0}));
}

TEST(ReadBmp, ReadsFilesAndRefusesMissingOnes) {
    BmpLayout s;
    Variant v{"", 8, 0, 40, true, false};
    const std::vector<uint32_t> colours = fill(v, s);
    const std::vector<uint8_t> bytes = build_bmp(s);
    const std::string path = testing::TempDir() + "read_bmp_test.bmp";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    auto img = read_bmp(path);
    ASSERT_NE(img, nullptr);
    EXPECT_EQ(img->pixels, bottom_up_rgb(colours, W, H));
    std::remove(path.c_str());
    EXPECT_EQ(read_bmp(path), nullptr);
}

} // namespace
