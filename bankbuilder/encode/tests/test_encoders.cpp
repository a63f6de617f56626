// The codec encoders on real sound files (made by sox) through the real sound library and the
// real encoder libraries: lengths and byte counts at the block edges, 8-bit sources, the DSP
// records and debug text, interleaving of mixed mono and stereo files, and which platforms
// the loaded libraries make available.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "bankbuilder/bank_writer.h"
#include "bankbuilder/build_state.h"
#include "bankbuilder/encode/encoder_libraries.h"
#include "bankbuilder/encode/ima_adpcm.h"
#include "bankbuilder/encoder.h"
#include "bankbuilder/settings.h"
#include "bankbuilder/tests/test_support.h"
#include "platform/dsptool/dsp_codec.h"
#include "platform/encvag/vag_codec.h"
#include "soundlib/zelvo.h"

namespace {

struct Result {
    bool ok = false;
    uint32_t bytes = 0, frames = 0;
    std::vector<std::string> warnings;
};

class Encoders : public ::testing::Test {
  protected:
    wc_test::TempDir tmp;
    std::FILE* working = nullptr;

    static void SetUpTestSuite() {
        setenv("ZELVO_OUTPUT", "null", 1);
        ASSERT_EQ(ZVOICE_Init(44100, 32, 0), 1);
    }
    static void TearDownTestSuite() { ZVOICE_Close(); }

    void SetUp() override {
        build_settings = BuildSettings{};
        build_state.cancel_requested = false;
        build_state.interleave_channels = 0;
        build_state.interleave_offset = 0;
        dsp_adpcm_records.clear();
        load_encoder_libraries();
        ASSERT_TRUE(encoder_libraries.vag_loaded && encoder_libraries.dsp_loaded);
        working = std::fopen((tmp / "work.000").c_str(), "w+b");
        ASSERT_NE(working, nullptr);
    }
    void TearDown() override {
        if (working) std::fclose(working);
        unload_encoder_libraries();
        build_settings = BuildSettings{};
    }

    // A sox-made file: `frames` frames of a tone (a different one per channel).
    std::string wav(const std::string& name, int frames, int channels = 1, int bits = 16) {
        const std::string path = tmp / name;
        wc_test::make_wav(path, frames, channels, bits, 22050,
                          channels == 2 ? "sine 300 sine 1700" : "sine 440");
        return path;
    }

    Result encode(EncoderFunction f, const std::string& path) {
        Result r;
        const ZVOICE_SAMPLE s = ZVOICE_Sample_Load(-1, path.c_str(), 0, 0, 0);
        EXPECT_NE(s, 0u) << path;
        if (!s) return r;
        r.ok = f(path, s, working, r.bytes, r.frames, r.warnings);
        ZVOICE_Sample_Free(s);
        std::fflush(working);
        return r;
    }

    std::vector<uint8_t> data() { return wc_test::read_bytes(tmp / "work.000"); }

    // The source's samples as 16-bit values, channel by channel.
    std::vector<std::vector<int16_t>> source(const std::string& path, int channels) {
        const std::vector<uint8_t> raw = wc_test::sox_raw16(path, tmp / "raw");
        std::vector<std::vector<int16_t>> out(channels);
        for (size_t i = 0; i + 1 < raw.size(); i += 2)
            out[(i / 2) % channels].push_back(static_cast<int16_t>(raw[i] | raw[i + 1] << 8));
        return out;
    }
};

double snr(const std::vector<int16_t>& ref, const std::vector<int16_t>& got, size_t n) {
    double s = 0, e = 0;
    for (size_t i = 0; i < n; ++i) {
        s += double(ref[i]) * ref[i];
        e += double(ref[i] - got[i]) * (ref[i] - got[i]);
    }
    return e == 0 ? 200 : 10 * std::log10(s / e);
}

// Every `stride`-th piece of `piece` bytes, starting at piece `slot`.
std::vector<uint8_t> pieces_of(const std::vector<uint8_t>& d, size_t piece, int stride, int slot,
                               size_t count) {
    std::vector<uint8_t> out;
    for (size_t u = 0; u < count; ++u) {
        const size_t at = (u * stride + slot) * piece;
        for (size_t i = 0; i < piece; ++i)
            out.push_back(at + i < d.size() ? d[at + i] : 0);
    }
    return out;
}

std::vector<int16_t> vag_decode(const std::vector<uint8_t>& d) {
    std::vector<int16_t> out(d.size() / 16 * 28);
    vag_decode_stream(d.data(), d.size(), out.data());
    return out;
}

TEST_F(Encoders, VagLengthsAtTheBlockEdges) {
    Result r = encode(encode_vag, wav("short.wav", 27));
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0], tmp / "short.wav" +
                                 " - ERROR!  File is less than 28 samples long! (length was 0 "
                                 "samples)");
    EXPECT_TRUE(data().empty());

    const std::string path = wav("two.wav", 57);
    r = encode(encode_vag, path);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.frames, 56u);
    EXPECT_EQ(r.bytes, 32u);
    const std::vector<uint8_t> d = data();
    ASSERT_EQ(d.size(), 32u);
    EXPECT_EQ(d[1], VAG_FLAG_NONE);
    EXPECT_EQ(d[17], VAG_FLAG_END) << "the last block is flagged";
    EXPECT_GT(snr(source(path, 1)[0], vag_decode(d), 56), 25.0);
}

