// The build pipeline on real sound files (made by sox) through the real sound library: bank
// bytes, header accounting, interleaving, build modes, the mixing checks, cancel and budgets.
#include <gtest/gtest.h>

#include "bankbuilder/build_state.h"
#include "bankbuilder/pipeline.h"
#include "recording_reporter.h"
#include "soundlib/zelvo.h"
#include "test_support.h"

namespace {
using wc_test::le16;
using wc_test::le32;
using V = std::vector<std::string>;

class Pipeline : public ::testing::Test {
  protected:
    wc_test::TempDir tmp;
    RecordingReporter reporter;
    EncoderTable encoders;
    std::string src, out;

    static void SetUpTestSuite() {
        setenv("ZELVO_OUTPUT", "null", 1);
        ASSERT_EQ(ZVOICE_Init(44100, 32, 0), 1);
    }
    static void TearDownTestSuite() { ZVOICE_Close(); }

    void SetUp() override {
        build_settings = BuildSettings{};
        build_settings.platform = PLATFORM_CROSS;
        build_settings.format = FORMAT_PCM;
        build_state.memory_budget = -1;
        build_state.cancel_requested = false;
        encoders.pcm = encode_pcm;
        encoders.source = copy_source;
        src = tmp / "src";
        out = tmp / "out";
        std::filesystem::create_directories(src);
        std::filesystem::create_directories(out);
        build_settings.source_path = src;
        build_settings.dest_path = out + "/bank";
    }
    void TearDown() override {
        encoder_libraries = EncoderLibraries{};
        build_state.cancel_requested = false;
    }
    std::string raw(const std::string& wav) {
        return bytes_text(wc_test::sox_raw16(wav, tmp / "raw"));
    }
    static std::string bytes_text(const std::vector<uint8_t>& b) {
        return std::string(b.begin(), b.end());
    }
    std::vector<uint8_t> bank(const std::string& base = "") {
        return wc_test::read_bytes((base.empty() ? out + "/bank" : base) + ".wvc");
    }
};

TEST_F(Pipeline, PcmBankOfTwoMonoFiles) {
    wc_test::make_wav(src + "/boom-big.wav", 100, 1, 16, 22050, "sine 440");
    wc_test::make_wav(src + "/3d_hit.wav", 100, 1, 16, 22050, "sine 1000");
    ASSERT_EQ(run_build(reporter, encoders), 0);
    auto b = bank();
    ASSERT_EQ(b.size(), 552u);
    EXPECT_EQ(le32(b, 4), 2u);
    EXPECT_EQ(le32(b, 8), 128u);
    EXPECT_EQ(le32(b, 12), 400u);
    EXPECT_EQ(le32(b, 20), 0u) << "flags";
    // Name order: "3d_hit.wav" comes before "boom-big.wav".
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[26])), "3d_hit.wav");
    EXPECT_EQ(le16(b, 24), 64);
    EXPECT_EQ(le32(b, 24 + 32), 100u) << "length_samples";
    EXPECT_EQ(le32(b, 24 + 36), 200u) << "length_bytes";
    EXPECT_EQ(le32(b, 24 + 48), 0x30u) << "16-bit mono";
    EXPECT_EQ(le32(b, 24 + 52), 22050u);
    EXPECT_EQ(le16(b, 24 + 62), 1);
    // The data is the decoded samples, checked against sox's own decoding.
    EXPECT_EQ(bytes_text(std::vector<uint8_t>(b.begin() + 152, b.end())),
              raw(src + "/3d_hit.wav") + raw(src + "/boom-big.wav"));
    EXPECT_EQ(wc_test::read_text(out + "/bank.h"),
              "#ifndef _BANK_H\n#define _BANK_H\n\n#define _3D_HIT            0\n"
              "#define BOOM_BIG            1\n\n\n#endif\n");
    EXPECT_FALSE(std::filesystem::exists(out + "/bank.000"));
    EXPECT_EQ(reporter.size_texts.back(), "       0 kb");
    EXPECT_TRUE(reporter.memory_bar.empty()) << "no budget on the cross platform";
    EXPECT_EQ(reporter.building, (std::vector<bool>{true, false}));
    EXPECT_EQ(reporter.button, "Build");
    EXPECT_EQ(reporter.ended, 1);
    EXPECT_EQ(reporter.shown_warning_windows, 0);
}

