// The TGA reader and writer: file layouts as tables, damage, and the round trip through
// ImageMagick as an independent reader.
#include "game/image/tga.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::vector<uint8_t> tga(uint8_t type, int w, int h, int depth, const std::vector<uint8_t>& body,
                         std::vector<uint8_t> id = {}, uint8_t descriptor = 0,
                         uint8_t colour_map_type = 0) {
    std::vector<uint8_t> b = {uint8_t(id.size()),
                              colour_map_type,
                              type,
                              0,
                              0,
                              0,
                              0,
                              0,
                              0,
                              0,
                              0,
                              0,
                              uint8_t(w),
                              uint8_t(w >> 8),
                              uint8_t(h),
                              uint8_t(h >> 8),
                              uint8_t(depth),
                              descriptor};
    b.insert(b.end(), id.begin(), id.end());
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

std::vector<uint8_t> repeat(std::vector<uint8_t> unit, size_t times) {
    std::vector<uint8_t> out;
    for (size_t i = 0; i < times; ++i)
        out.insert(out.end(), unit.begin(), unit.end());
    return out;
}

std::unique_ptr<Image> decode(const std::vector<uint8_t>& b) {
    return decode_tga(b.data(), b.size());
}

struct Good {
    const char* name;
    std::vector<uint8_t> file;
    int channels, width, height;
    std::vector<uint8_t> pixels;
};

TEST(ReadTga, DecodesTheLayoutsItKnows) {
    std::vector<uint8_t> ramp; // 128 raw pixels B, G, R = i, 2i, 3i
    std::vector<uint8_t> ramp_rgb;
    for (int i = 0; i < 128; ++i) {
        ramp.insert(ramp.end(), {uint8_t(i), uint8_t(2 * i), uint8_t(3 * i)});
        ramp_rgb.insert(ramp_rgb.end(), {uint8_t(3 * i), uint8_t(2 * i), uint8_t(i)});
    }
    std::vector<uint8_t> raw_7f = {0x7F};
    raw_7f.insert(raw_7f.end(), ramp.begin(), ramp.end());

    const Good cases[] = {
        {"24 bits raw, rows in file order",
         tga(2, 2, 2, 24, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}),
         3,
         2,
         2,
         {3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}},
        {"32 bits raw keeps alpha",
         tga(2, 1, 2, 32, {1, 2, 3, 200, 4, 5, 6, 100}),
         4,
         1,
         2,
         {3, 2, 1, 200, 6, 5, 4, 100}},
        {"16 bits: five-bit components times 8, top bit ignored",
         tga(2, 3, 1, 16, {0xFF, 0xFF, 0x00, 0x7C, 0x1F, 0x00}),
         3,
         3,
         1,
         {248, 248, 248, 248, 0, 0, 0, 0, 248}},
        {"ID field skipped, top-left flag ignored",
         tga(2, 1, 2, 24, {1, 2, 3, 4, 5, 6}, {'h', 'e', 'l', 'l', 'o'}, 0x20),
         3,
         1,
         2,
         {3, 2, 1, 6, 5, 4}},
        {"run packet 0x80 gives one pixel", tga(10, 1, 1, 24, {0x80, 1, 2, 3}), 3, 1, 1, {3, 2, 1}},
        {"run packet 0xFF gives 128 pixels", tga(10, 16, 8, 24, {0xFF, 1, 2, 3}), 3, 16, 8,
         repeat({3, 2, 1}, 128)},
        {"raw packet 0x7F is followed by 128 pixels", tga(10, 128, 1, 24, raw_7f), 3, 128, 1,
         ramp_rgb},
        {"packets cross rows; 32-bit runs keep alpha",
         tga(10, 3, 2, 32, {0x83, 1, 2, 3, 4, 0x01, 5, 6, 7, 8, 9, 10, 11, 12}),
         4,
         3,
         2,
         {3, 2, 1, 4, 3, 2, 1, 4, 3, 2, 1, 4, 3, 2, 1, 4, 7, 6, 5, 8, 11, 10, 9, 12}},
    };
    for (const Good& c : cases) {
        SCOPED_TRACE(c.name);
        auto img = decode(c.file);
        ASSERT_NE(img, nullptr);
        EXPECT_EQ(img->channels, c.channels);
        EXPECT_EQ(img->width, c.width);
        EXPECT_EQ(img->height, c.height);
        EXPECT_EQ(img->pixels, c.pixels);
    }
}

