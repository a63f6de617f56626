// Bank files: names, header texts, byte layout, mode words, and what failures leave behind.
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include "bankbuilder/bank_writer.h"
#include "bankbuilder/paths.h"
#include "bankbuilder/settings.h"
#include "test_support.h"

namespace {
using wc_test::le16;
using wc_test::le32;

TEST(BankPaths, ExtensionGuardAndDefineNames) {
    struct Ext {
        const char *in, *out;
    } exts[] = {{"bank", "bank.wvc"},
                {"old.set/bank", "old.set/bank.wvc"},
                {"dir/b.c.d", "dir/b.c.wvc"},
                {"x.y", "x.wvc"},
                {"/abs/path/", "/abs/path/.wvc"}};
    for (const Ext& e : exts)
        EXPECT_EQ(replace_extension(e.in, ".wvc"), e.out) << e.in;

    EXPECT_EQ(header_guard_name("out/my bank.x.wvc"), "MY BANK");
    EXPECT_EQ(header_guard_name("Sfx"), "SFX");

    struct Def {
        const char* name;
        int index;
        const char* line;
    } defs[] = {{"boom-big.wav", 0, "#define BOOM_BIG            0\n"},
                {"3d_hit.wav", 7, "#define _3D_HIT            7\n"},
                {"x.y.wav", 2, "#define X            2\n"},
                {".wav", 3, "#define _            3\n"},
                {"Grüße.wav", 1, "#define GR____E            1\n"}};
    for (const Def& d : defs) {
        char field[WVC_NAME_SIZE];
        fill_name_field(field, d.name);
        EXPECT_EQ(define_line(field, d.index), d.line) << d.name;
    }
    // A name field of 30 characters has no terminating zero; the define stops at 30.
    char field[WVC_NAME_SIZE];
    fill_name_field(field, std::string(40, 'a') + ".wav");
    EXPECT_EQ(define_line(field, 0), "#define " + std::string(30, 'A') + "            0\n");
}

TEST(BankPaths, MultipleModeBase) {
    std::string rel;
    EXPECT_EQ(multiple_bank_base("dest", "src/", "src/sub/deep/x.y.wav", true, rel),
              "dest/sub/deep/x");
    EXPECT_EQ(rel, "sub/deep/");
    EXPECT_EQ(multiple_bank_base("dest", "src/", "src/sub/x.y.wav", false, rel), "dest/x");
    EXPECT_EQ(rel, "");
    EXPECT_EQ(multiple_bank_base("dest", "src/", "src/a.wav", true, rel), "dest/a");
    EXPECT_EQ(rel, "");
}

TEST(BankLayout, SampleHeaderBytes) {
    WvcSampleHeader h;
    h.size = 156;
    fill_name_field(h.name, "name.wav");
    h.length_samples = 0x01020304;
    h.length_bytes = 0x05060708;
    h.loop_start = 11;
    h.loop_end = 22;
    h.mode = 0x4000030;
    h.default_frequency = 22050;
    h.default_volume = 255;
    h.default_pan = -5;
    h.default_priority = 128;
    h.num_channels = 3;
    auto a = serialize(h);
    std::vector<uint8_t> b(a.begin(), a.end());
    EXPECT_EQ(le16(b, 0), 156);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[2])), "name.wav");
    EXPECT_EQ(b[31], 0);
    EXPECT_EQ(le32(b, 32), 0x01020304u);
    EXPECT_EQ(le32(b, 36), 0x05060708u);
    EXPECT_EQ(le32(b, 40), 11u);
    EXPECT_EQ(le32(b, 44), 22u);
    EXPECT_EQ(le32(b, 48), 0x4000030u);
    EXPECT_EQ(le32(b, 52), 22050u);
    EXPECT_EQ(le16(b, 56), 255);
    EXPECT_EQ(le16(b, 58), 0xFFFB);
    EXPECT_EQ(le16(b, 60), 128);
    EXPECT_EQ(le16(b, 62), 3);

    DspAdpcmInfo d;
    d.coef[0] = 0x1234;
    d.coef[15] = 0xABCD;
    d.loop_yn2 = 0x0102;
    auto r = serialize(d);
    EXPECT_EQ(r[0], 0x12);
    EXPECT_EQ(r[1], 0x34);
    EXPECT_EQ(r[30], 0xAB);
    EXPECT_EQ(r[31], 0xCD);
    EXPECT_EQ(r[44], 0x01);
    EXPECT_EQ(r[45], 0x02);
}

