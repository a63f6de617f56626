// The command-line grammar: every error code, the reason texts, and what a good line sets.
#include <gtest/gtest.h>

#include "bankbuilder/command_line.h"
#include "test_support.h"

namespace {

struct Fixture {
    wc_test::TempDir tmp;
    std::string dir, list;
    Fixture() {
        dir = tmp / "src";
        list = tmp / "list.txt";
        std::filesystem::create_directories(dir);
        wc_test::write_text(list, "a.wav\n");
    }
    // Replaces the placeholders D (a directory) and L (a regular file).
    std::string expand(std::string text) const {
        for (auto [key, value] : {std::pair{"D", dir}, std::pair{"L", list}}) {
            for (size_t at; (at = text.find(std::string("{") + key + "}")) != std::string::npos;)
                text.replace(at, 3, value);
        }
        return text;
    }
};

TEST(CommandLine, ErrorCodesAndReasons) {
    Fixture fx;
    struct Case {
        const char* text;
        CommandLineError code;
        const char* reason;
    } cases[] = {
        {"-?", CMD_HELP, ""},
        {"{D} -o x -?", CMD_HELP, ""},
        {"-o a -o b", CMD_DEST_TWICE, "More than one dest file specified (-o)"},
        // Refused at the second "-o", before its path is read.
        {"-o a -o", CMD_DEST_TWICE, "More than one dest file specified (-o)"},
        {"-o", CMD_NO_DEST_NAME, "Expected a dest filename (-o)"},
        {"{D} -m  ", CMD_NO_MODE, "Expected an WVC type parameter (-m)"},
        {"{D} -o x -m q", CMD_BAD_MODE, "Invalid WVC type"},
        {"-m S", CMD_BAD_MODE, "Invalid WVC type"},
        {"-p", CMD_NO_PLATFORM, "Expected a platform (-p)"},
        {"-p wii", CMD_BAD_PLATFORM, "Invalid platform (-p)"},
        {"-f", CMD_NO_FORMAT, "Expected a format (-f)"},
        {"-f VAG", CMD_BAD_FORMAT, "Invalid format (-f)"},
        {"-r", CMD_NO_REVERB_CORE, "Expected reverbcore number (-c)"},
        {"-r 2", CMD_BAD_REVERB_CORE, "Invalid reverbcore number (-c)"},
        {"-x", CMD_BAD_SWITCH, "Invalid switch"},
        {"- o", CMD_BAD_SWITCH, "Invalid switch"},
        {"{D} -o x -", CMD_END_OF_LINE, "Unexpected end of line"},
        {"{D} {D}", CMD_SOURCE_TWICE, "More than one source directory specified"},
        {"-o x", CMD_NO_SOURCE, "No source directory specified"},
        {"{D}", CMD_NO_DEST, "No dest file specified"},
        {"{D}/missing -o x", CMD_BAD_SOURCE, "Invalid source directory"},
        {"/dev/null -o x", CMD_BAD_SOURCE, "Invalid source directory"},
        {"-p ps2 -f gcadpcm {D} -o x", CMD_FORMAT_NOT_ON_PLATFORM,
         "Format not supported on specified platform"},
        {"-f ogg {D} -o x", CMD_FORMAT_NOT_ON_PLATFORM,
         "Format not supported on specified platform"},
        {"-f mp3 -p ps2 {D} -o x", CMD_FORMAT_NOT_ON_PLATFORM,
         "Format not supported on specified platform"},
        // "source" is allowed on the cross platform, but never interleaved.
        {"-m i -f source {D} -o x", CMD_NO_INTERLEAVE,
         "Specified format doesn't support interleaved build mode"},
        // The source is checked before the platform and format.
        {"-p ps2 -f gcadpcm {D}/missing -o x", CMD_BAD_SOURCE, "Invalid source directory"},
    };
    for (const Case& c : cases) {
        std::string text = fx.expand(c.text);
        BuildSettings s;
        CommandLineError error = CMD_OK;
        EXPECT_FALSE(parse_command_line(text, s, error)) << text;
        EXPECT_EQ(error, c.code) << text;
        EXPECT_STREQ(command_line_reason(error), c.reason) << text;
        EXPECT_TRUE(s.command_line_mode) << text;
    }
}

TEST(CommandLine, GoodLinesSetTheSettings) {
    Fixture fx;
    struct Case {
        const char* text;
        int32_t platform, format, mode;
        bool file_list, rebuild, core0, core1, hidden;
        const char* dest;
    } cases[] = {
        {"{D} -o out.wvc", PLATFORM_CROSS, FORMAT_PCM, BUILD_SINGLE, false, false, true, true,
         false, "out.wvc"},
        // A switch's argument may follow it directly.
        {"-fvag -pps2 -oout {L}", PLATFORM_PS2, FORMAT_VAG, BUILD_SINGLE, true, false, true, true,
         false, "out"},
        {"\t-m m -d {D} -o dir\r\n", PLATFORM_CROSS, FORMAT_PCM, BUILD_MULTIPLE, false, true, true,
         true, false, "dir"},
        // "-d" in single mode still checks the box.
        {"-m s -d {D} -o x", PLATFORM_CROSS, FORMAT_PCM, BUILD_SINGLE, false, true, true, true,
         false, "x"},
        {"-r 0 -r 1 -h -p gc -f gcadpcm -m i {D} -o x", PLATFORM_GAMECUBE, FORMAT_GCADPCM,
         BUILD_INTERLEAVED, false, false, false, false, true, "x"},
        {"-f adpcm -p xbox {D} -o x", PLATFORM_XBOX, -1, BUILD_SINGLE, false, false, true, true,
         false, "x"},
        {"-f adpcm {D} -o x", PLATFORM_CROSS, FORMAT_IMA_ADPCM, BUILD_SINGLE, false, false, true,
         true, false, "x"},
    };
    for (const Case& c : cases) {
        std::string text = fx.expand(c.text);
        BuildSettings s;
        s.build_mode = BUILD_INTERLEAVED; // a mode left by the last run must not survive
        CommandLineError error = CMD_BAD_SWITCH;
        bool ok = parse_command_line(text, s, error);
        if (c.format == -1) { // "adpcm" (IMA) is not in the Xbox row
            EXPECT_FALSE(ok) << text;
            EXPECT_EQ(error, CMD_FORMAT_NOT_ON_PLATFORM) << text;
            continue;
        }
        ASSERT_TRUE(ok) << text << ": " << command_line_reason(error);
        EXPECT_EQ(error, CMD_OK);
        EXPECT_TRUE(s.command_line_mode);
        EXPECT_EQ(s.platform, c.platform) << text;
        EXPECT_EQ(s.format, c.format) << text;
        EXPECT_EQ(s.build_mode, c.mode) << text;
        EXPECT_EQ(s.use_file_list, c.file_list) << text;
        EXPECT_EQ(s.rebuild_tree, c.rebuild) << text;
        EXPECT_EQ(s.reverb_core0, c.core0) << text;
        EXPECT_EQ(s.reverb_core1, c.core1) << text;
        EXPECT_EQ(s.hidden, c.hidden) << text;
        EXPECT_EQ(s.dest_path, c.dest) << text;
        EXPECT_EQ(s.source_path, c.file_list ? fx.list : fx.dir) << text;
    }
}

TEST(CommandLine, BlankLineChangesNothing) {
    for (const char* text : {"", " \t\r\n\v\f"}) {
        BuildSettings s;
        s.build_mode = BUILD_MULTIPLE;
        s.rebuild_tree = true;
        CommandLineError error = CMD_BAD_SWITCH;
        EXPECT_TRUE(parse_command_line(text, s, error));
        EXPECT_EQ(error, CMD_OK);
        EXPECT_FALSE(s.command_line_mode);
        EXPECT_EQ(s.build_mode, BUILD_MULTIPLE);
        EXPECT_TRUE(s.rebuild_tree);
    }
}

TEST(CommandLine, BadCommandLineBoxText) {
    std::string text = bad_command_line_text("-x", CMD_BAD_SWITCH);
    EXPECT_EQ(text,
              std::string("Bad command line:\t-x\n\nReason:\t\tInvalid switch\n\n\n") + USAGE_TEXT);
    // The usage text's first and last lines, tabs included.
    std::string usage = USAGE_TEXT;
    EXPECT_EQ(usage.substr(0, 36), "Usage: wavecrate <-o dest> <source> ");
    EXPECT_NE(usage.find("\n  -f vag|gcadpcm|xadpcm|pcm|source\tTarget format (default = pcm)\n"),
              std::string::npos);
    EXPECT_EQ(usage.substr(usage.size() - 35), "  -?\t\t\t\tDisplay command line help\n\n");
}

} // namespace
