// The real wavecrate program from a shell without a display: exit codes, console texts and
// the banks it writes, checked byte by byte and against sox's decoding.
#include <gtest/gtest.h>

#include "bankbuilder/command_line.h"
#include "test_support.h"

namespace {
using wc_test::le16;
using wc_test::le32;

struct Result {
    int code;
    std::string out, err;
};

class Cli : public ::testing::Test {
  protected:
    wc_test::TempDir tmp;
    std::string src, out;
    void SetUp() override {
        src = tmp / "src";
        out = tmp / "out";
        std::filesystem::create_directories(src);
        std::filesystem::create_directories(out);
    }
    // Runs wavecrate with args under a clean, display-less environment; prefix is shell text
    // placed before the program (limits, traps).
    Result wavecrate(const std::string& args, const std::string& prefix = "") {
        std::string cmd = "cd '" + tmp.path() + "' && env -u DISPLAY -u WAYLAND_DISPLAY " +
                          "XDG_CONFIG_HOME='" + tmp.path() + "/config' QT_QPA_PLATFORM=offscreen " +
                          "ZELVO_OUTPUT=null bash -c \"" + prefix +
                          " exec '" DH_BUILD_DIR "/bin/wavecrate' " + args +
                          "\" >stdout.txt 2>stderr.txt";
        Result r;
        r.code = wc_test::run(cmd);
        r.out = wc_test::read_text(tmp / "stdout.txt");
        r.err = wc_test::read_text(tmp / "stderr.txt");
        return r;
    }
    std::string raw(const std::string& wav) {
        auto b = wc_test::sox_raw16(wav, tmp / "raw");
        return std::string(b.begin(), b.end());
    }
};

TEST_F(Cli, ExitCodesAndConsoleTexts) {
    Result help = wavecrate("-?");
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.out, USAGE_TEXT);

    Result bad = wavecrate("-p ps2 -f gcadpcm src -o x");
    EXPECT_EQ(bad.code, 2);
    EXPECT_EQ(bad.err, std::string("Wavecrate - ERROR: Bad command line:\t-p ps2 -f gcadpcm src "
                                   "-o x\n\nReason:\t\tFormat not supported on specified "
                                   "platform\n\n\n") +
                           USAGE_TEXT);

    Result empty = wavecrate("");
    EXPECT_EQ(empty.code, 1);
    EXPECT_NE(empty.err.find("no display"), std::string::npos) << empty.err;

    Result nothing = wavecrate("src -o out/bank");
    EXPECT_EQ(nothing.code, 1);
    EXPECT_EQ(nothing.err, "Wavecrate - ERROR: No files to process!\n");
    EXPECT_FALSE(std::filesystem::exists(tmp / "config")) << "command-line runs save nothing";

    wc_test::write_text(tmp / "list.txt", "a.wav\n");
    Result tree = wavecrate("-m m -d list.txt -o out");
    EXPECT_EQ(tree.code, 1);
    EXPECT_EQ(tree.err, "Wavecrate - ERROR: Can't rebuild directory tree when using a file list\n");
    Result gate = wavecrate("-f adpcm -m i src -o out/bank");
    EXPECT_EQ(gate.code, 1);
    EXPECT_EQ(gate.err, "Wavecrate - ERROR: You are trying to build with an invalid build mode\n");
}

TEST_F(Cli, PcmBankFromDirectoryMatchesSox) {
    wc_test::make_wav(src + "/boom-big.wav", 100, 1, 16, 22050, "sine 440");
    wc_test::make_wav(src + "/3d_hit.wav", 100, 1, 16, 22050, "pinknoise");
    Result r = wavecrate("src -o out/bank");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    auto b = wc_test::read_bytes(out + "/bank.wvc");
    ASSERT_EQ(b.size(), 552u);
    const uint8_t head[24] = {'W', 'V', 'C', '3', 2, 0, 0, 0, 128, 0, 0, 0,
                              144, 1,   0,   0,   0, 0, 3, 0, 0,   0, 0, 0};
    EXPECT_EQ(std::vector<uint8_t>(b.begin(), b.begin() + 24),
              std::vector<uint8_t>(head, head + 24));
    EXPECT_EQ(std::string(b.begin() + 152, b.end()),
              raw(src + "/3d_hit.wav") + raw(src + "/boom-big.wav"));
    EXPECT_EQ(wc_test::read_text(out + "/bank.h"),
              "#ifndef _BANK_H\n#define _BANK_H\n\n#define _3D_HIT            0\n"
              "#define BOOM_BIG            1\n\n\n#endif\n");
}