TEST(BankLayout, ModeWords) {
    struct Case {
        uint32_t in;
        int32_t platform, format;
        bool interleaved;
        uint32_t out;
    } cases[] = {
        {0x30, PLATFORM_CROSS, FORMAT_PCM, false, 0x30},
        {0x50, PLATFORM_CROSS, FORMAT_SOURCE, false, 0x50},
        {0x30, PLATFORM_CROSS, FORMAT_PCM, true, 0x4000010},
        {0x1B0, PLATFORM_PS2, FORMAT_VAG, false, 0x801020},
        {0x50, PLATFORM_PS2, FORMAT_VAG, false, 0x880040},
        {0x50, PLATFORM_GAMECUBE, FORMAT_GCADPCM, true, 0x6080000},
        {0x28, PLATFORM_XBOX, FORMAT_XADPCM, false, 0x401020},
        {0x50, PLATFORM_CROSS, FORMAT_IMA_ADPCM, false, 0x400040},
        {0x30, PLATFORM_PS2, FORMAT_PCM, false, 0x30},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bank_mode_word(c.in, c.platform, c.format, c.interleaved), c.out)
            << std::hex << c.in << " " << c.platform << "/" << c.format;
}

WvcFileHeader file_header(int samples, int headers, int data, uint32_t flags = 0) {
    WvcFileHeader h;
    std::memcpy(h.id, "WVC3", 4);
    h.num_samples = samples;
    h.sample_headers_size = headers;
    h.data_size = data;
    h.version = WVC_VERSION;
    h.flags = flags;
    return h;
}

TEST(BankFilesTest, WholeBankWithPaddingAndZeroFill) {
    wc_test::TempDir tmp;
    for (bool gamecube : {false, true}) {
        BankFiles files;
        std::string message;
        std::string base = tmp / (gamecube ? "gc.bank" : "plain");
        ASSERT_TRUE(begin_bank(base, gamecube, files, message)) << message;
        EXPECT_EQ(std::ftell(files.bank), 24);
        WvcSampleHeader h;
        fill_name_field(h.name, "a.wav");
        h.length_bytes = 10;
        write_sample_header(files, h, false);
        write_sample_header(files, h, true);
        DspAdpcmInfo rec;
        rec.gain = 7;
        append_dsp_records(files, &rec, 1);
        write_define(files, h.name, 0);
        // The working file holds 6 bytes; the bank declares 10: the rest is zeros.
        std::fwrite("\x01\x02\x03\x04\x05\x06", 1, 6, files.working);
        ASSERT_TRUE(finish_bank(files, file_header(2, 64 + 8 + 46, 10, 2), gamecube, message))
            << message;

        auto b = wc_test::read_bytes(replace_extension(base, ".wvc"));
        size_t unpadded = 24 + 64 + 8 + 46 + 10;
        ASSERT_EQ(b.size(), gamecube ? 160u : unpadded);
        EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "WVC3");
        EXPECT_EQ(le32(b, 4), 2u);
        EXPECT_EQ(le32(b, 8), 118u);
        EXPECT_EQ(le32(b, 12), 10u);
        EXPECT_EQ(le32(b, 16), 0x00030000u);
        EXPECT_EQ(le32(b, 20), 2u);
        EXPECT_EQ(le32(b, 24 + 64 + 4), 10u) << "small header: length_bytes";
        EXPECT_EQ(b[24 + 64 + 8 + 33], 7) << "big-endian gain";
        std::vector<uint8_t> data(b.begin() + 142, b.begin() + 152);
        EXPECT_EQ(data, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 0, 0, 0, 0}));
        for (size_t i = unpadded; i < b.size(); ++i)
            EXPECT_EQ(b[i], 0);

        std::string guard = gamecube ? "GC" : "PLAIN";
        EXPECT_EQ(wc_test::read_text(replace_extension(base, ".h")),
                  "#ifndef _" + guard + "_H\n#define _" + guard + "_H\n\n#define A            0\n" +
                      "\n\n#endif\n");
        EXPECT_FALSE(std::filesystem::exists(replace_extension(base, ".000")));
        if (gamecube) {
            EXPECT_EQ(wc_test::read_text(replace_extension(base, ".txt")),
                      "WVC File: " + base + "\n\n");
        }
    }
}

