// The IMA ADPCM codec: codes worked out by hand from the quantiser's rules, the mono and stereo
// block layouts, the padding nibble, the step index carried from block to block, and FFmpeg's
// decoder agreeing with ours.
#include "bankbuilder/encode/ima_adpcm.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

// From p = 0 at step index 0:
//   x = 100, step 7:  d = 100 -> 4 (93), 2 (90), 1 (89): code 7, p = 100 - 89 + 0 = 11;
//   x = 100, step 16: d = 89 -> code 7 (61 left), p = 100 - 61 + 2 = 41;
//   x = -50, step 34: d = -91 -> code 15 (32 left), p = -50 + 32 - 4 = -22;
//   x = 0,   step 73: d = 22 -> only the quarter step: code 1 (4 left), p = 0 - 4 + 9 = 5.
// The index moves 0 -> 8 -> 16 -> 24 -> 23.
TEST(ImaAdpcm, CodesFollowTheQuantiserNibbleByNibble) {
    std::vector<int16_t> block(IMA_BLOCK_FRAMES, 0);
    block[1] = 100, block[2] = 100, block[3] = -50;
    uint8_t out[IMA_BLOCK_BYTES];
    int index = 0;
    ima_encode_mono(block.data(), 1, index, out);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], 0);
    EXPECT_EQ(out[2], 0) << "start index";
    EXPECT_EQ(out[3], 0);
    EXPECT_EQ(out[4], 0x77) << "codes 7, 7 (earlier sample in the low nibble)";
    EXPECT_EQ(out[5], 0x1F) << "codes 15, 1";
    EXPECT_EQ(out[35] >> 4, 0) << "the 64th nibble pads";

    std::vector<int16_t> decoded(IMA_BLOCK_FRAMES);
    ASSERT_EQ(ima_decode(out, sizeof out, 1, decoded.data()), 64u);
    EXPECT_EQ(std::vector<int16_t>(decoded.begin(), decoded.begin() + 5),
              (std::vector<int16_t>{0, 11, 41, -22, 5}));

    int p = 0;
    EXPECT_EQ(ima_encode_nibble(100, p, 7), 7);
    EXPECT_EQ(p, 11);
    p = 32760;
    ima_encode_nibble(32767, p, 32767);
    EXPECT_EQ(p, 32767) << "the reconstruction is clamped";
}

// A loud block drives the step index up; the silent block after it starts with that index in
// its header, which is also where the decoder's index stood.
TEST(ImaAdpcm, StepIndexCarriesAcrossBlocks) {
    std::vector<int16_t> x(2 * IMA_BLOCK_FRAMES, 0);
    for (int i = 0; i < IMA_BLOCK_FRAMES; ++i)
        x[i] = static_cast<int16_t>(i % 2 ? 30000 : -30000);
    std::vector<uint8_t> out(2 * IMA_BLOCK_BYTES);
    int index = 0;
    ima_encode_mono(x.data(), 2, index, out.data());
    // Where the index stood after the loud block alone.
    int after_first = 0;
    uint8_t first_only[IMA_BLOCK_BYTES];
    ima_encode_mono(x.data(), 1, after_first, first_only);
    EXPECT_GT(after_first, 60);
    EXPECT_EQ(out[IMA_BLOCK_BYTES + 2], after_first);
    EXPECT_LT(index, after_first) << "silence brings the index down again";
    EXPECT_EQ(out[IMA_BLOCK_BYTES], 0) << "the silent block's first sample";
}

// The stereo block is the two mono blocks of its channels rearranged: headers left then
// right, then 4-byte words alternating, and each channel keeps its own step index.
TEST(ImaAdpcm, StereoBlocksInterleaveTheMonoLayoutsWordByWord) {
    const int blocks = 3;
    std::vector<int16_t> left(blocks * 64), right(blocks * 64), frames(blocks * 128);
    for (int i = 0; i < blocks * 64; ++i) {
        left[i] = static_cast<int16_t>(20000 * std::sin(0.05 * i));
        right[i] = static_cast<int16_t>(3000 * std::sin(0.31 * i + 1));
        frames[2 * i] = left[i], frames[2 * i + 1] = right[i];
    }
    std::vector<uint8_t> ml(blocks * 36), mr(blocks * 36), st(blocks * 72);
    int il = 0, ir = 0, is[2] = {0, 0};
    ima_encode_mono(left.data(), blocks, il, ml.data());
    ima_encode_mono(right.data(), blocks, ir, mr.data());
    ima_encode_stereo(frames.data(), blocks, is, st.data());
    EXPECT_EQ(is[0], il);
    EXPECT_EQ(is[1], ir);
    for (int b = 0; b < blocks; ++b) {
        const uint8_t* s = st.data() + b * 72;
        const uint8_t* l = ml.data() + b * 36;
        const uint8_t* r = mr.data() + b * 36;
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(s[i], l[i]);
            EXPECT_EQ(s[4 + i], r[i]);
        }
        for (int w = 0; w < 8; ++w)
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(s[8 + w * 8 + i], l[4 + w * 4 + i]) << b << " " << w;
                EXPECT_EQ(s[12 + w * 8 + i], r[4 + w * 4 + i]) << b << " " << w;
            }
    }
    std::vector<int16_t> back(frames.size());
    ASSERT_EQ(ima_decode(st.data(), st.size(), 2, back.data()), size_t(blocks * 64));
    double signal = 0, noise = 0;
    for (size_t i = 0; i < frames.size(); i += 2) {
        signal += double(frames[i]) * frames[i];
        noise += double(frames[i] - back[i]) * (frames[i] - back[i]);
    }
    EXPECT_GT(10 * std::log10(signal / noise), 20.0);
}