TEST(ReadTga, RefusesWhatItCannotReadSafely) {
    const std::pair<const char*, std::vector<uint8_t>> cases[] = {
        {"header cut short", std::vector<uint8_t>(17, 0)},
        {"8-bit depth", tga(2, 1, 1, 8, {1})},
        {"15-bit run-length", tga(10, 1, 1, 16, {0x80, 1, 2})},
        {"colour map", tga(2, 1, 1, 24, {1, 2, 3}, {}, 0, 1)},
        {"zero width", tga(2, 0, 1, 24, {})},
        {"zero height", tga(2, 1, 0, 24, {})},
        {"absurd size", tga(2, 65535, 65535, 24, {1, 2, 3})},
        {"raw pixels cut short", tga(2, 2, 2, 24, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})},
        {"ID longer than the file",
         [] {
             auto b = tga(2, 1, 1, 24, {1, 2, 3});
             b[0] = 200;
             return b;
         }()},
        {"run packet past the last pixel", tga(10, 2, 1, 24, {0x82, 1, 2, 3})},
        {"raw packet past the last pixel", tga(10, 1, 1, 24, {0x01, 1, 2, 3, 4, 5, 6})},
        {"packets end before the last pixel", tga(10, 2, 2, 24, {0x81, 1, 2, 3})},
        {"raw packet cut short", tga(10, 2, 1, 24, {0x01, 1, 2, 3, 4})},
        {"run pixel cut short", tga(10, 2, 1, 32, {0x81, 1, 2, 3})},
        {"run-length size the data cannot hold", tga(10, 4096, 4096, 24, {0xFF, 1, 2, 3})},
    };
    for (const auto& [name, file] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(decode(file), nullptr);
    }
}

std::string temp_path(const char* name) {
    return testing::TempDir() + name;
}

void write_file(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

TEST(ReadTga, MessageOnlyWhenTheFileCannotBeOpened) {
    const std::string missing = temp_path("no_such_picture.tga");
    std::remove(missing.c_str());
    testing::internal::CaptureStderr();
    EXPECT_EQ(read_tga(missing), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Unable to load TGA File!\n");

    const std::string eight_bit = temp_path("eight_bit.tga");
    write_file(eight_bit, tga(2, 1, 1, 8, {1}));
    testing::internal::CaptureStderr();
    EXPECT_EQ(read_tga(eight_bit), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    std::remove(eight_bit.c_str());
}

// A 5 x 3 picture: odd width, distinct bytes everywhere.
std::vector<uint8_t> sample_rgb() {
    std::vector<uint8_t> px;
    for (int i = 0; i < 5 * 3 * 3; ++i)
        px.push_back(uint8_t(i * 5 + 1));
    return px;
}

TEST(WriteTga, RoundTripsAndLeavesTheBufferInBgrOrder) {
    const std::string path = temp_path("round_trip.tga");
    const std::vector<uint8_t> original = sample_rgb();
    std::vector<uint8_t> buffer = original;
    ASSERT_TRUE(write_tga(path, TgaPicture{5, 3, buffer.data()}));
    for (size_t i = 0; i < buffer.size(); i += 3) {
        EXPECT_EQ(buffer[i], original[i + 2]);
        EXPECT_EQ(buffer[i + 2], original[i]);
    }
    auto img = read_tga(path);
    ASSERT_NE(img, nullptr);
    EXPECT_EQ(img->channels, 3);
    EXPECT_EQ(img->width, 5);
    EXPECT_EQ(img->height, 3);
    EXPECT_EQ(img->pixels, original);

    std::FILE* f = std::fopen(path.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    uint8_t header[18];
    ASSERT_EQ(std::fread(header, 1, 18, f), 18u);
    std::fclose(f);
    const uint8_t expected_header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 0, 3, 0, 24, 0};
    EXPECT_EQ(0, std::memcmp(header, expected_header, 18));
    std::remove(path.c_str());
}

TEST(WriteTga, ImageMagickReadsWhatWeWrite) {
    const std::string path = temp_path("for_imagemagick.tga");
    const std::vector<uint8_t> original = sample_rgb();
    std::vector<uint8_t> buffer = original;
    ASSERT_TRUE(write_tga(path, TgaPicture{5, 3, buffer.data()}));
    // Our first row is the picture's bottom row (origin bottom-left in the header); ImageMagick
    // keeps the file's row order and notes the origin, which -auto-orient applies.
    const std::string cmd = "/usr/bin/convert " + path + " -auto-orient -depth 8 rgb:-";
    std::FILE* p = popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::vector<uint8_t> got(original.size() + 1);
    const size_t n = std::fread(got.data(), 1, got.size(), p);
    ASSERT_EQ(pclose(p), 0);
    ASSERT_EQ(n, original.size());
    got.resize(n);
    std::vector<uint8_t> expected;
    for (int row = 2; row >= 0; --row)
        expected.insert(expected.end(), original.begin() + row * 15,
                        original.begin() + row * 15 + 15);
    EXPECT_EQ(got, expected);
    std::remove(path.c_str());
}

TEST(WriteTga, FailsWithoutTouchingTheBufferWhenTheFileCannotBeCreated) {
    std::vector<uint8_t> buffer = sample_rgb();
    EXPECT_FALSE(
        write_tga(testing::TempDir() + "no/such/dir/x.tga", TgaPicture{5, 3, buffer.data()}));
    EXPECT_EQ(buffer, sample_rgb());
}

TEST(WriteTga, ReportsAFullDisk) {
    std::vector<uint8_t> buffer(64 * 64 * 3, 7);
    EXPECT_FALSE(write_tga("/dev/full", TgaPicture{64, 64, buffer.data()}));
}

} // namespace
