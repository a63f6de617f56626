// libdsptool as the bank builder uses it: opened by name with dlopen, its three functions
// found by name, the parameter record filled as the bank needs it.
#include "platform/dsptool/dsp_codec.h"
#include "platform/dsptool/dsptool.h"
#include "platform/encvag/testing/loaded_library.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

struct DsptoolLibrary : ::testing::Test {
    LoadedLibrary lib{"libdsptool.so"};
    DsptoolGetBytesFn bytes = lib.function<DsptoolGetBytesFn>("getBytesForAdpcmBuffer");
    DsptoolEncodeFn encode = lib.function<DsptoolEncodeFn>("encode");
    DsptoolLoopContextFn loop_context = lib.function<DsptoolLoopContextFn>("getLoopContext");
};

TEST_F(DsptoolLibrary, LoadsByNameAndExportsTheThreeFunctions) {
    ASSERT_TRUE(lib.loaded()) << lib.error();
    EXPECT_NE(bytes, nullptr);
    EXPECT_NE(encode, nullptr);
    EXPECT_NE(loop_context, nullptr);
    EXPECT_EQ(lib.function<void*>("dsp_encode_frame"), nullptr) << "codec internals stay hidden";
    EXPECT_EQ(bytes(29), 24u);
}

// The record: coefficients of the encoding, gain 0, the first frame's header as pred_scale,
// a zero start history; the loop context is the header of the frame holding the loop start
// and the two decoded samples before it.
TEST_F(DsptoolLibrary, FillsTheRecordAndTheLoopContext) {
    ASSERT_TRUE(lib.loaded()) << lib.error();
    std::vector<int16_t> x(300);
    for (size_t i = 0; i < x.size(); ++i)
        x[i] = static_cast<int16_t>(20000 * std::sin(0.11 * i) * std::exp(-0.004 * i));
    std::vector<uint8_t> data(bytes(300));
    DspAdpcmInfo info;
    std::memset(&info, 0xAB, sizeof info);
    encode(x.data(), data.data(), &info, 300);
    EXPECT_EQ(info.gain, 0);
    EXPECT_EQ(info.pred_scale, data[0]);
    EXPECT_EQ(info.yn1, 0);
    EXPECT_EQ(info.yn2, 0);

    int16_t coefs[16];
    for (int i = 0; i < 16; ++i)
        coefs[i] = static_cast<int16_t>(info.coef[i]);
    std::vector<int16_t> decoded(300);
    DspHistory h;
    dsp_decode_stream(coefs, h, data.data(), data.size(), 300, decoded.data());

    const uint32_t starts[] = {0, 1, 14, 100, 299};
    for (const uint32_t start : starts) {
        loop_context(data.data(), &info, start);
        EXPECT_EQ(info.loop_pred_scale, data[start / 14 * 8]) << start;
        EXPECT_EQ(static_cast<int16_t>(info.loop_yn1), start >= 1 ? decoded[start - 1] : 0)
            << start;
        EXPECT_EQ(static_cast<int16_t>(info.loop_yn2), start >= 2 ? decoded[start - 2] : 0)
            << start;
    }
}

TEST_F(DsptoolLibrary, EmptyInputAndNullPointersAreHarmless) {
    ASSERT_TRUE(lib.loaded()) << lib.error();
    DspAdpcmInfo info;
    std::memset(&info, 0xAB, sizeof info);
    int16_t one = 0;
    uint8_t none[1] = {0x5A};
    encode(&one, none, &info, 0);
    EXPECT_EQ(info.pred_scale, 0);
    EXPECT_EQ(none[0], 0x5A);
    encode(nullptr, none, &info, 10);
    loop_context(nullptr, &info, 0);
    encode(&one, none, nullptr, 0);
}

} // namespace