TEST(BankFilesTest, GameCubeBankAlreadyAlignedGetsNoPadding) {
    wc_test::TempDir tmp;
    BankFiles files;
    std::string message;
    ASSERT_TRUE(begin_bank(tmp / "g", false, files, message));
    write_sample_header(files, WvcSampleHeader{}, false);
    std::fwrite(std::string(104, 'x').data(), 1, 104, files.working);
    ASSERT_TRUE(finish_bank(files, file_header(1, 64, 104), true, message));
    EXPECT_EQ(wc_test::read_bytes(tmp / "g.wvc").size(), 192u);
}

TEST(BankFilesTest, CreationFailuresNameTheFile) {
    wc_test::TempDir tmp;
    struct Case {
        const char* blocker; // a directory in the way of this file
        bool debug;
        const char* message;
    } cases[] = {
        {"b.000", false, "Cannot create working file.  File may be in use or read only"},
        {"b.txt", true, "Cannot create debug file.  File may be in use or read only"},
        {"b.wvc", false, "Cannot create destination file.  File may be in use or read only"},
        {"b.h", false, "Cannot create destination c header file.  File may be in use or read only"},
    };
    for (const Case& c : cases) {
        std::filesystem::create_directories(tmp / c.blocker);
        BankFiles files;
        std::string message;
        EXPECT_FALSE(begin_bank(tmp / "b", c.debug, files, message));
        EXPECT_EQ(message, c.message);
        EXPECT_EQ(files.working, nullptr);
        EXPECT_EQ(files.bank, nullptr);
        std::filesystem::remove(tmp / c.blocker);
    }
}

TEST(BankFilesTest, FullDiskEndsWithMessageAndNoBank) {
    wc_test::TempDir tmp;
    // A file-size limit makes writes past 4 kB fail as on a full disk.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    BankFiles files;
    std::string message;
    ASSERT_TRUE(begin_bank(tmp / "full", false, files, message));
    write_sample_header(files, WvcSampleHeader{}, false);
    std::vector<char> data(3000, 'x');
    std::fwrite(data.data(), 1, data.size(), files.working);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    bool ok = finish_bank(files, file_header(1, 64, 8000), false, message);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_FALSE(ok);
    EXPECT_NE(message.find(tmp / "full.wvc"), std::string::npos) << message;
    EXPECT_FALSE(std::filesystem::exists(tmp / "full.wvc"));
    EXPECT_FALSE(std::filesystem::exists(tmp / "full.000"));
}

TEST(BankFilesTest, DebugBlockText) {
    DspAdpcmInfo info;
    for (int i = 0; i < 16; ++i)
        info.coef[i] = uint16_t(i + 0xF00);
    info.gain = 0;
    info.pred_scale = 0x42;
    info.yn1 = 0xFFFF;
    info.yn2 = 1;
    info.loop_pred_scale = 0x17;
    info.loop_yn1 = 2;
    info.loop_yn2 = 3;
    std::string expected = "File: s/a.wav\ncoef:\n";
    for (int i = 0; i < 16; i += 2) {
        char line[64];
        std::snprintf(line, sizeof line, "\t\t 0x%04x, 0x%04x\n", 0xF00 + i, 0xF00 + i + 1);
        expected += line;
    }
    expected += "gain:\t\t 0x0000\npred_scale:\t 0x0042\nyn1:\t\t 0xffff\nyn2:\t\t 0x0001\n"
                "loop_pred_scale: 0x0017\nloop_yn1:\t 0x0002\nloop_yn2:\t 0x0003\n\n\n";
    EXPECT_EQ(debug_block_text("s/a.wav", info), expected);
}

} // namespace