TEST_F(Pipeline, InterleavedBanks) {
    wc_test::make_wav(src + "/a.wav", 100, 1, 16, 22050, "sine 300");
    wc_test::make_wav(src + "/b.wav", 100, 1, 16, 22050, "sine 700");
    build_settings.build_mode = BUILD_INTERLEAVED;
    ASSERT_EQ(run_build(reporter, encoders), 0);
    auto b = bank();
    ASSERT_EQ(b.size(), 24u + 64 + 400);
    EXPECT_EQ(le32(b, 4), 1u);
    EXPECT_EQ(le32(b, 8), 64u);
    EXPECT_EQ(le32(b, 12), 400u);
    EXPECT_EQ(le16(b, 24 + 62), 2) << "channels of all files";
    EXPECT_EQ(le32(b, 24 + 48), 0x4000010u) << "mono cleared, interleaved set";
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[26])), "b.wav") << "the last file";
    std::string a = raw(src + "/a.wav"), c = raw(src + "/b.wav"), expect;
    for (size_t i = 0; i < 200; i += 2)
        expect += a.substr(i, 2) + c.substr(i, 2);
    EXPECT_EQ(bytes_text(std::vector<uint8_t>(b.begin() + 88, b.end())), expect);
    EXPECT_EQ(wc_test::read_text(out + "/bank.h"),
              "#ifndef _BANK_H\n#define _BANK_H\n\n#define A            0\n"
              "#define B            1\n\n\n#endif\n");
}

TEST_F(Pipeline, InterleavedMonoThenLongerStereo) {
    wc_test::make_wav(src + "/1.wav", 50, 1, 16, 22050, "sine 300");
    wc_test::make_wav(src + "/2.wav", 80, 2, 16, 22050, "sine 500");
    build_settings.build_mode = BUILD_INTERLEAVED;
    ASSERT_EQ(run_build(reporter, encoders), 0);
    auto b = bank();
    // Three channels per frame: the mono file at 0, the stereo file at 1 and 2; the mono file
    // leaves zeros after its 50 frames; the header's lengths come from the longest file.
    ASSERT_EQ(b.size(), 24u + 64 + 80 * 6);
    EXPECT_EQ(le32(b, 12), 480u);
    EXPECT_EQ(le16(b, 24 + 62), 3);
    EXPECT_EQ(le32(b, 24 + 32), 80u);
    EXPECT_EQ(le32(b, 24 + 36), 480u);
    std::string m = raw(src + "/1.wav"), s = raw(src + "/2.wav"), expect;
    for (size_t f = 0; f < 80; ++f)
        expect += (f < 50 ? m.substr(f * 2, 2) : std::string(2, '\0')) + s.substr(f * 4, 4);
    EXPECT_EQ(bytes_text(std::vector<uint8_t>(b.begin() + 88, b.end())), expect);
}

TEST_F(Pipeline, SmallHeadersAfterTheFirstFullOne) {
    wc_test::write_text(src + "/0-broken.wav", "not a wav");
    for (const char* n : {"a.wav", "b.wav", "c.wav"})
        wc_test::make_wav(src + "/" + n, 10);
    build_settings.basic_headers = true;
    ASSERT_EQ(run_build(reporter, encoders), 0);
    auto b = bank();
    EXPECT_EQ(le32(b, 4), 3u);
    // The broken first entry is skipped; the first sample written still has a full header.
    EXPECT_EQ(le32(b, 8), 64u + 8 + 8);
    EXPECT_EQ(le32(b, 20), 2u);
    EXPECT_EQ(le16(b, 24), 64);
    EXPECT_EQ(le32(b, 24 + 64), 10u);
    EXPECT_EQ(le32(b, 24 + 64 + 4), 20u);
    EXPECT_EQ(b.size(), 24u + 80 + 60);
    EXPECT_EQ(reporter.warnings, V{src + "/0-broken.wav - file not found"});
    EXPECT_EQ(reporter.shown_warning_windows, 1);
    // Defines count list positions, the skipped entry included.
    EXPECT_NE(wc_test::read_text(out + "/bank.h").find("#define C            3\n"),
              std::string::npos);
}

