// Banks of every codec built by the real wavecrate from its command line, their sample data
// taken out of the bank and decoded by FFmpeg: an outside check of the bank layout, the DSP
// record and the codecs together.
#include <gtest/gtest.h>

#include <cmath>

#include "bankbuilder/tests/test_support.h"

namespace {

using wc_test::le16;
using wc_test::le32;

class CliBanks : public ::testing::Test {
  protected:
    wc_test::TempDir tmp;
    std::vector<int16_t> source;

    void SetUp() override {
        const std::string wav = tmp / "src/sweep.wav";
        wc_test::make_wav(wav, 33075, 1, 16, 22050, "sine 60-9000");
        const std::vector<uint8_t> raw = wc_test::sox_raw16(wav, tmp / "source.raw");
        for (size_t i = 0; i + 1 < raw.size(); i += 2)
            source.push_back(static_cast<int16_t>(raw[i] | raw[i + 1] << 8));
    }

    // Builds out/bank.wvc for the platform and format; returns the bank's bytes.
    std::vector<uint8_t> build(const std::string& platform, const std::string& format) {
        const std::string cmd = "cd '" + tmp.path() + "' && mkdir -p out && env -u DISPLAY " +
                                "XDG_CONFIG_HOME='" + tmp.path() +
                                "/config' QT_QPA_PLATFORM=offscreen ZELVO_OUTPUT=null XDK=1 '" +
                                DH_BUILD_DIR "/bin/wavecrate' -o out/bank.wvc src -p " + platform +
                                " -f " + format + " -h >log.txt 2>&1";
        EXPECT_EQ(wc_test::run(cmd), 0) << wc_test::read_text(tmp / "log.txt");
        return wc_test::read_bytes(tmp / "out/bank.wvc");
    }

    // FFmpeg's decoding of a file we wrote, as 16-bit samples.
    std::vector<int16_t> ffmpeg(const std::string& demuxer, const std::vector<uint8_t>& file) {
        const std::string in = tmp / "x.in", out = tmp / "x.raw";
        wc_test::write_text(in, std::string(file.begin(), file.end()));
        EXPECT_EQ(wc_test::run("ffmpeg -v error -y -f " + demuxer + " -i '" + in +
                               "' -f s16le -acodec pcm_s16le '" + out + "'"),
                  0);
        const std::vector<uint8_t> raw = wc_test::read_bytes(out);
        std::vector<int16_t> v;
        for (size_t i = 0; i + 1 < raw.size(); i += 2)
            v.push_back(static_cast<int16_t>(raw[i] | raw[i + 1] << 8));
        return v;
    }

    double snr(const std::vector<int16_t>& decoded, size_t n) {
        double s = 0, e = 0;
        for (size_t i = 0; i < n && i < decoded.size() && i < source.size(); ++i) {
            s += double(source[i]) * source[i];
            e += double(source[i] - decoded[i]) * (source[i] - decoded[i]);
        }
        return 10 * std::log10(s / e);
    }
};

void put32(std::vector<uint8_t>& f, size_t at, uint32_t v, bool big) {
    for (int i = 0; i < 4; ++i)
        f[at + i] = static_cast<uint8_t>(v >> (big ? 24 - 8 * i : 8 * i));
}

std::vector<uint8_t> genh(uint32_t codec, uint32_t interleave, uint32_t samples) {
    std::vector<uint8_t> f(96, 0);
    f[0] = 'G', f[1] = 'E', f[2] = 'N', f[3] = 'H';
    put32(f, 4, 1, false);
    put32(f, 8, interleave, false);
    put32(f, 12, 22050, false);
    put32(f, 20, samples, false);
    put32(f, 24, codec, false);
    put32(f, 28, 96, false);
    put32(f, 32, 96, false);
    put32(f, 36, 64, false);
    return f;
}

TEST_F(CliBanks, PlayStation2VagBankDecodesWithFfmpeg) {
    const std::vector<uint8_t> b = build("ps2", "vag");
    ASSERT_GE(b.size(), 88u);
    const uint32_t headers = le32(b, 8), size = le32(b, 12), frames = le32(b, 24 + 32);
    EXPECT_EQ(frames, 33068u) << "rounded down to 28";
    EXPECT_EQ(size, frames / 28 * 16);
    ASSERT_EQ(b.size(), 24 + headers + size);
    std::vector<uint8_t> vag(48, 0);
    vag[0] = 'V', vag[1] = 'A', vag[2] = 'G', vag[3] = 'p';
    put32(vag, 4, 0x20, true);
    put32(vag, 12, size, true);
    put32(vag, 16, 22050, true);
    vag.insert(vag.end(), b.begin() + 24 + headers, b.end());
    const std::vector<int16_t> decoded = ffmpeg("vag", vag);
    EXPECT_EQ(decoded.size(), frames);
    EXPECT_GT(snr(decoded, frames), 27.0);
}

TEST_F(CliBanks, GameCubeDspAdpcmBankDecodesWithFfmpeg) {
    const std::vector<uint8_t> b = build("gc", "gcadpcm");
    ASSERT_GE(b.size(), 134u);
    const uint32_t headers = le32(b, 8), size = le32(b, 12), frames = le32(b, 24 + 32);
    EXPECT_EQ(le16(b, 24), 64 + 46);
    EXPECT_EQ(frames, 33075u);
    EXPECT_EQ(size, (33075 + 13) / 14 * 8);
    EXPECT_EQ(b.size() % 32, 0u);
    // The record's coefficients are stored big-endian, as the generic header wants them.
    std::vector<uint8_t> f = genh(12, 8, frames);
    std::copy(b.begin() + 24 + 64, b.begin() + 24 + 64 + 32, f.begin() + 64);
    f.insert(f.end(), b.begin() + 24 + headers, b.begin() + 24 + headers + size);
    const std::vector<int16_t> decoded = ffmpeg("genh", f);
    ASSERT_GE(decoded.size(), frames);
    EXPECT_GT(snr(decoded, frames), 38.0);
    EXPECT_EQ(b[24 + 64 + 35], b[24 + headers + 0]) << "pred_scale: the first frame's header";
}

TEST_F(CliBanks, XboxAdpcmBankDecodesWithFfmpeg) {
    const std::vector<uint8_t> b = build("xbox", "xadpcm");
    const uint32_t headers = le32(b, 8), size = le32(b, 12), frames = le32(b, 24 + 32);
    EXPECT_EQ(frames, (33075 + 63) / 64 * 64);
    EXPECT_EQ(size, frames / 64 * 36);
    ASSERT_EQ(b.size(), 24 + headers + size);
    std::vector<uint8_t> f = genh(1, 36, frames / 64 * 65);
    f.insert(f.end(), b.begin() + 24 + headers, b.end());
    const std::vector<int16_t> wide = ffmpeg("genh", f);
    ASSERT_EQ(wide.size(), frames / 64 * 65);
    // FFmpeg gives 65 samples per 36-byte block; the 65th comes from the padding nibble.
    std::vector<int16_t> decoded;
    for (size_t i = 0; i < wide.size(); ++i)
        if (i % 65 != 64) decoded.push_back(wide[i]);
    EXPECT_GT(snr(decoded, 33075), 20.0);
}

} // namespace