TEST_F(Cli, ListFileKeepsTheCaseOfNames) {
    wc_test::make_wav(tmp / "Lib/Kick.WAV", 40);
    wc_test::make_wav(tmp / "Lib/snare.wav", 30);
    wc_test::write_text(tmp / "lists/set.lst", ".\\Lib\\Kick.WAV\r\n" + tmp / "Lib" +
                                                   "\r\nsnare.wav\r\nb-missing.wav\r\n"
                                                   "A-missing.wav\r\n");
    Result r = wavecrate("lists/set.lst -o out/set.bank -m i");
    ASSERT_EQ(r.code, 0) << r.err;
    // ".\\Lib" is taken relative to the working directory, as typed. Missing files are
    // per-file warnings on standard error, sorted without regard to case.
    EXPECT_EQ(r.err, "Warnings during sound compilation:\n  " + tmp / "Lib/A-missing.wav" +
                         " - file not found\n  " + tmp / "Lib/b-missing.wav" +
                         " - file not found\n");
    auto b = wc_test::read_bytes(out + "/set.wvc");
    EXPECT_EQ(le32(b, 12), 4u * 40 * 2) << "4 channels counted, the missing ones included";
    EXPECT_EQ(le16(b, 24 + 62), 4);
}

TEST_F(Cli, MultipleModeTreeAndLongPaths) {
    // A path well past 255 characters.
    std::string deep = "src/" + std::string(120, 'd') + "/" + std::string(120, 'e') + "/lo.ng";
    wc_test::make_wav(tmp / (deep + "/x.y.wav"), 10);
    wc_test::make_wav(src + "/top.wav", 10, 2);
    Result r = wavecrate("-m m -d src -o out/tree");
    ASSERT_EQ(r.code, 0) << r.err;
    std::string rel = deep.substr(4);
    EXPECT_EQ(wc_test::read_bytes(out + "/tree/top.wvc").size(), 24u + 64 + 40);
    auto b = wc_test::read_bytes(out + "/tree/" + rel + "/x.wvc");
    ASSERT_EQ(b.size(), 24u + 64 + 20);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[26])), "x.y.wav");
    EXPECT_EQ(wc_test::read_text(out + "/tree/" + rel + "/x.h"),
              "#ifndef _X_H\n#define _X_H\n\n#define X            0\n\n\n#endif\n");
}

TEST_F(Cli, FullDiskFailsTheBuild) {
    wc_test::make_wav(src + "/big.wav", 20000);
    // Writes past 8 kB fail as on a full disk (the size-limit signal is ignored so the
    // write itself reports the error).
    Result r = wavecrate("src -o out/bank", "trap '' XFSZ; ulimit -f 8;");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("Wavecrate - ERROR: Cannot write \"out/bank."), std::string::npos)
        << r.err;
    EXPECT_FALSE(std::filesystem::exists(out + "/bank.wvc"));
    EXPECT_FALSE(std::filesystem::exists(out + "/bank.000"));
}

TEST_F(Cli, EveryKindOfSourceFile) {
    // One file of each kind the builder collects, made by sox and FFmpeg.
    ASSERT_EQ(wc_test::run("cd '" + src +
                           "' && sox -r 22050 -c 1 -n a.aiff synth 100s sine 440 && "
                           "sox -r 22050 -c 2 -n b.ogg synth 0.05 sine 440 && "
                           "ffmpeg -v quiet -f lavfi -i sine=frequency=440:duration=0.05 "
                           "-ar 22050 c.mp3 && sox -r 22050 -c 1 -n d.wav synth 10s sine 440"),
              0);
    Result r = wavecrate("-m m src -o out/each");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    for (const char* name : {"a", "b", "c", "d"}) {
        auto b = wc_test::read_bytes(out + "/each/" + name + ".wvc");
        ASSERT_GE(b.size(), 88u) << name;
        EXPECT_EQ(le32(b, 4), 1u) << name;
        EXPECT_GT(le32(b, 24 + 32), 0u) << name;
        EXPECT_EQ(b.size(), 88u + le32(b, 12)) << name;
    }
    EXPECT_EQ(le32(wc_test::read_bytes(out + "/each/a.wvc"), 24 + 32), 100u);
    EXPECT_EQ(le16(wc_test::read_bytes(out + "/each/b.wvc"), 24 + 62), 2);
}

TEST_F(Cli, SourceFormatCopiesTheFiles) {
    wc_test::make_wav(src + "/a.wav", 10);
    wc_test::make_wav(src + "/b.wav", 17, 2);
    Result r = wavecrate("-f source src -o out/s");
    ASSERT_EQ(r.code, 0) << r.err;
    auto b = wc_test::read_bytes(out + "/s.wvc");
    auto a = wc_test::read_bytes(src + "/a.wav"), c = wc_test::read_bytes(src + "/b.wav");
    EXPECT_EQ(le32(b, 20), 1u);
    EXPECT_EQ(le32(b, 12), a.size() + c.size());
    std::vector<uint8_t> data(b.begin() + 24 + 128, b.end()), expect = a;
    expect.insert(expect.end(), c.begin(), c.end());
    EXPECT_EQ(data, expect);
}

} // namespace