// 8-bit sources: VAG and IMA ADPCM take them (values times 256), DSP ADPCM refuses them.
TEST_F(Encoders, EightBitSources) {
    const std::string path = wav("byte.wav", 280, 1, 8);
    Result r = encode(encode_dsp_adpcm, path);
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0], path + " - ERROR!  File contains an 8bit sample! Only 16bit "
                                    "samples are supported");
    EXPECT_TRUE(data().empty());

    r = encode(encode_vag, path);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.bytes, 160u);
    EXPECT_GT(snr(source(path, 1)[0], vag_decode(data()), 280), 25.0);

    std::freopen((tmp / "work.000").c_str(), "w+b", working);
    r = encode(encode_ima_adpcm, path);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.bytes, 5u * 36);
    EXPECT_EQ(r.frames, 320u);
}

// 64 frames make one block, 65 two (the second padded with silence); stereo blocks are 72
// bytes; the data is exactly the codec's coding of the decoded source.
TEST_F(Encoders, ImaAdpcmBlocksAndPadding) {
    const struct {
        int frames, channels;
        uint32_t bytes, reported;
    } cases[] = {{64, 1, 36, 64}, {65, 1, 72, 128}, {64, 2, 72, 64}, {130, 2, 216, 192}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.frames) + " frames, " + std::to_string(c.channels) + " ch");
        std::freopen((tmp / "work.000").c_str(), "w+b", working);
        const std::string path =
            wav("ima" + std::to_string(c.frames) + "_" + std::to_string(c.channels) + ".wav",
                c.frames, c.channels);
        const Result r = encode(encode_ima_adpcm, path);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(r.bytes, c.bytes);
        EXPECT_EQ(r.frames, c.reported);
        const auto src = source(path, c.channels);
        std::vector<int16_t> frames(c.reported * c.channels, 0);
        for (int k = 0; k < c.channels; ++k)
            for (size_t f = 0; f < src[k].size(); ++f)
                frames[f * c.channels + k] = src[k][f];
        std::vector<uint8_t> expect(c.bytes);
        const size_t blocks = c.reported / 64;
        int index[2] = {0, 0};
        if (c.channels == 1)
            ima_encode_mono(frames.data(), blocks, index[0], expect.data());
        else
            ima_encode_stereo(frames.data(), blocks, index, expect.data());
        EXPECT_EQ(data(), expect);
    }
}

// Stereo DSP ADPCM: one record per channel, the channels in 2-byte pieces, each decoding with
// its own record's coefficients; the debug text gets one block per channel.
TEST_F(Encoders, DspAdpcmRecordsPiecesAndDebugText) {
    const std::string path = wav("st.wav", 1000, 2);
    std::FILE* debug = std::fopen((tmp / "bank.txt").c_str(), "w+");
    dsp_debug_file = debug;
    const Result r = encode(encode_dsp_adpcm, path);
    dsp_debug_file = nullptr;
    std::fclose(debug);
    ASSERT_TRUE(r.ok);
    const uint32_t size = encoder_functions.dsp_bytes(1000);
    EXPECT_EQ(r.bytes, 2 * size);
    EXPECT_EQ(r.frames, 1000u);
    ASSERT_EQ(dsp_adpcm_records.size(), 2u);
    EXPECT_EQ(wc_test::read_text(tmp / "bank.txt"),
              debug_block_text(path, dsp_adpcm_records[0]) +
                  debug_block_text(path, dsp_adpcm_records[1]));

    const std::vector<uint8_t> d = data();
    ASSERT_EQ(d.size(), 2 * size);
    const auto src = source(path, 2);
    for (int k = 0; k < 2; ++k) {
        const std::vector<uint8_t> ch = pieces_of(d, 2, 2, k, size / 2);
        EXPECT_EQ(dsp_adpcm_records[k].pred_scale, ch[0]);
        int16_t coefs[16];
        for (int i = 0; i < 16; ++i)
            coefs[i] = static_cast<int16_t>(dsp_adpcm_records[k].coef[i]);
        std::vector<int16_t> out(1000);
        DspHistory h;
        dsp_decode_stream(coefs, h, ch.data(), ch.size(), 1000, out.data());
        EXPECT_GT(snr(src[k], out, 1000), 40.0) << "channel " << k;
    }
}

