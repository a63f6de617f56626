// libencvag as the bank builder uses it: opened by name with dlopen, entry points found by
// their names, one channel's blocks encoded in order after EncVagInit.
#include "platform/encvag/encvag.h"
#include "platform/encvag/testing/loaded_library.h"
#include "platform/encvag/vag_codec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct EncVagLibrary : ::testing::Test {
    LoadedLibrary lib{"libencvag.so"};
    EncVagInitFn init = lib.function<EncVagInitFn>("EncVagInit");
    EncVagFn block = lib.function<EncVagFn>("EncVag");
    EncVagFinFn fin = lib.function<EncVagFinFn>("EncVagFin");
};

TEST_F(EncVagLibrary, LoadsByNameAndExportsTheThreeFunctions) {
    ASSERT_TRUE(lib.loaded()) << lib.error();
    EXPECT_NE(init, nullptr);
    EXPECT_NE(block, nullptr);
    EXPECT_NE(fin, nullptr);
    EXPECT_EQ(lib.function<void*>("vag_encode_block"), nullptr) << "codec internals stay hidden";
}

TEST_F(EncVagLibrary, AttributesSetTheFlagByteAndInitStartsAFreshChannel) {
    ASSERT_TRUE(lib.loaded()) << lib.error();
    std::vector<short> x(56);
    for (size_t i = 0; i < x.size(); ++i)
        x[i] = static_cast<short>(9000 * std::sin(0.3 * i));
    unsigned char a[16], b[16], c[16], d[16];
    init(1);
    ASSERT_EQ(block(x.data(), a, ENCVAG_ATTR_BODY), 0);
    ASSERT_EQ(block(x.data() + 28, b, ENCVAG_ATTR_END), 0);
    EXPECT_EQ(a[1], VAG_FLAG_NONE);
    EXPECT_EQ(b[1], VAG_FLAG_END);

    // The second block depends on the first one's history; after Init it is coded as if the
    // channel began there, and repeating the sequence repeats the bytes.
    init(1);
    block(x.data() + 28, c, ENCVAG_ATTR_END);
    EXPECT_NE(std::vector<unsigned char>(b, b + 16), std::vector<unsigned char>(c, c + 16));
    init(1);
    block(x.data(), d, ENCVAG_ATTR_BODY);
    EXPECT_EQ(std::vector<unsigned char>(a, a + 16), std::vector<unsigned char>(d, d + 16));

    EXPECT_EQ(block(nullptr, a, ENCVAG_ATTR_BODY), -1);
    EXPECT_EQ(block(x.data(), nullptr, ENCVAG_ATTR_BODY), -1);
    fin();
}

} // namespace