TEST_F(Pipeline, MultipleModeWithAndWithoutTree) {
    wc_test::make_wav(src + "/a.wav", 10);
    wc_test::make_wav(src + "/sub/x.y.wav", 12);
    build_settings.build_mode = BUILD_MULTIPLE;
    build_settings.dest_path = out + "/flat";
    ASSERT_EQ(run_build(reporter, encoders), 0);
    EXPECT_EQ(bank(out + "/flat/a").size(), 24u + 64 + 20);
    EXPECT_EQ(bank(out + "/flat/x").size(), 24u + 64 + 24);
    EXPECT_EQ(wc_test::read_text(out + "/flat/x.h"),
              "#ifndef _X_H\n#define _X_H\n\n#define X            0\n\n\n#endif\n");

    build_settings.rebuild_tree = true;
    build_settings.dest_path = out + "/tree";
    ASSERT_EQ(run_build(reporter, encoders), 0);
    EXPECT_TRUE(std::filesystem::exists(out + "/tree/a.wvc"));
    EXPECT_TRUE(std::filesystem::exists(out + "/tree/sub/x.wvc"));
    EXPECT_FALSE(std::filesystem::exists(out + "/tree/x.wvc"));
}

TEST_F(Pipeline, MultipleModeRefusesAFileAsDestination) {
    wc_test::make_wav(src + "/a.wav", 10);
    wc_test::write_text(out + "/file", "x");
    build_settings.build_mode = BUILD_MULTIPLE;
    build_settings.dest_path = out + "/file";
    EXPECT_EQ(run_build(reporter, encoders), 1);
    EXPECT_EQ(reporter.boxes, V{"Wavecrate - ERROR: \"" + out +
                                "/file\" is an existing file. The specified build mode requires a "
                                "destination directory, not a file."});
}

TEST_F(Pipeline, MixingChecks) {
    wc_test::make_wav(src + "/1-first.wav", 10, 1, 16, 22050);
    wc_test::make_wav(src + "/2-stereo.wav", 10, 2, 16, 22050);
    wc_test::make_wav(src + "/3-eight.wav", 10, 1, 8, 22050);
    wc_test::make_wav(src + "/4-rate.wav", 10, 1, 16, 11025);
    ASSERT_EQ(run_build(reporter, encoders), 0);
    // Single mode: the stereo file is listed but kept, the 8-bit file is left out, another
    // rate is fine.
    EXPECT_EQ(reporter.warnings,
              (V{src + "/2-stereo.wav - ERROR! - cannot mix stereo and mono files in an WVC file",
                 src + "/3-eight.wav - ERROR! - cannot mix 8 and 16bit files in an WVC file"}));
    EXPECT_EQ(le32(bank(), 4), 3u);

    reporter.warnings.clear();
    build_settings.build_mode = BUILD_INTERLEAVED;
    ASSERT_EQ(run_build(reporter, encoders), 0);
    EXPECT_EQ(reporter.warnings,
              (V{src + "/3-eight.wav - ERROR! - cannot mix 8 and 16bit files in an WVC file",
                 src + "/4-rate.wav - ERROR! - cannot mix sample rates (ie 44khz,22khz,11khz) an "
                       "interleaved WVC file!"}));
    auto b = bank();
    EXPECT_EQ(le16(b, 24 + 62), 5) << "channels counted before the checks";
    EXPECT_EQ(le32(b, 12), 10u * 5 * 2);
}

TEST_F(Pipeline, EightBitPcmAndSourceCopy) {
    wc_test::make_wav(src + "/e.wav", 30, 1, 8);
    ASSERT_EQ(run_build(reporter, encoders), 0);
    auto b = bank();
    EXPECT_EQ(le32(b, 12), 30u) << "one byte per value";
    EXPECT_EQ(le32(b, 24 + 48) & 0x18, 0x8u);
    // Signed 8-bit values, as sox decodes the unsigned bytes of the WAV file.
    ASSERT_EQ(wc_test::run("sox '" + src + "/e.wav' -t raw -e signed-integer -b 8 '" +
                           tmp / "raw8" + "'"),
              0);
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + 88, b.end()), wc_test::read_bytes(tmp / "raw8"));

    build_settings.format = FORMAT_SOURCE;
    ASSERT_EQ(run_build(reporter, encoders), 0);
    b = bank();
    auto file = wc_test::read_bytes(src + "/e.wav");
    EXPECT_EQ(le32(b, 20), 1u) << "source-format flag";
    EXPECT_EQ(le32(b, 24 + 36), file.size());
    EXPECT_EQ(le32(b, 24 + 32), 30u) << "frames from the decoded sample";
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + 88, b.end()), file);
}