TEST(ImaAdpcm, DecoderIsBoundedForAnyBytes) {
    std::vector<uint8_t> junk(36 * 2 + 10, 0xFF); // index 255 in every header
    std::vector<int16_t> out(2 * 64);
    EXPECT_EQ(ima_decode(junk.data(), junk.size(), 1, out.data()), 128u);
    EXPECT_EQ(ima_decode(junk.data(), junk.size(), 3, out.data()), 0u);
}

// FFmpeg reads 36-byte blocks through a generic header as 65 samples each (its 65th comes from
// our padding nibble). Its decoder computes the step multiple as (2 code + 1) step / 8 where
// the classic decoder (and ours) adds the shifted steps, so values may differ by a few units;
// the block layout, headers and step indexes must agree, which keeps the two within a small
// distance everywhere.
TEST(ImaAdpcm, FfmpegDecodesOurBlocksAsWeDo) {
    const int blocks = 40;
    std::vector<int16_t> x(blocks * 64);
    for (size_t i = 0; i < x.size(); ++i)
        x[i] = static_cast<int16_t>(25000 * std::sin(0.0004 * double(i) * double(i) / 8));
    std::vector<uint8_t> coded(blocks * 36);
    int index = 0;
    ima_encode_mono(x.data(), blocks, index, coded.data());

    std::vector<uint8_t> file(64, 0);
    const auto put = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    file[0] = 'G', file[1] = 'E', file[2] = 'N', file[3] = 'H';
    put(4, 1), put(8, 36), put(12, 22050), put(20, blocks * 65), put(24, 1), put(28, 64),
        put(32, 64);
    file.insert(file.end(), coded.begin(), coded.end());
    const std::string dir = std::filesystem::temp_directory_path() / "ima_ffmpeg_test";
    std::filesystem::create_directories(dir);
    std::ofstream(dir + "/x.genh", std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    ASSERT_EQ(
        std::system(("ffmpeg -v error -y -f genh -i " + dir + "/x.genh -f s16le " + dir + "/x.raw")
                        .c_str()),
        0);
    std::ifstream in(dir + "/x.raw", std::ios::binary);
    std::vector<char> raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove_all(dir);
    ASSERT_EQ(raw.size(), size_t(blocks) * 65 * 2);

    std::vector<int16_t> ours(x.size()), theirs(x.size());
    ima_decode(coded.data(), coded.size(), 1, ours.data());
    for (int b = 0; b < blocks; ++b)
        for (int n = 0; n < 64; ++n) {
            const size_t at = (size_t(b) * 65 + n) * 2;
            theirs[size_t(b) * 64 + n] =
                static_cast<int16_t>(uint8_t(raw[at]) | uint8_t(raw[at + 1]) << 8);
        }
    double signal = 0, ours_noise = 0, theirs_noise = 0;
    int largest = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        signal += double(x[i]) * x[i];
        ours_noise += double(x[i] - ours[i]) * (x[i] - ours[i]);
        theirs_noise += double(x[i] - theirs[i]) * (x[i] - theirs[i]);
        largest = std::max(largest, std::abs(ours[i] - theirs[i]));
    }
    EXPECT_EQ(theirs[0], ours[0]);
    EXPECT_EQ(theirs[64], ours[64]) << "block headers";
    EXPECT_LE(largest, 64) << "a wrong layout or step index would be off by far more";
    EXPECT_GT(10 * std::log10(signal / ours_noise), 25.0);
    EXPECT_LT(std::abs(10 * std::log10(ours_noise / theirs_noise)), 1.0);
}

} // namespace