// An interleaved bank of a mono file and a longer stereo file: three channels, the mono
// file's pieces first in every row, the stereo file's left then right; past the mono file's
// end its places hold zero bytes. Each channel's pieces are what the codec makes of it alone.
TEST_F(Encoders, InterleavedMonoThenStereoForEveryCodec) {
    const std::string mono = wav("m.wav", 140), stereo = wav("s.wav", 280, 2);
    struct Codec {
        const char* name;
        EncoderFunction f;
        size_t piece;
    };
    for (const Codec& c : {Codec{"vag", encode_vag, 16}, Codec{"dsp", encode_dsp_adpcm, 2},
                           Codec{"ima", encode_ima_adpcm, 2}}) {
        SCOPED_TRACE(c.name);
        std::freopen((tmp / "work.000").c_str(), "w+b", working);
        build_settings.build_mode = BUILD_INTERLEAVED;
        build_state.interleave_channels = 3;
        build_state.interleave_offset = 0;
        dsp_adpcm_records.clear();
        const Result a = encode(c.f, mono);
        const Result b = encode(c.f, stereo);
        ASSERT_TRUE(a.ok && b.ok);
        EXPECT_EQ(build_state.interleave_offset, 3);
        const std::vector<uint8_t> d = data();
        EXPECT_EQ(d.size(), b.bytes);

        // Each channel on its own, through the same codec (mono, non-interleaved).
        build_settings.build_mode = BUILD_SINGLE;
        const auto src_m = source(mono, 1);
        const auto src_s = source(stereo, 2);
        std::vector<std::vector<uint8_t>> alone;
        for (const auto& samples : {src_m[0], src_s[0], src_s[1]}) {
            const std::string one = tmp / "one.wav";
            std::string raw(reinterpret_cast<const char*>(samples.data()), samples.size() * 2);
            wc_test::write_text(tmp / "one.raw", raw);
            ASSERT_EQ(wc_test::run("sox -t raw -r 22050 -e signed -b 16 -c 1 -L '" +
                                   tmp / "one.raw" + "' '" + one + "' 2>/dev/null"),
                      0);
            std::freopen((tmp / "work.000").c_str(), "w+b", working);
            ASSERT_TRUE(encode(c.f, one).ok);
            alone.push_back(data());
        }
        EXPECT_EQ(a.bytes, 3 * alone[0].size()) << "reported for all three channels";
        EXPECT_EQ(b.bytes, 3 * alone[1].size());
        const size_t rows = d.size() / (3 * c.piece);
        for (int k = 0; k < 3; ++k) {
            std::vector<uint8_t> expect = alone[k];
            expect.resize(rows * c.piece, 0);
            EXPECT_EQ(pieces_of(d, c.piece, 3, k, rows), expect) << "channel " << k;
        }
    }
}

TEST_F(Encoders, PlatformsFollowTheLibrariesAndXdk) {
    const struct {
        const char* vag;
        const char* dsp;
        const char* xdk;
        bool ps2, gamecube, xbox;
    } cases[] = {
        {"libencvag.so", "libdsptool.so", "", true, true, false},
        {"libencvag.so", "libdsptool.so", "/opt/xdk", true, true, true},
        {"libmissing.so", "libdsptool.so", nullptr, false, true, false},
        {"libencvag.so", "libmissing.so", "1", true, false, true},
        // Loaded but without the functions its encoder calls.
        {"libdsptool.so", "libencvag.so", nullptr, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.vag) + " " + c.dsp);
        if (c.xdk)
            setenv("XDK", c.xdk, 1);
        else
            unsetenv("XDK");
        load_encoder_libraries_named(c.vag, c.dsp);
        EXPECT_EQ(platform_available(PLATFORM_PS2), c.ps2);
        EXPECT_EQ(platform_available(PLATFORM_GAMECUBE), c.gamecube);
        EXPECT_EQ(platform_available(PLATFORM_XBOX), c.xbox);
        EXPECT_TRUE(platform_available(PLATFORM_CROSS));
    }
    unsetenv("XDK");
    unload_encoder_libraries();
    EXPECT_FALSE(encoder_libraries.vag_loaded || encoder_libraries.dsp_loaded);
    EXPECT_EQ(encoder_functions.enc_vag, nullptr);
}

} // namespace