TEST_F(Pipeline, CancelLeavesAConsistentBank) {
    for (const char* n : {"a.wav", "b.wav", "c.wav", "d.wav"})
        wc_test::make_wav(src + "/" + n, 20);
    reporter.on_select = [](int k) {
        if (k == 1) build_state.cancel_requested = true; // during the second file
    };
    EXPECT_EQ(run_build(reporter, encoders), 1);
    auto b = bank();
    // The PCM writer stops within the second file; the bank counts exactly the first.
    EXPECT_EQ(le32(b, 4), 1u);
    EXPECT_EQ(le32(b, 8), 64u);
    EXPECT_EQ(le32(b, 12), 40u);
    EXPECT_EQ(b.size(), 24u + 64 + 40);
    EXPECT_EQ(reporter.shown_warning_windows, 0);
}

TEST_F(Pipeline, MemoryBudgets) {
    build_settings.reverb_core0 = build_settings.reverb_core1 = true;
    EXPECT_EQ(memory_budget(PLATFORM_PS2, FORMAT_VAG), 1832960);
    build_settings.reverb_core1 = false;
    EXPECT_EQ(memory_budget(PLATFORM_PS2, FORMAT_VAG), 1964032);
    build_settings.reverb_core0 = false;
    EXPECT_EQ(memory_budget(PLATFORM_PS2, FORMAT_VAG), 2095104);
    EXPECT_EQ(memory_budget(PLATFORM_PS2, FORMAT_PCM), 2097152);
    EXPECT_EQ(memory_budget(PLATFORM_GAMECUBE, FORMAT_PCM), 16760576);
    EXPECT_EQ(memory_budget(PLATFORM_XBOX, FORMAT_XADPCM), 8388608);
    EXPECT_EQ(memory_budget(PLATFORM_CROSS, FORMAT_PCM), -1);
    show_memory_budget(reporter, PLATFORM_CROSS, FORMAT_PCM);
    EXPECT_EQ(reporter.budget_texts.back(), "       0 kb");
    show_memory_budget(reporter, PLATFORM_PS2, FORMAT_PCM);
    EXPECT_EQ(reporter.budget_texts.back(), "    2048 kb");
    EXPECT_EQ(reporter.memory_range, 2097152);

    // Over the PlayStation 2 PCM budget, the bar turns red.
    encoder_libraries.vag_loaded = true;
    build_settings.platform = PLATFORM_PS2;
    wc_test::make_wav(src + "/a.wav", 300000, 2);
    wc_test::make_wav(src + "/b.wav", 300000, 2);
    reporter.memory_bar.clear();
    ASSERT_EQ(run_build(reporter, encoders), 0);
    EXPECT_EQ(reporter.memory_bar,
              (std::vector<std::pair<int, bool>>{{1200000, false}, {2400000, true}}));
    EXPECT_EQ(reporter.size_texts.back(), "    2343 kb");
}

// Stands in for the GameCube codec: per channel it gives a parameter record (gain = channel
// position + 1) and 8 bytes of data, and writes the record's block to the debug text.
bool stand_in_dsp(const std::string& path, ZVOICE_SAMPLE sample, std::FILE* working,
                  uint32_t& bytes, uint32_t& frames, std::vector<std::string>&) {
    int channels = (ZVOICE_Sample_GetMode(sample) & 0x40) ? 2 : 1;
    if (!building_interleaved()) {
        build_state.interleave_channels = channels;
        build_state.interleave_offset = 0;
    }
    for (int k = 0; k < channels; ++k) {
        size_t at = size_t(build_state.interleave_offset);
        if (dsp_adpcm_records.size() <= at) dsp_adpcm_records.resize(at + 1);
        dsp_adpcm_records[at].gain = uint16_t(at + 1);
        std::fputs(debug_block_text(path, dsp_adpcm_records[at]).c_str(), dsp_debug_file);
        ++build_state.interleave_offset;
    }
    std::fseek(working, 0, SEEK_END);
    std::fwrite(std::string(size_t(8 * channels), '\xAB').data(), 1, size_t(8 * channels), working);
    bytes = uint32_t(8 * channels);
    frames = ZVOICE_Sample_GetLength(sample);
    return true;
}

