// The cache reader: what it takes and the files it refuses.
#include "game/lightmap/lightmap_cache.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

std::vector<uint8_t> tga(int type, int width, int height, int depth, int id_length = 0) {
    std::vector<uint8_t> b = {uint8_t(id_length),
                              0,
                              uint8_t(type),
                              0,
                              0,
                              0,
                              0,
                              0,
                              0,
                              0,
                              0,
                              0,
                              uint8_t(width & 0xFF),
                              uint8_t(width >> 8),
                              uint8_t(height & 0xFF),
                              uint8_t(height >> 8),
                              uint8_t(depth),
                              0};
    b.resize(b.size() + id_length, 'i');
    const size_t pixels = size_t(width) * height;
    for (size_t i = 0; i < pixels * (depth / 8); ++i)
        b.push_back(uint8_t(i * 7));
    return b;
}

TEST(LightmapCache, PathUnderData) {
    EXPECT_EQ(lightmap_cache_path("wand12"), "data/lm_wand12.tga");
}

TEST(LightmapCache, TakesOnlyWhatTheBuilderWrites) {
    const std::vector<uint8_t> good = tga(2, 16, 16, 24);
    auto image = decode_lightmap_cache(good.data(), good.size(), 16);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->channels, 3);
    // File order B, G, R becomes R, G, B.
    EXPECT_EQ(image->pixels[0], good[18 + 2]);
    EXPECT_EQ(image->pixels[2], good[18 + 0]);
    // An image ID is skipped.
    const std::vector<uint8_t> with_id = tga(2, 16, 16, 24, 5);
    EXPECT_TRUE(decode_lightmap_cache(with_id.data(), with_id.size(), 16));

    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    const std::vector<uint8_t> truncated(good.begin(), good.end() - 1);
    std::vector<uint8_t> colour_map = good;
    colour_map[1] = 1;
    const Case bad[] = {
        {"empty", {}},
        {"header only", std::vector<uint8_t>(good.begin(), good.begin() + 18)},
        {"one byte short", truncated},
        {"smaller", tga(2, 8, 8, 24)},
        {"not square", tga(2, 16, 8, 24)},
        {"32 bits", tga(2, 16, 16, 32)},
        {"16 bits", tga(2, 16, 16, 16)},
        {"run-length", tga(10, 16, 16, 24)},
        {"colour map", colour_map},
        {"grey", tga(3, 16, 16, 8)},
    };
    for (const Case& c : bad)
        EXPECT_FALSE(decode_lightmap_cache(c.bytes.data(), c.bytes.size(), 16)) << c.what;
}

TEST(LightmapCache, MissingFileIsReportedLikeAnyTga) {
    testing::internal::CaptureStderr();
    EXPECT_FALSE(read_lightmap_cache("/nonexistent/lm_x.tga", 128));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Unable to load TGA File!\n");
    // A folder in the file's place is refused without a message.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(read_lightmap_cache(testing::TempDir(), 128));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

} // namespace