TEST_F(Pipeline, GameCubeRecordsPaddingAndDebugText) {
    encoder_libraries.dsp_loaded = true;
    build_settings.platform = PLATFORM_GAMECUBE;
    build_settings.format = FORMAT_GCADPCM;
    encoders.dsp_adpcm = stand_in_dsp;
    wc_test::make_wav(src + "/a.wav", 10, 1);
    wc_test::make_wav(src + "/b.wav", 10, 2);
    ASSERT_EQ(run_build(reporter, encoders), 0);
    auto b = bank();
    // a: 64 + 46; b: 64 + 2 * 46; data 8 + 16; then zeros to a multiple of 32.
    EXPECT_EQ(le32(b, 8), 110u + 156);
    EXPECT_EQ(le32(b, 12), 24u);
    EXPECT_EQ(b.size(), 320u) << "24 + 266 + 24 = 314, padded";
    EXPECT_EQ(le16(b, 24), 110);
    EXPECT_EQ(b[24 + 64 + 33], 1) << "a's record, big-endian gain";
    EXPECT_EQ(le16(b, 134), 156);
    EXPECT_EQ(b[134 + 64 + 33], 1);
    EXPECT_EQ(b[134 + 64 + 46 + 33], 2);
    EXPECT_EQ(b[290], 0xAB);
    EXPECT_EQ(b[313], 0xAB);
    EXPECT_EQ(b[314], 0);
    EXPECT_EQ(le32(b, 24 + 48), 0x2001020u) << "mono DSP ADPCM mode word";
    std::string txt = wc_test::read_text(out + "/bank.txt");
    EXPECT_EQ(txt.substr(0, txt.find("\nFile: ") + 1), "WVC File: " + out + "/bank\n\n");
    EXPECT_EQ(txt.substr(txt.find("\nFile: ") + 1, 18 + src.size()),
              "File: " + src + "/a.wav\ncoef:");
    size_t blocks = 0;
    for (size_t at = 0; (at = txt.find("\nFile: ", at)) != std::string::npos; ++at)
        ++blocks;
    EXPECT_EQ(blocks, 3u) << "one block per channel";

    // Interleaved: one header and the records of all three channels, rewritten after each file.
    build_settings.build_mode = BUILD_INTERLEAVED;
    ASSERT_EQ(run_build(reporter, encoders), 0);
    b = bank();
    EXPECT_EQ(le32(b, 8), 64u + 3 * 46);
    EXPECT_EQ(le16(b, 24), 64 + 3 * 46);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(b[88 + 46 * c + 33], c + 1) << c;
    EXPECT_EQ(le32(b, 12), 16u) << "the largest byte count";
    EXPECT_EQ(b.size(), 256u) << "24 + 202 + 16 = 242, padded";
}

TEST_F(Pipeline, BuildLevelErrors) {
    EXPECT_EQ(run_build(reporter, encoders), 1);
    EXPECT_EQ(reporter.boxes, V{"Wavecrate - ERROR: No files to process!"});

    wc_test::make_wav(src + "/a.wav", 10);
    build_settings.dest_path = tmp / "no/such/dir/bank";
    reporter.boxes.clear();
    EXPECT_EQ(run_build(reporter, encoders), 1);
    EXPECT_EQ(reporter.boxes, V{"Wavecrate - ERROR: Cannot create working file.  File may be in "
                                "use or read only"});
    EXPECT_EQ(reporter.building.back(), false);

    // A format without an encoder here is listed per file.
    build_settings.dest_path = out + "/bank";
    build_settings.format = FORMAT_IMA_ADPCM;
    reporter.boxes.clear();
    EXPECT_EQ(run_build(reporter, EncoderTable{}), 0);
    EXPECT_EQ(reporter.warnings,
              V{src + "/a.wav - ERROR! - Format not supported on this platform yet!"});
    EXPECT_EQ(le32(bank(), 4), 0u);
}

TEST_F(Pipeline, ListFileBuild) {
    wc_test::make_wav(tmp / "lib/Kick.wav", 10);
    wc_test::make_wav(tmp / "lib/Snare.wav", 14);
    wc_test::write_text(tmp / "set.lst", tmp / "lib" + "\r\nSnare.wav\r\nKick.wav\r\n");
    build_settings.use_file_list = true;
    build_settings.source_path = tmp / "set.lst";
    ASSERT_EQ(run_build(reporter, encoders), 0);
    EXPECT_EQ(reporter.files, (V{tmp / "lib/Snare.wav", tmp / "lib/Kick.wav"}));
    auto b = bank();
    EXPECT_EQ(le32(b, 4), 2u);
    EXPECT_EQ(le32(b, 24 + 32), 14u) << "list order";
}

} // namespace
